#pragma once
#include "game/puzzle/GG_SLIDING_CONTROL.h"

namespace ZOR
{
class ZC_GUI_BUTTON5;
}

namespace game
{
// The store button: shown while the level has no hints left, slid out of view below its place
// otherwise; a press opens the window "Shop" and pauses the level (not without the window:
// nothing would resume it). Editions without the store
// button read an empty file for it.
class GG_STORE_BUTTON : public GG_SLIDING_CONTROL
{
public:
    GG_STORE_BUTTON() = default;
    ~GG_STORE_BUTTON() override;

    // "GameProcess store_button.xml", or "GameProcess store_button_empty.xml" when the edition
    // has no store button: background, placement, "speed" and the optional "BUTTON5". False
    // (logged) only when the file is missing; a missing or unusable button is logged and left
    // out.
    bool fLoadXml();
    // Non-zero hides it (the level screen passes its hints left).
    void fSetHidden(int value);
    bool fIsHidden() const { return hidden != 0; }
    void fSlideIn();
    void fSlideOut();

    void fDraw() override;
    int fOnMouseMove() override;
    int fOnKeyUp(int key) override;
    int fOnKeyDown(int key) override;
    void fUnloadResources() override;

    ZOR::ZC_GUI_BUTTON5* fGetButton() const { return button; }

protected:
    float fLoadPictures() override;
    void fSlideToState() override;

private:
    void fDeleteButton();

    int hidden = 0;
    ZOR::ZC_GUI_BUTTON5* button = nullptr;
};
}
