#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/core/ZS_POINT.h"
#include "framework/G_ANIMATION.h"
#include "framework/G_EFFECT_BASE.h"
#include "framework/G_GAMEPLAY.h"
#include "framework/G_PARTICLES.h"
#include "framework/G_SPRITE.h"
#include "framework/G_TROPHIES.h"
#include "game/puzzle/GG_EFFECT_BONUS.h"
#include "game/puzzle/GG_LEVEL_SETTINGS.h"
#include "game/puzzle/GG_PROCESS.h"

class cControlDelegate;

namespace ZOR
{
class ZC_FONT;
struct ZS_CALLBACK;
}

namespace game
{
class GG_AMBIENT;
class GG_CONTROL_PANEL;
class GG_ELEMENT;
class GG_LEVEL;
class GG_PACK;
class GG_PLAYER;

// The level screen's own files.
extern const char* const GAMEPLAY_SETTINGS_FILE; // "data/share/main/GameProcess settings.xml"
extern const char* const GAMEPLAY_EFFECTS_FILE;  // "data/share/main/GameProcess effects.xml"

// The record of the level being played. The result window keeps a pointer to it; it lives as
// long as the level screen, and every level start or end overwrites its contents.
struct GG_LEVEL_RESULT
{
    // In-app purchases are configured: the level screen neither grants nor spends hints.
    bool inApp = false;
    int32_t packId = 0;
    int32_t levelId = 0;
    float time = 0.0f;      // seconds, advanced while started and not paused
    int errors = 0;         // wrong cells so far
    unsigned freeHintsGranted = 0;
    int hintsLeft = 0;
    int hintsUsed = 0;      // hints started in this level
    int score = 0;          // currency earned: the one-cell amount per picture cell opened

    // Every field but in-app back to 0.
    void fClear();
};

// The level screen: the game's one gameplay, made once at start-up and reused for every level
// of every pack. It reads the level file into its layout, drives the solving process with the
// player's drags, keeps the level's result (time, errors, hints, currency), flies hints and
// bonus coins, decides the level once (won or lost) and leads on to the result window, the
// questions of a lost level, a restart or the level list.
class GG_GAMEPLAY : public ZOR_GF::G_GAMEPLAY
{
public:
    GG_GAMEPLAY();
    ~GG_GAMEPLAY() override;
    GG_GAMEPLAY(const GG_GAMEPLAY&) = delete;
    GG_GAMEPLAY& operator=(const GG_GAMEPLAY&) = delete;

    // ---- the gameplay interface
    // The pack's path, one blank and the level's file. False, with the reason in
    // fGetStartError, when the level cannot be played; nothing is started then.
    bool fStartLevel(const std::string& levelFile) override;
    bool fEndLevel() override;
    void fUpdate() override;
    void fDraw() override;
    void fOnKeyUp(int key) override;
    // -109 a drag began on a cell, -1 no cell under the pointer, 0 otherwise.
    int fOnKeyDown(int key) override;
    void fOnMouseMove() override;
    void fOnStoreEvent(const std::string& event, const std::string& item) override;
    void fSpareHook() override {}
    void fPause() override;
    void fResume() override;
    void fRestart() override;
    void fLoadResources() override;
    void fUnloadResources() override;

    // ---- set-up
    bool fLoadSettings();
    bool fLoadEffects();
    void fSetMistakeLimit(int limit);
    void fLoadEffectResources();
    void fUnloadEffectResources();
    // Why the last start was refused; empty after a successful start.
    const std::string& fGetStartError() const { return startError; }
    // A level that cannot be played: the reason is logged and shown to the player (the
    // caller of the start leads back to the level list).
    void fReportRefusal(const std::string& reason);

    // ---- moves
    void fUpdateHoverCell();
    void fOnHoverChanged();
    void fUpdateSelectionLine();
    void fCancelSelection();
    void fDrawSelection();

    // ---- judging hooks (virtual so that a stand-in can hear them)
    // A cell judged right, already solved; its clues are crossed after this returns.
    virtual void fOnCorrectCell(GG_ELEMENT* cell);
    // A cell judged wrong: it opened all the same and shows its truth.
    virtual void fOnMistake(GG_ELEMENT* cell);
    // Once after every judged line.
    virtual void fCheckWin();
    // The first decision stands: won or lost once per level.
    void fEndOnce(bool won);

    // ---- currency, hints and delegates
    void fSpawnBonusEffect(GG_ELEMENT* cell);
    void fOnBonusAppeared(GG_EFFECT_BONUS* effect);
    void fOnBonusArrived(GG_EFFECT_BONUS* effect);
    void fOnBonusFinished(GG_EFFECT_BONUS* effect);
    void fUseHint();
    void fOnHintArrived(GG_ELEMENT* cell);
    void fDrawEffects();
    bool fCanRefillHints() const;
    void fAddControlDelegate(cControlDelegate* delegate);

    // ---- win, loss and second chance
    void fOnLevelWon();
    int fShowFinishWhenIdle();
    int fRestoreMusicVolume();
    void fOnLevelLost();
    bool fOfferSecondChance();
    void fGrantSecondChance();
    void fOnSecondChanceAnswer(int answer);
    void fOnSecondChanceBuyAnswer(int answer);
    void fOnRestartFinishAnswer(bool yes);
    void fOnRestartNoHealthAnswer(bool yes);
    void fLeaveLevel(bool restart, bool toShop);
    void fLeaveLevelToLevelList();
    void fLeaveLevelToShop();
    // Both ends of a leave: back to the pack's level list, the shop over it when asked.
    void fLeaveLevelToList(bool showShop);

