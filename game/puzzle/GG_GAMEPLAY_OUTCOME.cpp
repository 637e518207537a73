// The level screen's outcome: a won level sweeps, pays, unlocks, feeds the trophies, saves
// and shows the result window; a lost one takes a heart and asks what next (a second chance,
// a restart, or more hearts); leaving goes through the fade to the level list or the shop.
#include "engine/bots/ZC_BOT_SLEEP.h"
#include "engine/soundbanks/ZC_SOUND_MANAGER.h"
#include "engine/store/ZC_INAPP.h"
#include "framework/G_TROPHIES.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_AMBIENT.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_PACK_DESC.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/GG_WINDOW_FINISH.h"
#include "game/shell/gGame.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const kFinishWindow = "GP_Finish";
const char* const kSecondChance = "Confirm_SecondChance";
const char* const kSecondChanceBuy = "Confirm_SecondChanceBuy";
const char* const kRestartFinish = "Confirm_Restart_Finish";
const char* const kRestartNoHealth = "Confirm_Restart_NoHealth";
const char* const kFade = "Fade_Transition";
const float kFinishRecheck = 0.12f;

void fCallOnSecondChanceAnswer(void* screen, int answer)
{
    static_cast<GG_GAMEPLAY*>(screen)->fOnSecondChanceAnswer(answer);
}

void fCallOnSecondChanceBuyAnswer(void* screen, int answer)
{
    static_cast<GG_GAMEPLAY*>(screen)->fOnSecondChanceBuyAnswer(answer);
}

void fCallOnRestartFinishAnswer(void* screen, bool yes)
{
    static_cast<GG_GAMEPLAY*>(screen)->fOnRestartFinishAnswer(yes);
}

void fCallOnRestartNoHealthAnswer(void* screen, bool yes)
{
    static_cast<GG_GAMEPLAY*>(screen)->fOnRestartNoHealthAnswer(yes);
}

void fCallLeaveLevelToLevelList(void* screen)
{
    static_cast<GG_GAMEPLAY*>(screen)->fLeaveLevelToLevelList();
}

void fCallLeaveLevelToShop(void* screen)
{
    static_cast<GG_GAMEPLAY*>(screen)->fLeaveLevelToShop();
}

// The game object's pause stub takes the gameplay interface.
void* fAsGameplay(GG_GAMEPLAY* screen)
{
    return static_cast<G_GAMEPLAY*>(screen);
}
}

// ---------------------------------------------------------------- win

void GG_GAMEPLAY::fOnLevelWon()
{
    busy = true;
    gGame* game = fGetGameInstance();
    const float sweep = process.fStartWinSweep(sweepSpeed, finishCheck);
    if (game)
        game->fSetPopupDelay(sweep * 0.95f);
    ZC_SOUND_MANAGER* sounds = fGetSoundManager();
    if (sounds && player)
    {
        // The jingle over quieter music, until the jingle has played.
        sounds->fSetGroupVolume("music", player->fGetMusicVolume() * 0.5f);
        musicLowered = true;
    }
    if (game)
        game->fPlaySound("levelwin");
    const float jingle = sounds ? sounds->fGetSoundLength("sounds", "levelwin") : 0.0f;
    timers.fAdd(fCreateBotSleep(nullptr, musicRestore, jingle, 0.0f));

    if (player)
    {
        player->statistic.fOnLevelWon(uint32_t(result.hintsUsed), uint32_t(result.errors), uint32_t(result.score),
                                      result.time);
        // Stars by errors (the better of old and new stays), best time, and what the win
        // opens: a missing next level or pack is skipped.
        player->fRecordWin(result.packId, result.levelId, result.errors, result.time);
    }
    if (pack)
        fFeedTrophy("tr_pack_" + std::to_string(result.packId + 1),
                    G_TROPHY_VALUE::fFromFloat("", pack->fGetCompletion()));

    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (auto* finish = dynamic_cast<GG_WINDOW_FINISH*>(windows ? windows->fFindWindow(kFinishWindow) : nullptr))
    {
        finish->fSetEventCallback(WE_SHOWN, fAsGameplay(this), fCallGameplayPause);
        finish->fShowResult(&result);
    }

    if (player)
    {
        const GG_STATISTIC& s = player->statistic;
        const int32_t threeStars = player->fCountThreeStarLevels();
        fFeedTrophy("pc_tr_without_hint", G_TROPHY_VALUE::fFromUInt("", s.withoutHintMax));
        fFeedTrophy("tr_without_error", G_TROPHY_VALUE::fFromUInt("", s.withoutErrorMax));
        fFeedTrophy("m_tr_without_error", G_TROPHY_VALUE::fFromUInt("", s.withoutErrorMax));
        fFeedTrophy("m_tr_time", G_TROPHY_VALUE::fFromFloat("", s.minLevelTime));
        for (const char* name : {"tr_stars_1", "tr_stars_2", "tr_stars_3"})
            fFeedTrophy(name, G_TROPHY_VALUE::fFromInt("", threeStars));
        for (const char* name : {"tr_bronze_coin", "tr_silver_coin", "tr_gold_coin"})
            fFeedTrophy(name, G_TROPHY_VALUE::fFromUInt("", s.maxScore));
    }
    if (game)
    {
        game->fReportScores();
        game->fSave();
    }
}

