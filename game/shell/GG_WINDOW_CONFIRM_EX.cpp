#include "game/shell/GG_WINDOW_CONFIRM_EX.h"

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/text/ZC_FONT.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "game/shell/GG_CONFIG.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
GG_WINDOW_CONFIRM_EX::GG_WINDOW_CONFIRM_EX(pugi::xml_node element) : G_WINDOW_CONFIRM(element)
{
    pugi::xml_node settings = element.child("SETTINGS");
    if (!settings)
        return;
    fontName = settings.attribute("font_extra_text").value();
    if (pugi::xml_attribute a = settings.attribute("font_extra_color"))
    {
        hasColor = true;
        color = fParseHexColor(a.value());
    }
}

void GG_WINDOW_CONFIRM_EX::fLoadResources()
{
    const ZC_FONT_MANAGER* fonts = fGetFonts();
    extraFont = fonts ? fonts->fGetFont(fontName) : nullptr;
}

void GG_WINDOW_CONFIRM_EX::fDraw()
{
    G_WINDOW::fDraw();
    if (!extraFont || extraText.empty())
        return;
    const ZS_VECTOR2 at = fGetTransform()->fGetPositionXY();
    extraFont->alignment = 4;
    if (hasColor)
        extraFont->fSetColor(color.fToPacked());
    // A name is drawn as typed: a '%' in it is a character like any other. A window placed
    // beyond any screen shows none.
    int x, y;
    if (fToPixel(at.x, &x) && fToPixel(at.y, &y))
        extraFont->fDrawText(x, y, extraText.c_str());
}
}
