#pragma once
#include <string>

#include "engine/core/ZS_COLOR.h"
#include "framework/G_WINDOW_CONFIRM.h"

namespace ZOR
{
class ZC_FONT;
}

namespace game
{
// A yes/no question (everything of G_WINDOW_CONFIRM) with one extra line drawn at the
// window's middle in a font of its own: the name of the player about to be deleted. The
// "SETTINGS" child names the font ("font_extra_text") and may give its colour
// ("font_extra_color", hexadecimal 0xAARRGGBB); without a colour the font keeps the one it has.
class GG_WINDOW_CONFIRM_EX : public ZOR_GF::G_WINDOW_CONFIRM
{
public:
    explicit GG_WINDOW_CONFIRM_EX(pugi::xml_node element);
    ~GG_WINDOW_CONFIRM_EX() override = default;

    void fDraw() override;
    // The font is looked up again at every acquisition of the window's resources.
    void fLoadResources() override;

    // Shown as written: the line is never read as a format.
    void fSetExtraText(const std::wstring& text) { extraText = text; }
    const std::wstring& fGetExtraText() const { return extraText; }
    const std::string& fGetFontName() const { return fontName; }
    ZOR::ZC_FONT* fGetExtraFont() const { return extraFont; }

private:
    std::wstring extraText;
    std::string fontName;
    ZOR::ZC_FONT* extraFont = nullptr;
    bool hasColor = false;
    ZOR::ZS_COLOR color;
};
}
