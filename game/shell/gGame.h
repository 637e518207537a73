#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "engine/store/ZC_AD_MANAGER.h"
#include "engine/store/ZC_IGP_DELEGATE.h"
#include "framework/G_ANIMATION.h"
#include "framework/G_CURSOR.h"
#include "framework/G_SPRITE.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/GG_TUTORIAL.h"
#include "game/shell/cAdDelegate.h"

namespace ZOR
{
class ZC_FONT_MANAGER;
class ZC_LOCALIZATION;
struct ZS_PRODUCT;
}

namespace ZOR_GF
{
class G_GAMEPLAY;
class G_STORE_ITEM;
class G_STORE_ITEMS;
class G_TROPHY;
class G_WINDOW_MANAGER;
}

namespace game
{
class GG_PACK_DESC;
class gPlayers;

// What the game object needs of the level screen beyond the gameplay interface. The level
// screen fills it when it registers (gGame::fSetGameplay); an empty entry does nothing, which
// is the state until the level screen exists.
struct GG_LEVEL_SCREEN_LINK
{
    // The solving process's share of open picture cells, 0..1.
    float (*progress)(ZOR_GF::G_GAMEPLAY* screen) = nullptr;
    // The running level's id, -1 without one.
    int32_t (*levelId)(ZOR_GF::G_GAMEPLAY* screen) = nullptr;
    void (*grantSecondChance)(ZOR_GF::G_GAMEPLAY* screen) = nullptr;
    void (*offerSecondChance)(ZOR_GF::G_GAMEPLAY* screen) = nullptr;
    // The control panel's hint, tool, store and reset controls and the grid's cells.
    void (*setControlsBlocked)(ZOR_GF::G_GAMEPLAY* screen, bool cells, bool hint, bool tool, bool store,
                               bool reset) = nullptr;
    // The tutorial hears the control panel (no duplicates).
    void (*addControlDelegate)(ZOR_GF::G_GAMEPLAY* screen, GG_TUTORIAL* tutorial) = nullptr;
    // Whether the running level lets the player buy a refill of hints (none left, some to bring).
    bool (*canRefillHints)(ZOR_GF::G_GAMEPLAY* screen) = nullptr;
};

// The one game object: the template player with every pack and level, the current player,
// the pack descriptions, the tutorial, the level screen, the trophy pop-up queue and the
// purchase overlay; it loads the game's data, switches scenes by window name, drives the
// level screen and saves. Windows change the game's state only through it.
class gGame final : public ZOR::ZC_IGP_DELEGATE
{
public:
    gGame();
    ~gGame();
    gGame(const gGame&) = delete;
    gGame& operator=(const gGame&) = delete;

    // ---- ownership and loading
    // The loading work, in its fixed order; false at the first required file that is
    // missing (the reason is recorded with fSetStartFailure).
    bool fLoad();
    bool fLoadPackDescriptions();
    GG_PLAYER* fGetTemplatePlayer() { return &templatePlayer; }
    // A new profile copied from the template player, or null when the name is taken.
    GG_PLAYER* fCreatePlayer(const std::wstring& name);
    // Makes the profile current (null: none): cursor, display mode, volumes, trophies, windows.
    void fSetPlayer(GG_PLAYER* player);
    GG_PLAYER* fGetCurrentPlayer() const { return currentPlayer; }
    // Ends the level, releases every resource and saves; before the singletons are deleted.
    void fShutdown();
    void fSetGameplay(ZOR_GF::G_GAMEPLAY* screen, const GG_LEVEL_SCREEN_LINK& link = GG_LEVEL_SCREEN_LINK());
    ZOR_GF::G_GAMEPLAY* fGetGameplay() const { return gameplay; }
    const GG_LEVEL_SCREEN_LINK& fGetLevelScreenLink() const { return link; }
    int fPlaySound(const std::string& name);
    int fPlayMusicList();

    // ---- scenes
    void fShowTitleScene();
    void fHideTitleScene();
    void fShowHubScene();
    void fShowPacksScene();
    void fShowLevelsScene(int32_t packId, bool immediately);
    void fHideLevelsScene(void* data, void (*hidden)(void* data));
    void fHideLevelsAndHub();
    void fShowTrophyScene();
    void fHideTrophyScene(bool immediately);
    void fShowOptions();
    bool fLoadMainWindows();
    bool fUnloadMainWindows();

