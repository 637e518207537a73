// The game object: scenes by window name, the per-frame work, input and level control.
#include <cmath>

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/store/ZC_INAPP.h"
#include "framework/G_GAMEPLAY.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_PACK_DESC.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/GG_WINDOW_LEVEL.h"
#include "game/shell/gGame.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const kMainWindows[] = {"Options", "Confirm_Exit", "Players", "Packs", "Packs_Menu", "Trophy", "Levels"};
const char* const kHubExtras[] = {"Sumie", "Stars"};
const char* const kLevelsAndHub[] = {"Back", "Level_Title", "Levels"};
const char* const kHubPanels[] = {"Sumie", "Stars", "Heart", "Packs_Menu"};
}

void gGame::fShowTitleScene()
{
    if (!windows)
        return;
    windows->fShowWindow("Title", false);
    windows->fShowWindow("Title_Top", false);
}

void gGame::fHideTitleScene()
{
    if (!windows)
        return;
    windows->fHideWindow("Title", true);
    windows->fHideWindow("Title_Top", true);
}

void gGame::fShowHubScene()
{
    if (!windows)
        return;
    windows->fShowWindow("Back", true);
    windows->fShowWindow("Packs_Menu", true);
    for (const char* name : kHubExtras)
        windows->fShowWindow(name, true);
    if (fGetEdition().heart)
        windows->fShowWindow("Heart", true);
    if (fIsMobilePlatform() && fGetEdition().free && adManager.fHasPlacement("apple_top"))
        adManager.fShowPlacement("apple_top");
}

void gGame::fShowPacksScene()
{
    fShowHubScene();
    if (windows)
    {
        windows->fShowWindow("Pack_Title", true);
        windows->fShowWindow("Packs", true);
    }
    if (fIsMobilePlatform() && fGetEdition().free)
        adManager.fShowPlacement("quellmoor_fs");
}

void gGame::fShowLevelsScene(int32_t packId, bool immediately)
{
    fShowHubScene();
    if (!windows)
        return;
    windows->fShowWindow("Level_Title", immediately);
    G_WINDOW* levels = windows->fShowWindow("Levels", immediately);
    if (GG_WINDOW_LEVEL* list = dynamic_cast<GG_WINDOW_LEVEL*>(levels))
        list->fSetPack(currentPlayer ? currentPlayer->fGetPack(packId) : nullptr);
    fSelectPack(packId);
}

void gGame::fHideLevelsScene(void* data, void (*hidden)(void* data))
{
    if (!windows)
        return;
    for (const char* name : kLevelsAndHub)
        windows->fHideWindow(name, true);
    bool bound = false;
    for (const char* name : kHubPanels)
    {
        G_WINDOW* window = windows->fHideWindow(name, true);
        if (window && !bound)
        {
            window->fSetEventCallback(WE_HIDDEN, data, hidden);
            bound = true;
        }
    }
}

void gGame::fHideLevelsAndHub()
{
    if (!windows)
        return;
    for (const char* name : kLevelsAndHub)
        windows->fHideWindow(name, true);
    for (const char* name : kHubPanels)
        windows->fHideWindow(name, true);
}

void gGame::fShowTrophyScene()
{
    if (!windows)
        return;
    windows->fRefreshAll();
    windows->fShowWindow("Trophy_Title", false);
    windows->fShowWindow("Trophy", false);
}

void gGame::fHideTrophyScene(bool immediately)
{
    if (!windows)
        return;
    windows->fHideWindow("Trophy_Title", immediately);
    windows->fHideWindow("Trophy", immediately);
}

void gGame::fShowOptions()
{
    if (windows)
        windows->fShowWindow("Options", false);
}

bool gGame::fLoadMainWindows()
{
    if (!windows)
        return true;
    windows->fReleaseAllResources(false);
    if (!fIsMobilePlatform())
    {
        cursor.fLoadTexture();
        windows->fAcquireWindowResources("Title");
        windows->fAcquireWindowResources("Title_Top");
    }
    for (const char* name : kMainWindows)
        windows->fAcquireWindowResources(name);
    return true;
}

bool gGame::fUnloadMainWindows()
{
    if (!windows)
        return true;
    if (!fIsMobilePlatform())
    {
        windows->fReleaseWindowResources("Title");
        windows->fReleaseWindowResources("Title_Top");
    }
    for (const char* name : kMainWindows)
        windows->fReleaseWindowResources(name);
    return true;
}

int gGame::fUpdate()
{
    if (currentPlayer)
        fGetInApp()->fUpdateProvider();
    if (purchasing)
    {
        purchaseAnimation.fUpdate();
        return 1;
    }
    if (gameplay)
    {
        gameplay->fUpdate();
        tutorial.fUpdate();
    }
    if (windows)
        windows->fUpdate();
    fUpdateTrophyPopup();
    if (currentPlayer)
        currentPlayer->fUpdateHealth();
    return 1;
}

void gGame::fDraw()
{
    if (gameplay && gameplay->started)
    {
        gameplay->fDraw();
        tutorial.fDraw();
    }
    if (windows)
        windows->fDraw();
    if (purchasing)
    {
        if (purchaseBackground.fIsLoaded())
            purchaseBackground.fDraw();
        if (purchaseAnimation.fIsLoaded())
            purchaseAnimation.fDraw();
        fGetInApp()->fDrawProvider();
    }
    if (!fIsMobilePlatform())
        cursor.fDraw();
}