    // ---- what the game object, the windows, the shop and the tutorial read or set
    GG_PROCESS& fGetProcess() { return process; }
    const GG_PROCESS& fGetProcess() const { return process; }
    GG_AMBIENT* fGetAmbient() const { return ambient.get(); }
    GG_CONTROL_PANEL* fGetControlPanel() const { return controls.get(); }
    GG_LEVEL_RESULT& fGetResult() { return result; }
    const GG_LEVEL_RESULT& fGetResult() const { return result; }
    GG_LEVEL_SETTINGS& fGetSettings() { return settings; }
    // The running level's id, -1 without a started level.
    int32_t fGetLevelId() const;
    // The share of open picture cells, 0..1.
    float fGetProgress() const { return process.fGetProgress(); }
    // The game object's controls: the grid's cells, then the hint, tool, store and reset controls.
    void fSetControlsBlocked(bool cells, bool hint, bool tool, bool store, bool reset);
    const std::string& fGetLevelFile() const { return levelFile; }
    bool fIsBusy() const { return busy; }
    bool fIsLevelEnded() const { return levelEnded; }
    bool fIsDragging() const { return dragging; }
    int fGetMode() const { return mode; }
    ZOR::ZS_POINT fGetHoverCell() const { return ZOR::ZS_POINT(hoverRow, hoverColumn); }
    ZOR::ZS_POINT fGetStartCell() const { return ZOR::ZS_POINT(startRow, startColumn); }
    const std::vector<GG_ELEMENT*>& fGetSelectionLine() const { return selectionLine; }
    int fGetErrorLimit() const { return errorLimit; }
    unsigned fGetMaxHints() const { return maxHints; }
    int fGetOneCellAmount() const { return oneCellAmount; }
    int fGetBonusAmount() const { return bonusAmount; }
    float fGetSweepSpeed() const { return sweepSpeed; }
    size_t fGetRunningEffects() const { return effects.fGetCount(); }
    size_t fGetRunningBonusEffects() const { return bonusEffects.size(); }
    size_t fGetRunningTimers() const { return timers.fGetCount(); }
    GG_PLAYER* fGetPlayer() const { return player; }
    GG_LEVEL* fGetLevel() const { return level; }
    GG_PACK* fGetPack() const { return pack; }

    // The hint flight's vertical offsets of its two control points and its speed ("hint_fly").
    int hintDeflection1 = 0;
    int hintDeflection2 = 0;
    float hintSpeed = 0.0f;

private:
    // One set of cell skins drawn for cells of about that many pixels.
    struct ZS_SKIN
    {
        int size = 0;
        ZOR_GF::G_ANIMATION yes;
        ZOR_GF::G_ANIMATION no;
        ZOR_GF::G_SPRITE locked;
    };

    bool fRefuse(const std::string& file, const std::string& reason, pugi::xml_document* document);
    bool fReadLevelSettings(pugi::xml_node element);
    void fReadSkin(pugi::xml_node element, ZS_SKIN& skin, bool base);
    void fChooseSkin();
    void fSizeSkinsToCell();
    void fShowHints();
    void fDropEffects();
    void fResetDrag();
    // Finds the question as a confirm window and shows it once the error panel has placed
    // its pending icons; busy until it is answered. False when the window is not declared.
    bool fAsk(const char* window, void (*answer)(void*, bool), void (*result)(void*, int));
    bool fPlayerHasHearts() const;
    // The trophy's value fed; a trophy reached is awarded by the game object.
    void fFeedTrophy(const std::string& trophy, const ZOR_GF::G_TROPHY_VALUE& value);

    int errorLimit = 6;
    unsigned maxHints = 4;
    int oneCellAmount = 0;
    int bonusAmount = 0;
    int mode = 1;
    bool busy = false;
    GG_PACK* pack = nullptr;
    GG_LEVEL* level = nullptr;
    GG_PLAYER* player = nullptr;
    std::string levelFile;
    ZOR::ZS_CALLBACK* finishCheck = nullptr;
    ZOR::ZS_CALLBACK* musicRestore = nullptr;
    GG_LEVEL_RESULT result;
    GG_LEVEL_SETTINGS settings;
    ZOR::ZC_BOT_CONTAINER timers;
    ZOR_GF::gEffects effects;
    GG_PROCESS process;
    std::unique_ptr<GG_AMBIENT> ambient;
    std::unique_ptr<GG_CONTROL_PANEL> controls;
    std::vector<GG_ELEMENT*> selectionLine;
    ZOR::ZC_FONT* selectionFont = nullptr;
    ZOR_GF::G_SPRITE background;
    bool hoverValid = false;
    bool dragging = false;
    bool levelEnded = false;
    int startRow = -1;
    int startColumn = -1;
    int hoverRow = -1;
    int hoverColumn = -1;
    ZOR_GF::G_ANIMATION hintSprite;
    ZOR_GF::G_PARTICLES hintBurst;
    ZOR_GF::G_PARTICLES hintTrail;
    ZOR_GF::G_ANIMATION winAnimation;
    float sweepSpeed = 1.5f;
    GG_EFFECT_BONUS bonusTemplate;
    std::vector<GG_EFFECT_BONUS*> bonusEffects;

    // Where the hint sprite stood when the first hint flew; every hint starts there.
    ZOR::ZS_VECTOR2 hintStart;
    bool hintStartTaken = false;
    // The cell skins of every size the effects file offers, smallest first; the level's
    // cell size picks one into the settings.
    std::vector<std::unique_ptr<ZS_SKIN>> skins;
    std::string startError;
    // The music was lowered for the win jingle and not yet restored.
    bool musicLowered = false;
};
}
