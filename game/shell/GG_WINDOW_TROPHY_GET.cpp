#include "game/shell/GG_WINDOW_TROPHY_GET.h"

#include <string>

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/gui/ZC_GUI_IMAGE.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/text/ZC_FONT.h"
#include "framework/G_TROPHIES.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"
#include "game/shell/gTextTemplate.h"
#include "game/shell/gWindowParts.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
std::wstring fFillNumberTemplate(const std::wstring& text, int number)
{
    return fFillTemplate(text, L"i", std::to_wstring(number));
}

GG_WINDOW_TROPHY_GET::GG_WINDOW_TROPHY_GET(pugi::xml_node element) : G_WINDOW(element)
{
    fReadFonts(element.child("settings"));
    picture = fFindWidget<ZC_GUI_IMAGE>(fGetGui(), 2);
    rewardLabel = fFindWidget<ZC_GUI_WLABEL>(fGetGui(), 3);
    if (!picture)
        fLogMissingPart(fGetName(), 2, "trophy picture");
    if (!rewardLabel)
        fLogMissingPart(fGetName(), 3, "reward label");
}

void GG_WINDOW_TROPHY_GET::fReadFonts(pugi::xml_node settings)
{
    if (pugi::xml_node node = settings.child("fontTitle"))
    {
        titleFont.fLoad(node, fGetFonts());
        if (pugi::xml_attribute a = node.attribute("shift"))
            titleShift.fParse(a.value());
    }
    if (pugi::xml_node node = settings.child("fontDescription"))
    {
        descriptionFont.fLoad(node, fGetFonts());
        if (pugi::xml_attribute a = node.attribute("shift"))
            descriptionShift.fParse(a.value());
    }
}

void GG_WINDOW_TROPHY_GET::fSetTrophy(const G_TROPHY* trophy)
{
    if (!trophy)
        return;
    title = fLocalText(trophy->fGetName());
    description = fLocalText(trophy->fGetDesc());
    if (picture)
        picture->fSetTexture(trophy->fGetImageOpen());
    if (rewardLabel)
    {
        // The label's first text, translated by the factory, is the template for every trophy.
        if (rewardFormat.empty())
            rewardFormat = rewardLabel->fGetText();
        rewardLabel->fSetText(fLiteralLabelText(fFillNumberTemplate(rewardFormat, trophy->fGetBonus())));
    }
    if (gGame* game = fGetGameInstance())
        game->fPlaySound("trophy");
}

ZS_VECTOR2 GG_WINDOW_TROPHY_GET::fGetTitlePosition() const
{
    const ZS_TRANSFORM3 world = fGetTransform()->fCompose();
    return ZS_VECTOR2(world.position.x + titleShift.x, world.position.y + titleShift.y);
}

ZS_VECTOR2 GG_WINDOW_TROPHY_GET::fGetDescriptionPosition() const
{
    const ZS_TRANSFORM3 world = fGetTransform()->fCompose();
    return ZS_VECTOR2(world.position.x + descriptionShift.x, world.position.y + descriptionShift.y);
}

void GG_WINDOW_TROPHY_GET::fDrawText(const ZS_FONT_STYLE& style, const ZS_VECTOR2& at, const std::wstring& text)
{
    ZC_FONT* font = style.font;
    if (!font)
        return;
    font->fSetColor(style.color.fToPacked());
    font->alignment = style.hotSpot;
    // Trophy texts come from data: drawn as written, never read as a format; placed beyond any
    // screen, not at all.
    int x, y;
    if (fToPixel(at.x, &x) && fToPixel(at.y, &y))
        font->fDrawText(x, y, text.c_str());
}

void GG_WINDOW_TROPHY_GET::fDrawContent()
{
    fDrawText(titleFont, fGetTitlePosition(), title);
    fDrawText(descriptionFont, fGetDescriptionPosition(), description);
}

void GG_WINDOW_TROPHY_GET::fOnGuiEvent(int widgetId)
{
    if (widgetId != 1)
        return;
    if (G_WINDOW_MANAGER* windows = fGetWindowManager())
        windows->fHideWindow(fGetName(), false);
}
}