int GG_GAMEPLAY::fShowFinishWhenIdle()
{
    // After the sweep and after the last flying hint or coin.
    if (effects.fGetCount() == 0)
    {
        if (G_WINDOW_MANAGER* windows = fGetWindowManager())
            windows->fShowWindow(kFinishWindow, false);
    }
    else
        timers.fAdd(fCreateBotSleep(nullptr, finishCheck, kFinishRecheck, 0.0f));
    return 0;
}

int GG_GAMEPLAY::fRestoreMusicVolume()
{
    musicLowered = false;
    const gPlayers* players = fGetPlayers();
    const GG_PLAYER* current = players ? players->fGetCurrentPlayer() : nullptr;
    ZC_SOUND_MANAGER* sounds = fGetSoundManager();
    if (current && sounds)
        sounds->fSetGroupVolume("music", current->fGetMusicVolume());
    return 1;
}

// ---------------------------------------------------------------- loss

bool GG_GAMEPLAY::fPlayerHasHearts() const
{
    return player && player->fGetHealth().count > 0;
}

void GG_GAMEPLAY::fOnLevelLost()
{
    gGame* game = fGetGameInstance();
    if (game)
        game->fPlaySound("levelloose");
    if (player)
        player->statistic.fOnLevelLost();
    if (game)
        game->fLoseHeart();
    if (fOfferSecondChance())
        return;
    if (fPlayerHasHearts())
        fAsk(kRestartFinish, fCallOnRestartFinishAnswer, nullptr);
    else
        fAsk(kRestartNoHealth, fCallOnRestartNoHealthAnswer, nullptr);
}

bool GG_GAMEPLAY::fAsk(const char* name, void (*answer)(void*, bool), void (*resultFunction)(void*, int))
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    auto* question = dynamic_cast<G_WINDOW_CONFIRM*>(windows ? windows->fFindWindow(name) : nullptr);
    if (!question)
        return false;
    if (answer)
        question->fSetAnswerCallback(this, answer);
    if (resultFunction)
        question->fSetResultCallback(this, resultFunction);
    question->fSetEventCallback(WE_SHOWN, fAsGameplay(this), fCallGameplayPause);
    // After the last error icon has been placed.
    question->fSetDelay(true, ambient->fGetErrorPanel().fGetPendingTime());
    busy = true;
    windows->fShowWindow(name, false);
    return true;
}

bool GG_GAMEPLAY::fOfferSecondChance()
{
    if (!level)
        return false;
    return fAsk(kSecondChance, nullptr, fCallOnSecondChanceAnswer);
}

void GG_GAMEPLAY::fOnSecondChanceAnswer(int answer)
{
    switch (answer)
    {
    case 1:
        if (fPlayerHasHearts())
            fLeaveLevel(true, false);
        else
            fAsk(kRestartNoHealth, fCallOnRestartNoHealthAnswer, nullptr);
        break;
    case -1:
        if (G_WINDOW_MANAGER* windows = fGetWindowManager())
            if (auto* buy = dynamic_cast<G_WINDOW_CONFIRM*>(windows->fShowWindow(kSecondChanceBuy, false)))
                buy->fSetResultCallback(this, fCallOnSecondChanceBuyAnswer);
        break;
    case 0:
        fLeaveLevel(false, false);
        break;
    default:
        break;
    }
}

void GG_GAMEPLAY::fOnSecondChanceBuyAnswer(int answer)
{
    // The game object grants the second chance once a purchase completes; without a store
    // provider none ever does, and the player is asked again.
    if (answer == 1 && fGetInApp()->fPurchase(ITEM_SECOND_CHANCE))
        return;
    fOfferSecondChance();
}

void GG_GAMEPLAY::fOnRestartFinishAnswer(bool yes)
{
    fLeaveLevel(yes, false);
}

void GG_GAMEPLAY::fOnRestartNoHealthAnswer(bool yes)
{
    fLeaveLevel(false, yes);
}

void GG_GAMEPLAY::fGrantSecondChance()
{
    busy = false;
    levelEnded = false;
    ambient->fResetErrors();
    fResume();
    result.errors = 0;
}

// ---------------------------------------------------------------- leaving

void GG_GAMEPLAY::fLeaveLevel(bool restart, bool toShop)
{
    gGame* game = fGetGameInstance();
    if (restart)
    {
        if (game)
            game->fRestartLevel();
        return;
    }
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    G_WINDOW* fade = windows ? windows->fShowWindow(kFade, false) : nullptr;
    if (!fade && windows)
        fade = windows->fFindWindow(kFade);
    if (!fade)
    {
        // Without the fade the level is left at once.
        fLeaveLevelToLevelList();
        return;
    }
    fade->fSetEventCallback(WE_SHOWN, this,
                            fIsInAppEnabled() && toShop ? fCallLeaveLevelToShop : fCallLeaveLevelToLevelList);
}

void GG_GAMEPLAY::fLeaveLevelToLevelList()
{
    fLeaveLevelToList(false);
}

void GG_GAMEPLAY::fLeaveLevelToShop()
{
    fLeaveLevelToList(true);
}

void GG_GAMEPLAY::fLeaveLevelToList(bool showShop)
{
    gGame* game = fGetGameInstance();
    if (!game)
        return;
    const GG_PACK_DESC* desc = game->fGetCurrentPack();
    game->fEndLevel();
    game->fUnloadGameplay();
    game->fShowLevelsScene(desc ? desc->fGetId() : 0, true);
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (!windows)
        return;
    if (showShop)
        windows->fShowWindow("Shop", false);
    if (G_WINDOW* fade = windows->fHideWindow(kFade, false))
        fade->fSetEventCallback(WE_SHOWN, nullptr, nullptr);
}
}
