#pragma once
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZS_COLOR.h"
#include "engine/core/ZS_POINT.h"
#include "framework/G_WINDOW.h"

namespace ZOR
{
class ZC_FONT;
}

namespace game
{
// The level screen's top panel: the level time as minutes and seconds and the player's name,
// each in a font of its own from the "settings" child ("font_time", "font_name", "pos_time",
// "pos_name", "fnt_time_color", "fnt_name_color"). Its widget 2 pauses the level and opens
// "GP_Menu". No window type makes it: the level screen builds it itself when it wants one.
class GG_WINDOW_UP_PANEL : public ZOR_GF::G_WINDOW
{
public:
    explicit GG_WINDOW_UP_PANEL(pugi::xml_node element);
    ~GG_WINDOW_UP_PANEL() override = default;

    void fDraw() override;
    void fOnShown() override {}
    void fOnDeactivated() override {}
    void fOnActivated() override;
    void fOnGuiEvent(int widgetId) override;

    // The seconds to show; null shows no time.
    void fSetTimeSource(const float* seconds) { timeSource = seconds; }
    void fSetPlayerName(const std::wstring& name) { playerName = name; }
    // "mm:ss" of the time source, as drawn.
    std::string fGetTimeText() const;

private:
    ZOR::ZC_FONT* timeFont = nullptr;
    ZOR::ZC_FONT* nameFont = nullptr;
    ZOR::ZS_VECTOR2 timePosition;
    ZOR::ZS_VECTOR2 namePosition;
    ZOR::ZS_COLOR timeColor;
    ZOR::ZS_COLOR nameColor;
    const float* timeSource = nullptr;
    std::wstring playerName;
};
}
