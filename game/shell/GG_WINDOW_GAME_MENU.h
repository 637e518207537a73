#pragma once
#include "framework/G_WINDOW.h"

namespace game
{
// "GP_Menu", the pause menu over a running level. Whoever opens it pauses the level first;
// every way out resumes it (continue), starts it afresh (restart) or ends it (level list).
// Restarting and leaving ask first and cost a heart in editions with hearts.
class GG_WINDOW_GAME_MENU : public ZOR_GF::G_WINDOW
{
public:
    enum
    {
        ID_CONTINUE = 1,
        ID_RESTART = 2,
        ID_CLOSE_LEVEL = 3,
        ID_OPTIONS = 4,
        ID_SHOP = 5
    };

    explicit GG_WINDOW_GAME_MENU(pugi::xml_node element) : G_WINDOW(element) {}
    ~GG_WINDOW_GAME_MENU() override = default;

    // A restart costs a heart: with hearts in the edition and none left, the restart button
    // is disabled for this showing.
    void fOnShowBegin() override;
    void fOnShowStarted() override {}
    void fOnHideStarted() override {}
    void fOnGuiEvent(int widgetId) override;

    void fOnContinue();
    void fOnRestart();
    void fOnCloseLevel();
    void fOnOptions();
    void fOnShop();
    void fOnRestartAnswer(bool yes);
    void fOnCloseLevelAnswer(void* data, bool yes);
    // Runs once the fade covers the screen (at once without a fade window).
    void fGoToLevelList();
};

void fCallGameMenuOnRestartAnswer(void* menu, bool yes);
void fCallGameMenuOnCloseLevelAnswer(void* menu, bool yes);
void fCallGameMenuGoToLevelList(void* menu);
}
