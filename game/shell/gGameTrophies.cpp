// The game object: trophies, purchases and saving.
#include <string>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/store/ZC_INAPP.h"
#include "framework/G_GAMEPLAY.h"
#include "framework/G_LEADERBOARDS.h"
#include "framework/G_STORE_ITEMS.h"
#include "framework/G_TROPHIES.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/GG_WINDOW_TROPHY_GET.h"
#include "game/shell/gGame.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const kTrophyPopup = "Trophy_Get";
const char* const kAllTrophies = "tr_all_trophy";

bool fAchieved(const G_TROPHIES* trophies, const char* name)
{
    return trophies && trophies->fIsAchieved(name);
}
}

void fCallGameplayPause(void* screen)
{
    if (screen)
        static_cast<G_GAMEPLAY*>(screen)->fPause();
}

void fCallGameplayResume(void* screen)
{
    if (screen)
        static_cast<G_GAMEPLAY*>(screen)->fResume();
}

void gGame::fRecomputeTrophies(GG_PLAYER* player)
{
    G_TROPHIES* trophies = fGetTrophies();
    if (!player || !trophies)
        return;
    trophies->fResetAll();
    for (size_t i = 0; i < packDescriptions.size(); ++i)
    {
        // A profile always copies every pack of the template; a missing one counts as not begun.
        const GG_PACK* pack = player->fGetPack(int32_t(i));
        const float completion = pack ? pack->fGetCompletion() : 0.0f;
        trophies->fUpdateTrophy("tr_pack_" + std::to_string(i + 1), G_TROPHY_VALUE::fFromFloat("", completion));
    }
    const GG_STATISTIC& s = player->statistic;
    const int32_t threeStars = player->fCountThreeStarLevels();
    trophies->fUpdateTrophy("pc_tr_without_hint", G_TROPHY_VALUE::fFromInt("", int32_t(s.withoutHintMax)));
    trophies->fUpdateTrophy("tr_without_error", G_TROPHY_VALUE::fFromInt("", int32_t(s.withoutErrorMax)));
    trophies->fUpdateTrophy("m_tr_without_error", G_TROPHY_VALUE::fFromInt("", int32_t(s.withoutErrorMax)));
    trophies->fUpdateTrophy("pc_tr_hint_use", G_TROPHY_VALUE::fFromInt("", int32_t(s.hintUse)));
    trophies->fUpdateTrophy("m_tr_time", G_TROPHY_VALUE::fFromFloat("", s.minLevelTime));
    trophies->fUpdateTrophy("m_tr_lifes", G_TROPHY_VALUE::fFromInt("", player->fGetItemCount("health")));
    for (const char* name : {"tr_stars_1", "tr_stars_2", "tr_stars_3"})
        trophies->fUpdateTrophy(name, G_TROPHY_VALUE::fFromInt("", threeStars));
    for (const char* name : {"tr_bronze_coin", "tr_silver_coin", "tr_gold_coin"})
        trophies->fUpdateTrophy(name, G_TROPHY_VALUE::fFromInt("", int32_t(s.maxScore)));
    trophies->fUpdateTrophy(kAllTrophies, G_TROPHY_VALUE::fFromBool("", fAreAllTrophiesEarned()));
}

bool gGame::fAreAllTrophiesEarned() const
{
    const G_TROPHIES* trophies = fGetTrophies();
    for (size_t n = 1; n <= packDescriptions.size(); ++n)
        if (!fAchieved(trophies, ("tr_pack_" + std::to_string(n)).c_str()))
            return false;
    static const char* const kDesktop[] = {"pc_tr_without_hint", "tr_without_error", "pc_tr_hint_use",
                                           "tr_stars_1", "tr_stars_2", "tr_stars_3"};
    static const char* const kMobile[] = {"m_tr_without_error", "m_tr_lifes", "m_tr_time",
                                          "tr_stars_1", "tr_stars_2", "tr_stars_3"};
    for (const char* name : fIsMobilePlatform() ? kMobile : kDesktop)
        if (!fAchieved(trophies, name))
            return false;
    return true;
}

void gGame::fAwardTrophy(G_TROPHY* trophy)
{
    if (!trophy)
        return;
    if (currentPlayer)
    {
        currentPlayer->statistic.fAddScore(uint32_t(trophy->fGetBonus()));
        fReportScores();
    }
    trophyQueue.push_front(trophy);
    G_TROPHIES* trophies = fGetTrophies();
    G_TROPHY* all = trophies ? trophies->fFindTrophy(kAllTrophies) : nullptr;
    if (all && all != trophy && !all->fIsAchieved() &&
        trophies->fUpdateTrophy(kAllTrophies, G_TROPHY_VALUE::fFromBool("", fAreAllTrophiesEarned())))
        fAwardTrophy(all);
}

void gGame::fReportScores()
{
    // No leaderboard service exists here: the ids are looked up and nothing is sent.
    const G_LEADERBOARDS* boards = fGetLeaderboards();
    if (!currentPlayer || !boards)
        return;
    boards->fGetLeaderboardId("Score");
    boards->fGetLeaderboardId("Stars");
    currentPlayer->fGetTotalStars();
}