int gGame::fOnKeyDown(int key)
{
    if (purchasing)
        return 1;
    if (gameplay)
    {
        if (gameplay->started)
            tutorial.fOnKeyDown(key);
        gameplay->fOnKeyDown(key);
    }
    if (windows)
        windows->fOnKeyDown(key);
    return 1;
}

int gGame::fOnKeyUp(int key)
{
    if (purchasing)
        return 1;
    if (gameplay)
    {
        gameplay->fOnKeyUp(key);
        if (gameplay->started)
            tutorial.fOnKeyUp(key);
    }
    if (windows)
        windows->fOnKeyUp(key);
    return 1;
}

int gGame::fOnMouseMove()
{
    if (purchasing)
        return 1;
    if (gameplay)
    {
        gameplay->fOnMouseMove();
        if (gameplay->started)
            tutorial.fOnMouseMove();
    }
    if (windows)
        windows->fOnMouseMove();
    return 1;
}

bool gGame::fStartLevel(int32_t levelId, int32_t packId)
{
    currentLevel = nullptr;
    if (!gameplay)
        return false;
    GG_PACK_DESC* desc = fSelectPack(packId);
    if (!desc)
        return false;
    GG_PACK* pack = templatePlayer.fGetPack(packId);
    currentLevel = pack ? pack->fGetLevel(levelId) : nullptr;
    if (!currentLevel)
        return false;
    const std::string resource = desc->fGetPath() + " " + currentLevel->fGetFile();
    if (!gameplay->fStartLevel(resource))
        return false;
    fLoadGameplayResources();
    fSetControlsBlocked(false, false, false, false, false);
    fStartTutorialForLevel();
    fPlaySound("levelshow");
    return true;
}

void gGame::fRestartLevel()
{
    if (!gameplay)
        return;
    gameplay->fRestart();
    fStartTutorialForLevel();
}

void gGame::fEndLevel()
{
    if (!gameplay)
        return;
    gameplay->fEndLevel();
    if (fIsMobilePlatform() && fGetEdition().free)
        adManager.fShowPlacement("quellmoor_fs");
}

void gGame::fPauseGameplay()
{
    if (gameplay)
        gameplay->fPause();
}

void gGame::fResumeGameplay()
{
    if (gameplay)
        gameplay->fResume();
}

void gGame::fGrantSecondChance()
{
    if (gameplay && link.grantSecondChance)
        link.grantSecondChance(gameplay);
}

void gGame::fOfferSecondChance()
{
    if (gameplay && link.offerSecondChance)
        link.offerSecondChance(gameplay);
}

bool gGame::fLoadGameplayResources()
{
    if (gameplay)
        gameplay->fLoadResources();
    return true;
}

bool gGame::fUnloadGameplay()
{
    if (gameplay)
        gameplay->fUnloadResources();
    tutorial.fUnloadResources();
    return true;
}

void gGame::fStartTutorialForLevel()
{
    if (!gameplay || !currentPlayer || currentPlayer->fGetPassedTutorial())
        return;
    const int32_t levelId = link.levelId ? link.levelId(gameplay) : -1;
    if (!tutorial.fStartForLevel(levelId))
        return;
    tutorial.fLoadResources();
    if (link.addControlDelegate)
        link.addControlDelegate(gameplay, &tutorial);
}

void gGame::fSetControlsBlocked(bool cells, bool hint, bool tool, bool store, bool reset)
{
    if (gameplay && link.setControlsBlocked)
        link.setControlsBlocked(gameplay, cells, hint, tool, store, reset);
}

GG_PACK_DESC* gGame::fSelectPack(int32_t packId)
{
    currentPack = fFindPackDesc(packId);
    return currentPack;
}

GG_PACK_DESC* gGame::fFindPackDesc(int32_t packId) const
{
    for (GG_PACK_DESC* desc : packDescriptions)
        if (int16_t(desc->fGetId()) == int16_t(packId))
            return desc;
    return nullptr;
}

std::wstring gGame::fPackStarsText(int32_t packId) const
{
    GG_PACK* pack = currentPlayer ? currentPlayer->fGetPack(packId) : nullptr;
    if (!pack)
        return std::wstring();
    return fFloatToWString(float(pack->fCountStars())) + L"/" + fFloatToWString(float(pack->fGetLevelCount() * 3));
}

std::wstring gGame::fPackStarsToPassText(int32_t packId) const
{
    GG_PACK_DESC* desc = fFindPackDesc(packId);
    return desc ? fFloatToWString(float(desc->fGetStarsToPass())) : std::wstring();
}

void gGame::fLoseHeart()
{
    if (!fGetEdition().heart || !currentPlayer)
        return;
    if (currentPlayer->fGetHealth().fLoseHeart())
        fSave();
}

void gGame::fSendStoreEvent(const std::string& event, const std::string& item)
{
    if (gameplay)
        gameplay->fOnStoreEvent(event, item);
}
}