    // ---- frame and input
    int fUpdate();
    void fDraw();
    int fOnKeyDown(int key);
    int fOnKeyUp(int key);
    int fOnMouseMove();

    // ---- levels
    bool fStartLevel(int32_t levelId, int32_t packId);
    void fRestartLevel();
    void fEndLevel();
    void fPauseGameplay();
    void fResumeGameplay();
    void fGrantSecondChance();
    void fOfferSecondChance();
    bool fLoadGameplayResources();
    bool fUnloadGameplay();
    void fStartTutorialForLevel();
    void fSetControlsBlocked(bool cells, bool hint, bool tool, bool store, bool reset);
    GG_PACK_DESC* fSelectPack(int32_t packId);
    GG_PACK_DESC* fFindPackDesc(int32_t packId) const;
    GG_PACK_DESC* fGetCurrentPack() const { return currentPack; }
    GG_LEVEL* fGetCurrentLevel() const { return currentLevel; }
    const std::vector<GG_PACK_DESC*>& fGetPackDescriptions() const { return packDescriptions; }
    std::wstring fPackStarsText(int32_t packId) const;
    std::wstring fPackStarsToPassText(int32_t packId) const;
    void fLoseHeart();
    void fSendStoreEvent(const std::string& event, const std::string& item);
    GG_TUTORIAL& fGetTutorial() { return tutorial; }

    // ---- trophies, purchases and saving
    void fRecomputeTrophies(GG_PLAYER* player);
    bool fAreAllTrophiesEarned() const;
    void fAwardTrophy(ZOR_GF::G_TROPHY* trophy);
    void fReportScores();
    void fUpdateTrophyPopup();
    void fSetPopupDelay(float seconds) { popupDelay = seconds; }
    size_t fGetTrophyQueueSize() const { return trophyQueue.size(); }
    void fOnProviderEvent() override;
    void fOnPurchaseBegin() override;
    void fOnPurchaseEnd(ZOR::ZS_PRODUCT* product, bool success) override;
    void fOnProductPurchased(ZOR::ZS_PRODUCT* product) override;
    bool fLoadPurchaseAnimation();
    void fShowPurchaseAnimation();
    void fHidePurchaseAnimation();
    bool fIsPurchasing() const { return purchasing; }
    ZOR_GF::G_STORE_ITEM* fFindStoreItem(const std::string& item) const;
    // players.save, then the user's game.xml; false when either could not be written.
    bool fSave();

    ZOR_GF::G_CURSOR& fGetCursor() { return cursor; }

private:
    ZOR_GF::G_CURSOR cursor;
    GG_PLAYER templatePlayer;
    GG_PLAYER* currentPlayer = nullptr;
    float popupDelay = 0.0f;
    std::deque<ZOR_GF::G_TROPHY*> trophyQueue; // new ones at the front, the oldest at the back
    GG_PACK_DESC* currentPack = nullptr;
    GG_LEVEL* currentLevel = nullptr;
    std::vector<GG_PACK_DESC*> packDescriptions;
    GG_TUTORIAL tutorial;
    ZOR_GF::G_GAMEPLAY* gameplay = nullptr;
    GG_LEVEL_SCREEN_LINK link;
    ZOR_GF::G_WINDOW_MANAGER* windows;
    gPlayers* players;
    ZOR::ZC_FONT_MANAGER* fonts;
    ZOR::ZC_LOCALIZATION* strings;
    ZOR_GF::G_STORE_ITEMS* storeItems;
    bool purchasing = false;
    ZOR_GF::G_ANIMATION purchaseAnimation;
    ZOR_GF::G_SPRITE purchaseBackground;
    ZOR::ZC_AD_MANAGER adManager;
    cAdDelegate adDelegate;
};

// Stubs bound to "Trophy_Get" with the level screen as data.
void fCallGameplayPause(void* screen);
void fCallGameplayResume(void* screen);
}