void gGame::fUpdateTrophyPopup()
{
    if (popupDelay > 0.0f)
    {
        popupDelay -= zcFRAME_DELTA;
        return;
    }
    if (trophyQueue.empty() || !windows || windows->fIsWindowOpen(kTrophyPopup))
        return;
    // A window of that name of another class cannot show a trophy: the queue keeps them.
    GG_WINDOW_TROPHY_GET* popup = dynamic_cast<GG_WINDOW_TROPHY_GET*>(windows->fFindWindow(kTrophyPopup));
    if (!popup)
        return;
    if (gameplay && !gameplay->paused)
    {
        popup->fSetEventCallback(WE_SHOW_BEGIN, gameplay, fCallGameplayPause);
        popup->fSetEventCallback(WE_HIDDEN, gameplay, fCallGameplayResume);
    }
    windows->fShowWindow(kTrophyPopup, false);
    popup->fSetTrophy(trophyQueue.back());
    trophyQueue.pop_back();
}

void gGame::fOnProviderEvent()
{
    fGetInApp()->fProviderRequest();
}

void gGame::fOnPurchaseBegin()
{
    fShowPurchaseAnimation();
    if (fGetPlatformId() == 1 && zcGAME)
        zcGAME->fSetDisplayMode(1024, 768, false, true);
}

void gGame::fOnPurchaseEnd(ZS_PRODUCT* product, bool success)
{
    fHidePurchaseAnimation();
    if (product && !success && product->name == "second_chance")
        fOfferSecondChance();
    if (fGetPlatformId() == 1 && zcGAME)
        zcGAME->fSetDisplayMode(1024, 768, fIsFullScreen(), true);
}

void gGame::fOnProductPurchased(ZS_PRODUCT* product)
{
    if (!currentPlayer || !product)
        return;
    const std::string& name = product->name;
    GG_HEALTH& health = currentPlayer->fGetHealth();
    auto refillHearts = [&health]() {
        health.stamps.clear();
        while (health.fRefillHeart())
        {
        }
    };
    if (name.compare(0, 4, "pack") == 0)
        for (GG_PACK* pack : currentPlayer->fGetPacksByInAppKey(name))
            pack->fUnlock();
    if (name.compare(0, 6, "health") == 0)
    {
        if (G_STORE_ITEM* item = fFindStoreItem("health"))
        {
            currentPlayer->fSetItemCount("health", item->value);
            refillHearts();
            fSendStoreEvent("buy", "health");
            G_TROPHIES* trophies = fGetTrophies();
            if (trophies && trophies->fUpdateTrophy("m_tr_lifes",
                                                    G_TROPHY_VALUE::fFromInt("", currentPlayer->fGetItemCount("health"))))
                fAwardTrophy(trophies->fFindTrophy("m_tr_lifes"));
        }
    }
    if (name.compare(0, 6, "errors") == 0)
    {
        if (G_STORE_ITEM* item = fFindStoreItem("errors"))
        {
            currentPlayer->fSetItemCount("errors", item->value);
            fSendStoreEvent("buy", "errors");
        }
    }
    if (name == "refill_health")
        refillHearts();
    if (name == "second_chance")
    {
        fGrantSecondChance();
        health.fRefillHeart();
    }
    if (windows)
        windows->fRefreshAll();
    fSave();
}

bool gGame::fLoadPurchaseAnimation()
{
    if (!fIsInAppEnabled())
        return true;
    pugi::xml_document* document = zcREPOSITORY ? zcREPOSITORY->fGetXml("data data.xml") : nullptr;
    if (!document)
        return false;
    pugi::xml_node purchase = document->document_element().child("purchase");
    if (!purchase)
    {
        zcREPOSITORY->fReleaseXml(document);
        return false;
    }
    purchaseAnimation.fLoadXml(purchase.child("animation"));
    purchaseBackground.fLoadXml(purchase.child("background"));
    purchaseAnimation.fLoadTexture();
    purchaseBackground.fLoadTexture();
    zcREPOSITORY->fReleaseXml(document);
    return true;
}

void gGame::fShowPurchaseAnimation()
{
    purchasing = true;
    purchaseAnimation.fSetFrame(0);
    purchaseAnimation.fStart(0.0f);
}

void gGame::fHidePurchaseAnimation()
{
    purchasing = false;
    purchaseAnimation.fStop();
}

G_STORE_ITEM* gGame::fFindStoreItem(const std::string& item) const
{
    if (!currentPlayer || !storeItems)
        return nullptr;
    return storeItems->fFindItem(item, currentPlayer->fGetItemCount(item));
}

bool gGame::fSave()
{
    const std::string folder = fGetSaveFolder();
    if (folder.empty())
        return false;
    bool saved = players ? players->fSave(folder) : false;
    saved = fWriteUserConfig() && saved;
    return saved;
}
}
