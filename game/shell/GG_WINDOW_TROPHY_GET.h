#pragma once
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZS_POINT.h"
#include "engine/text/ZS_FONT_STYLE.h"
#include "framework/G_WINDOW.h"

namespace ZOR
{
class ZC_GUI_IMAGE;
class ZC_GUI_WLABEL;
}

namespace ZOR_GF
{
class G_TROPHY;
}

namespace game
{
// The trophy pop-up "Trophy_Get": a newly earned trophy's title and description, drawn in the
// fonts of its "settings" ("fontTitle", "fontDescription", each with a "shift" from the
// window's place), its picture (image 2) and its reward (label 3, whose own text holds one
// "%i" for the bonus). Widget 1 closes it.
class GG_WINDOW_TROPHY_GET : public ZOR_GF::G_WINDOW
{
public:
    explicit GG_WINDOW_TROPHY_GET(pugi::xml_node element);
    ~GG_WINDOW_TROPHY_GET() override = default;

    void fOnShowBegin() override {}
    void fRefresh() override {}
    void fLoadResources() override {}
    void fUnloadResources() override {}
    void fDrawContent() override;
    void fOnGuiEvent(int widgetId) override;

    // Nothing for none.
    void fSetTrophy(const ZOR_GF::G_TROPHY* trophy);
    void fReadFonts(pugi::xml_node settings);

    const std::wstring& fGetTitle() const { return title; }
    const std::wstring& fGetDescription() const { return description; }
    // Where the title and the description are drawn now (they follow the window).
    ZOR::ZS_VECTOR2 fGetTitlePosition() const;
    ZOR::ZS_VECTOR2 fGetDescriptionPosition() const;

private:
    void fDrawText(const ZOR::ZS_FONT_STYLE& style, const ZOR::ZS_VECTOR2& shift, const std::wstring& text);

    std::wstring title;
    std::wstring description;
    std::wstring rewardFormat;
    ZOR::ZS_FONT_STYLE titleFont;
    ZOR::ZS_FONT_STYLE descriptionFont;
    ZOR::ZS_VECTOR2 titleShift;
    ZOR::ZS_VECTOR2 descriptionShift;
    ZOR::ZC_GUI_WLABEL* rewardLabel = nullptr;
    ZOR::ZC_GUI_IMAGE* picture = nullptr;
};

// The text with the first "%i" replaced by the number and "%%" turned into one '%'; every
// other character, a lone '%' included, shows as written.
std::wstring fFillNumberTemplate(const std::wstring& text, int number);
}
