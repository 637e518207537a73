#pragma once
#include "game/puzzle/GG_BASE_CONTROL.h"

namespace ZOR
{
class ZC_GUI_BUTTON5;
}

namespace game
{
// The pause button: a push button that cannot be blocked. The press is reported to the
// control panel; the click pauses the level and opens the in-level menu "GP_Menu" (not without
// the menu: nothing would resume the level).
class GG_PAUSE : public GG_BASE_CONTROL
{
public:
    GG_PAUSE() = default;
    ~GG_PAUSE() override;

    // "GameProcess pause.xml": placement and the required "BUTTON5". False (logged) when the
    // file or a usable button is missing; then the button does nothing.
    bool fLoadXml();

    void fDraw() override;
    int fUpdate() override;
    int fOnMouseMove() override;
    int fOnKeyUp(int key) override;
    int fOnKeyDown(int key) override;
    void fLoadResources() override;
    void fUnloadResources() override;

    ZOR::ZC_GUI_BUTTON5* fGetButton() const { return button; }

private:
    ZOR::ZC_GUI_BUTTON5* button = nullptr;
};
}
