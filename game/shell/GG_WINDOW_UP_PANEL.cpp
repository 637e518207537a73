#include "game/shell/GG_WINDOW_UP_PANEL.h"

#include <cstdio>

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/text/ZC_FONT.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
ZC_FONT* fFindFont(pugi::xml_attribute name)
{
    const ZC_FONT_MANAGER* fonts = fGetFonts();
    return name && fonts ? fonts->fGetFont(name.value()) : nullptr;
}

// An absent colour is transparent black, as the hexadecimal reader gives for no text.
ZS_COLOR fReadColor(pugi::xml_attribute color)
{
    return fParseHexColor(color ? color.value() : "");
}
}

GG_WINDOW_UP_PANEL::GG_WINDOW_UP_PANEL(pugi::xml_node element) : G_WINDOW(element)
{
    pugi::xml_node settings = element.child("settings");
    timeFont = fFindFont(settings.attribute("font_time"));
    nameFont = fFindFont(settings.attribute("font_name"));
    if (pugi::xml_attribute a = settings.attribute("pos_time"))
        timePosition.fParse(a.value());
    if (pugi::xml_attribute a = settings.attribute("pos_name"))
        namePosition.fParse(a.value());
    timeColor = fReadColor(settings.attribute("fnt_time_color"));
    nameColor = fReadColor(settings.attribute("fnt_name_color"));
}

std::string GG_WINDOW_UP_PANEL::fGetTimeText() const
{
    if (!timeSource)
        return std::string();
    const int seconds = int(*timeSource);
    char text[32];
    std::snprintf(text, sizeof text, "%0*i:%0*i", 2, seconds / 60, 2, seconds % 60);
    return text;
}

void GG_WINDOW_UP_PANEL::fDraw()
{
    G_WINDOW::fDraw();
    // Texts placed beyond any screen are not drawn.
    int x, y;
    if (timeFont && timeSource && fToPixel(timePosition.x, &x) && fToPixel(timePosition.y, &y))
    {
        timeFont->fSetColor(timeColor.fToPacked());
        timeFont->alignment = HS_ML;
        timeFont->fDrawTextNarrow(x, y, fGetTimeText().c_str());
    }
    if (nameFont && fToPixel(namePosition.x, &x) && fToPixel(namePosition.y, &y))
    {
        // The name is drawn as written, never read as a format.
        nameFont->fSetColor(nameColor.fToPacked());
        nameFont->alignment = HS_MID;
        nameFont->fDrawText(x, y, playerName.c_str());
    }
}

void GG_WINDOW_UP_PANEL::fOnActivated()
{
    if (gGame* game = fGetGameInstance())
        game->fResumeGameplay();
}

void GG_WINDOW_UP_PANEL::fOnGuiEvent(int widgetId)
{
    if (widgetId != 2)
        return;
    if (gGame* game = fGetGameInstance())
        game->fPauseGameplay();
    if (G_WINDOW_MANAGER* windows = fGetWindowManager())
        windows->fShowWindow("GP_Menu", false);
}
}
