#include "game/shell/GG_WINDOW_GAME_MENU.h"

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"
#include "game/shell/gLevelExit.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const kSelf = "GP_Menu";
const char* const kShop = "Shop";
const char* const kRestartInLevel = "Confirm_Restart_Level";
const char* const kRestartInFinish = "Confirm_Restart_In_Finish";
const char* const kCloseLevel = "Confirm_Close_Lvl";

// A restart takes a heart; without one to give it is not offered.
bool fCanPayForRestart()
{
    if (!fGetEdition().heart)
        return true;
    const gPlayers* players = fGetPlayers();
    const GG_PLAYER* player = players ? players->fGetCurrentPlayer() : nullptr;
    return !player || player->fGetHealth().count > 0;
}
}

void fCallGameMenuOnRestartAnswer(void* menu, bool yes)
{
    if (menu)
        static_cast<GG_WINDOW_GAME_MENU*>(menu)->fOnRestartAnswer(yes);
}

void fCallGameMenuOnCloseLevelAnswer(void* menu, bool yes)
{
    if (menu)
        static_cast<GG_WINDOW_GAME_MENU*>(menu)->fOnCloseLevelAnswer(menu, yes);
}

void fCallGameMenuGoToLevelList(void* menu)
{
    if (menu)
        static_cast<GG_WINDOW_GAME_MENU*>(menu)->fGoToLevelList();
}

void GG_WINDOW_GAME_MENU::fOnShowBegin()
{
    if (ZC_GUI_BUTTON5* restart = dynamic_cast<ZC_GUI_BUTTON5*>(fGetGui()->fFindById(ID_RESTART)))
        fCanPayForRestart() ? restart->fEnableButton() : restart->fDisableButton();
}

void GG_WINDOW_GAME_MENU::fOnGuiEvent(int widgetId)
{
    switch (widgetId)
    {
    case ID_CONTINUE: fOnContinue(); break;
    case ID_RESTART: fOnRestart(); break;
    case ID_CLOSE_LEVEL: fOnCloseLevel(); break;
    case ID_OPTIONS: fOnOptions(); break;
    case ID_SHOP: fOnShop(); break;
    default: break;
    }
}

void GG_WINDOW_GAME_MENU::fOnContinue()
{
    if (G_WINDOW_MANAGER* windows = fGetWindowManager())
        windows->fHideWindow(kSelf, false);
    if (gGame* game = fGetGameInstance())
        game->fResumeGameplay();
}

void GG_WINDOW_GAME_MENU::fOnOptions()
{
    // The menu stays open below the options and the level stays paused.
    if (gGame* game = fGetGameInstance())
        game->fShowOptions();
}

void GG_WINDOW_GAME_MENU::fOnShop()
{
    if (G_WINDOW_MANAGER* windows = fGetWindowManager())
        windows->fShowWindow(kShop, false);
}

void GG_WINDOW_GAME_MENU::fOnRestart()
{
    // A click that comes in spite of the disabled button (any widget of that id) pays nothing
    // and restarts nothing.
    if (!fCanPayForRestart())
        return;
    fAskRestart(kRestartInLevel, kRestartInFinish, this, fCallGameMenuOnRestartAnswer);
}

void GG_WINDOW_GAME_MENU::fOnRestartAnswer(bool yes)
{
    if (!yes || !fCanPayForRestart())
        return;
    if (gGame* game = fGetGameInstance())
    {
        game->fLoseHeart();
        // The level starts afresh while the menu's hide effect plays.
        game->fRestartLevel();
    }
    if (G_WINDOW_MANAGER* windows = fGetWindowManager())
        windows->fHideWindow(kSelf, false);
}

void GG_WINDOW_GAME_MENU::fOnCloseLevel()
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    G_WINDOW* question = windows ? windows->fShowWindow(kCloseLevel, false) : nullptr;
    if (G_WINDOW_CONFIRM* confirm = dynamic_cast<G_WINDOW_CONFIRM*>(question))
        confirm->fSetAnswerCallback(this, fCallGameMenuOnCloseLevelAnswer);
}

void GG_WINDOW_GAME_MENU::fOnCloseLevelAnswer(void* data, bool yes)
{
    if (!yes)
        return;
    if (gGame* game = fGetGameInstance())
        game->fLoseHeart();
    fRunBehindFade(data, fCallGameMenuGoToLevelList);
}

void GG_WINDOW_GAME_MENU::fGoToLevelList()
{
    fLeaveLevel(kSelf, false);
}
}
