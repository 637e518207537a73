#pragma once
#include <memory>

#include "framework/G_WINDOW.h"

namespace game
{
class GG_PLAYER;

// The window "Options": the current player's music (slider 10) and sound (slider 9) volumes,
// the game's own cursor (box 8) and full screen (box 7, captioned by label 11). Every change
// takes effect at once; OK (3) saves, cancel (4) puts back what was set when the window
// opened. Help (5) shows "Help", credits (6) shows "Credits", which closes on its widget 1.
class GG_WINDOW_OPTIONS : public ZOR_GF::G_WINDOW
{
public:
    enum
    {
        ID_OK = 3,
        ID_CANCEL = 4,
        ID_HELP = 5,
        ID_CREDITS = 6,
        ID_FULL_SCREEN = 7,
        ID_CURSOR = 8,
        ID_SOUND = 9,
        ID_MUSIC = 10,
        ID_FULL_SCREEN_LABEL = 11
    };

    explicit GG_WINDOW_OPTIONS(pugi::xml_node element);
    ~GG_WINDOW_OPTIONS() override;

    void fDraw() override { G_WINDOW::fDraw(); }
    // The window's own handling, then null: a key is never reported as taken.
    const ZOR::ZS_GUI_EVENT* fOnKeyDown(int key) override;
    const ZOR::ZS_GUI_EVENT* fOnKeyUp(int key) override;
    // A runner being dragged applies the volumes as it moves.
    const ZOR::ZS_GUI_EVENT* fOnMouseMove() override;
    void fOnShowBegin() override { fBeginEdit(); }
    void fLoadResources() override {}
    void fUnloadResources() override {}
    void fOnGuiEvent(int widgetId) override;

    // A copy of the current player and of the full-screen flag, and the controls set from them.
    void fBeginEdit();
    void fApplyControls();
    void fCancelChanges();
    void fShowCredits();
    void fOnCreditsEvent(int widgetId);

    // Each does nothing (false, 0) when its control is missing or of another class.
    void fSetFullScreenBox(bool checked, bool immediately);
    void fSetCursorBox(bool checked, bool immediately);
    bool fIsFullScreenBoxChecked() const;
    bool fIsCursorBoxChecked() const;
    void fSetSliderValue(float value, int widgetId);
    float fGetSliderVolume(int widgetId) const;

    GG_PLAYER* fGetPlayer() const { return player; }
    const GG_PLAYER* fGetSavedPlayer() const { return savedPlayer.get(); }

private:
    void fSetBox(int widgetId, bool checked, bool immediately);
    bool fIsBoxChecked(int widgetId) const;
    bool fHasSlider(int widgetId) const;

    GG_PLAYER* player = nullptr;
    std::unique_ptr<GG_PLAYER> savedPlayer;
    bool savedFullScreen = false;
};

void fCallOnCreditsEvent(void* window, int widgetId);
}
