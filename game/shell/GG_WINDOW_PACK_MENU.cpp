#include "game/shell/GG_WINDOW_PACK_MENU.h"

#include "engine/gui/ZC_GUI.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const kFadeWindow = "Fade_Transition";
const char* const kSubScenes[] = {"Pack_Title", "Packs", "Level_Title", "Levels", "Training"};
}

void fCallPackMenuGoToTitle(void* window)
{
    if (window)
        static_cast<GG_WINDOW_PACK_MENU*>(window)->fGoToTitle();
}

GG_WINDOW_PACK_MENU::GG_WINDOW_PACK_MENU(pugi::xml_node element) : G_WINDOW(element), windows(fGetWindowManager())
{
}

G_WINDOW_MANAGER* GG_WINDOW_PACK_MENU::fManager()
{
    // A window made before the game's manager existed finds it at its first use.
    if (!windows)
        windows = fGetWindowManager();
    return windows;
}

void GG_WINDOW_PACK_MENU::fOnGuiEvent(int widgetId)
{
    switch (widgetId)
    {
    case ID_PACKS: fSwitchTo("Packs"); break;
    case ID_TROPHIES:
        if (fManager() && !windows->fIsWindowOpen("Trophy"))
        {
            fHideSubScenes(false);
            if (gGame* game = fGetGameInstance())
                game->fShowTrophyScene();
        }
        break;
    case ID_OPTIONS:
        if (fManager())
            windows->fShowWindow("Options", false);
        break;
    case ID_BACK: fOnBack(); break;
    case ID_SHOP:
        if (fManager())
            windows->fShowWindow("Shop", false);
        break;
    case ID_TRAINING: fSwitchTo("Training"); break;
    default: break;
    }
}

void GG_WINDOW_PACK_MENU::fSwitchTo(const char* name)
{
    if (!fManager() || windows->fIsWindowOpen(name))
        return;
    fHideSubScenes(false);
    windows->fShowWindow(name, false);
}

void GG_WINDOW_PACK_MENU::fHideSubScenes(bool immediately)
{
    if (fManager())
        for (const char* name : kSubScenes)
            windows->fHideWindow(name, immediately);
    if (gGame* game = fGetGameInstance())
        game->fHideTrophyScene(immediately);
}

void GG_WINDOW_PACK_MENU::fOnBack()
{
    if (!fManager())
        return;
    if (windows->fIsWindowOpen("Levels"))
    {
        windows->fHideWindow("Levels", false);
        windows->fShowWindow("Packs", false);
        return;
    }
    if (fIsMobilePlatform())
        return;
    if (G_WINDOW* fade = windows->fShowWindow(kFadeWindow, false))
        fade->fSetEventCallback(WE_SHOWN, this, fCallPackMenuGoToTitle);
    else
        fGoToTitle(); // without a fade window the way back is taken at once
}

void GG_WINDOW_PACK_MENU::fGoToTitle()
{
    fHideSubScenes(true);
    gGame* game = fGetGameInstance();
    if (game)
    {
        game->fHideLevelsAndHub();
        game->fShowTitleScene();
    }
    if (G_WINDOW* fade = fManager() ? windows->fHideWindow(kFadeWindow, false) : nullptr)
        fade->fSetEventCallback(WE_SHOWN, nullptr, nullptr);
}

void GG_WINDOW_PACK_MENU::fHideBackOnMobile()
{
    if (!fIsMobilePlatform())
        return;
    if (ZC_GUI_OBJECT* back = fGetGui() ? fGetGui()->fFindById(ID_BACK) : nullptr)
    {
        back->fSetVisible(false);
        back->fSetEnabled(false);
    }
}
}
