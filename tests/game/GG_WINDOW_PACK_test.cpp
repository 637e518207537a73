// The pack list of the default data set in the real game: cards open and closed as a player
// sees them, its arrows and cards answering clicks, packs bought with sunime, and a layout that
// lacks parts still opening.
#include "ZT_SCRIPTED_GAME.h"

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "game/puzzle/GG_PACK_DESC.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_WINDOW_LEVEL.h"
#include "game/shell/GG_WINDOW_PACK.h"

using namespace ZT_SCRIPTED;
using namespace ZOR;
using namespace ZOR_GF;
using namespace game;

namespace
{
// Where the shipped layout puts things: the window's middle at (512, 400), the four cards of
// 240 x 300 on one page with 8 between them, the arrows 448 to either side.
const int kCardX[4] = {140, 388, 636, 884};
const int kCardY = 400;
const int kPrevX = 64, kNextX = 960, kArrowY = 400;
// The question's buttons on the dialog in the middle of the screen.
const int kYesX = 512 - 110, kNoX = 512 + 110, kAnswerY = 384 + 72;

GG_WINDOW_PACK* fPacks()
{
    return dynamic_cast<GG_WINDOW_PACK*>(fGetWindowManager()->fFindWindow("Packs"));
}

// A new player, made current, on the pack list.
void fPacksForNewPlayer(ZT_SCRIPT& script, const wchar_t* name = L"Ada")
{
    script.fDo("a player on the pack list", [name]() {
        gGame* game = fGetGameInstance();
        game->fSetPlayer(game->fCreatePlayer(name));
        game->fHideTitleScene();
        game->fShowPacksScene();
    });
    script.fUntilAtRest("Packs");
}

// A band of a card between its title and its stars: paper while open, the veil while closed.
// (A card shows 224 x 280 of its 240 x 300 picture.)
double fPaperBelow(const ZT_FRAME& f, int card)
{
    return f.fShare(kCardX[card] - 100, kCardY + 58, kCardX[card] + 100, kCardY + 68, fIsPaper);
}
double fVeilBelow(const ZT_FRAME& f, int card)
{
    return f.fShare(kCardX[card] - 100, kCardY + 58, kCardX[card] + 100, kCardY + 68, fIsVeil);
}
// The gold frame of the pack to play next, along the card's left edge.
bool fIsFrameGold(uint32_t c)
{
    return fRed(c) > 200 && fGreen(c) > 140 && fRed(c) - fBlue(c) > 70;
}
double fGoldFrame(const ZT_FRAME& f, int card)
{
    return f.fShare(kCardX[card] - 112, kCardY - 100, kCardX[card] - 106, kCardY + 100, fIsFrameGold);
}
bool fTeal(uint32_t c)
{
    return fGreen(c) > fRed(c) + 40 && fBlue(c) > fRed(c) + 30;
}

class PackList : public ZT_SCRIPTED_TEST
{
};
}

TEST_F(PackList, CardsShowOpenAndClosedPacksAndAnswerAsTheyShould)
{
    ZT_SCRIPT script;
    fPacksForNewPlayer(script);
    script.fLook("a new player's packs", [](const ZT_FRAME& f) {
        f.fSave("packs_new_player");
        EXPECT_GT(fPaperBelow(f, 0), 0.9) << "the first pack is open";
        EXPECT_GT(fVeilBelow(f, 1), 0.9) << "the second is closed";
        EXPECT_GT(fVeilBelow(f, 2), 0.9);
        EXPECT_GT(fGoldFrame(f, 0), 0.6) << "the last open pack before the first closed one is the next";
        EXPECT_LT(fGoldFrame(f, 1), 0.1);
        EXPECT_GT(fVeilBelow(f, 3), 0.9);
        // One page: no arrows at all.
        for (int x : {kPrevX, kNextX})
            EXPECT_EQ(0.0, f.fShare(x - 20, kArrowY - 30, x + 20, kArrowY + 20, fTeal)) << x;
        // The stars earned and the stars that open a pack, as the cards read them.
        gPages_Pack* list = fPacks()->fGetList();
        auto label = [&](size_t entry, int id) {
            return static_cast<ZC_GUI_WLABEL*>(list->fGetEntry(entry)->fGetGui()->fFindById(id))->fGetText();
        };
        EXPECT_EQ(L"0/48", label(0, gPackItem::ID_PROGRESS));
        EXPECT_EQ(L"24", label(1, gPackItem::ID_STARS_NEEDED));
        EXPECT_EQ(L"48", label(2, gPackItem::ID_STARS_NEEDED));
        EXPECT_EQ(L"72", label(3, gPackItem::ID_STARS_NEEDED));
        EXPECT_EQ(4u, list->fGetItemCount());
        EXPECT_EQ(1, list->fGetPageCount());
        for (int id : {GG_LIST_SCREEN::ID_PREVIOUS, GG_LIST_SCREEN::ID_NEXT})
            EXPECT_FALSE(fPacks()->fGetGui()->fFindById(id)->fIsVisible()) << "arrow " << id;
    });

    // The Right key turns nothing on a single page.
    script.fKey(SDLK_RIGHT).fWait(10).fDo("no turn", []() {
        EXPECT_EQ(0, fPacks()->fGetList()->fGetCurrentPage());
        EXPECT_FALSE(fPacks()->fGetList()->fIsTurning());
    });

    // A closed pack asks to be bought for its price; "not now" charges nothing.
    script.fClick(kCardX[1], kCardY).fUntilAtRest("Confirm_Buy_Pack").fDo("the price asked", []() {
        auto* question = dynamic_cast<G_WINDOW_CONFIRM*>(fGetWindowManager()->fFindWindow("Confirm_Buy_Pack"));
        ASSERT_NE(nullptr, question);
        EXPECT_EQ(L"or right now for 400 sunime.", question->fGetTextLabel()->fGetText());
        fCurrentPlayer()->statistic.fAddScore(400);
    });
    script.fClick(kNoX, kAnswerY).fUntil("the question gone", []() { return !fOpen("Confirm_Buy_Pack"); });
    script.fDo("nothing bought", []() {
        EXPECT_EQ(400u, fCurrentPlayer()->statistic.score);
        EXPECT_FALSE(fCurrentPlayer()->fIsPackOpen(1));
    });

    // Bought with exactly the price: the pack opens, the sunime go, the player is saved.
    script.fClick(kCardX[1], kCardY).fUntilAtRest("Confirm_Buy_Pack");
    script.fDo("no save yet", []() { fs::remove(fSaveFolder() / "players.save"); });
    script.fClick(kYesX, kAnswerY).fUntil("the question gone", []() { return !fOpen("Confirm_Buy_Pack"); });
    script.fUntilAtRest("Packs").fLook("the bought pack", [](const ZT_FRAME& f) {
        f.fSave("packs_bought");
        EXPECT_TRUE(fCurrentPlayer()->fIsPackOpen(1));
        EXPECT_EQ(0u, fCurrentPlayer()->statistic.score);
        EXPECT_EQ(400u, fCurrentPlayer()->statistic.maxScore) << "paying leaves the best score";
        EXPECT_GT(fPaperBelow(f, 1), 0.9) << "its card shows it open at once";
        EXPECT_GT(fGoldFrame(f, 1), 0.6) << "and it is the next pack now";
        EXPECT_LT(fGoldFrame(f, 0), 0.1);
        gPlayers saved;
        ASSERT_TRUE(saved.fLoad(fSaveFolder().string() + "/"));
        ASSERT_NE(nullptr, saved.fFindPlayer(L"Ada"));
        EXPECT_TRUE(saved.fFindPlayer(L"Ada")->fIsPackOpen(1)) << "the purchase is saved";
        EXPECT_EQ(0u, saved.fFindPlayer(L"Ada")->statistic.score);
    });
    // A bought pack stays open when a later win recounts the stars that open packs.
    script.fDo("a win in the first pack", []() {
        ASSERT_TRUE(fCurrentPlayer()->fRecordWin(0, 0, 0, 20.0f));
        EXPECT_TRUE(fCurrentPlayer()->fIsPackOpen(1));
        EXPECT_TRUE(fCurrentPlayer()->fGetLevel(1, 0)->fIsOpen());
    });

    // Too few sunime: the player is told, and nothing is taken.
    script.fDo("some sunime", []() { fCurrentPlayer()->statistic.score = 799; });
    script.fClick(kCardX[2], kCardY).fUntilAtRest("Confirm_Buy_Pack");
    script.fClick(kYesX, kAnswerY).fUntilAtRest("Confirm_NoMoney").fDo("nothing taken", []() {
        EXPECT_EQ(799u, fCurrentPlayer()->statistic.score);
        EXPECT_FALSE(fCurrentPlayer()->fIsPackOpen(2));
    });
    script.fClick(512, kAnswerY).fUntil("told", []() { return !fOpen("Confirm_NoMoney"); });

    // An open pack shows its levels, with the right button as with the left.
    script.fClick(kCardX[1], kCardY, SDL_BUTTON_RIGHT).fUntilAtRest("Levels").fDo("the levels of the pack", []() {
        EXPECT_FALSE(fOpen("Packs"));
        EXPECT_TRUE(fOpen("Level_Title"));
        EXPECT_FALSE(fOpen("Pack_Title"));
        auto* levels = dynamic_cast<GG_WINDOW_LEVEL*>(fGetWindowManager()->fFindWindow("Levels"));
        ASSERT_NE(nullptr, levels);
        EXPECT_EQ(1, levels->fGetList()->fGetPackId());
        EXPECT_EQ(1, fGetGameInstance()->fGetCurrentPack()->fGetId());
    });
    EXPECT_EQ(100500, script.fRun());
    EXPECT_TRUE(script.fFinished()) << "stuck at: " << script.fStuckAt();
}

TEST_F(PackList, APackThePlayerLacksIsNeverCharged)
{
    ZT_SCRIPT script;
    script.fDo("a player whose record lacks the second pack", []() {
        gGame* game = fGetGameInstance();
        GG_PLAYER* player = fPlayerLackingPack(L"Bo", "1");
        ASSERT_TRUE(fGetPlayers()->fAddPlayer(player));
        player->statistic.score = 5000;
        game->fSetPlayer(player);
        game->fHideTitleScene();
        game->fShowPacksScene();
    });
    script.fUntilAtRest("Packs").fClick(kCardX[1], kCardY).fUntilAtRest("Confirm_Buy_Pack");
    script.fClick(kYesX, kAnswerY).fUntil("the question gone", []() { return !fOpen("Confirm_Buy_Pack"); });
    script.fWait(5).fDo("nothing charged", []() {
        EXPECT_EQ(5000u, fCurrentPlayer()->statistic.score);
        EXPECT_FALSE(fOpen("Confirm_NoMoney"));
    });
    EXPECT_EQ(100500, script.fRun());
    EXPECT_TRUE(script.fFinished()) << "stuck at: " << script.fStuckAt();
    const std::string log = fLog();
    EXPECT_NE(std::string::npos, log.find("The pack 1 cannot be bought")) << log;
}

TEST_F(PackList, ALayoutLackingPartsOpensAndSaysWhatItLacks)
{
    // No arrows, cards without their closed look, and a fifth card for a pack that does not exist.
    fReplaceIn("data/share/windows/Packs.xml", "<BUTTON5 ID=\"1\"", "<IMAGE ID=\"21\"");
    fReplaceIn("data/share/windows/Packs.xml", "<BUTTON5 ID=\"2\"", "<IMAGE ID=\"22\"");
    for (int n = 0; n < 2; ++n)
        fReplaceIn("data/share/windows/Packs.xml", "</BUTTON5>", "</IMAGE>");
    for (int n = 0; n < 4; ++n)
        fReplaceIn("data/share/windows/list_packs.xml", "<IMAGE ID=\"2\"", "<IMAGE ID=\"20\"");
    fReplaceIn("data/share/windows/list_packs.xml", "</pages>", "<pack size=\"240 300\"/></pages>");

    ZT_SCRIPT script;
    fPacksForNewPlayer(script);
    script.fDo("the list", []() {
        EXPECT_EQ(4u, fPacks()->fGetList()->fGetItemCount()) << "no card for a pack without a description";
    });
    script.fClick(kCardX[1], kCardY).fUntilAtRest("Confirm_Buy_Pack");
    script.fClick(kNoX, kAnswerY).fUntil("answered", []() { return !fOpen("Confirm_Buy_Pack"); });
    script.fKey(SDLK_RIGHT).fWait(20).fDo("one page: no turn by the key", []() {
        EXPECT_EQ(0, fPacks()->fGetList()->fGetCurrentPage());
        EXPECT_TRUE(fOpen("Packs"));
    });
    EXPECT_EQ(100500, script.fRun());
    EXPECT_TRUE(script.fFinished()) << "stuck at: " << script.fStuckAt();
    const std::string log = fLog();
    EXPECT_NE(std::string::npos, log.find("The window \"Packs\" has no previous-page button")) << log;
    EXPECT_NE(std::string::npos, log.find("The window \"Packs\" has no next-page button")) << log;
    EXPECT_NE(std::string::npos, log.find("The pack entry 0 has no widget 2 (the closed look)")) << log;
}

// In the free edition packs are not bought with sunime: a closed pack only says it is closed.
TEST_F(PackList, InTheFreeEditionAClosedPackSaysItIsClosed)
{
    fReplaceIn("data/share/main/other/editions.xml", "<free param=\"false\"/>", "<free param=\"true\"/>");
    ZT_SCRIPT script;
    fPacksForNewPlayer(script);
    script.fClick(kCardX[2], kCardY).fUntilAtRest("Confirm_PackLock").fDo("no offer", []() {
        EXPECT_FALSE(fOpen("Confirm_Buy_Pack"));
        EXPECT_EQ(2, fPacks()->fGetList()->fGetChosenPack());
    });
    script.fClick(512, kAnswerY).fUntil("answered", []() { return !fOpen("Confirm_PackLock"); });
    script.fClick(kCardX[0], kCardY).fUntilAtRest("Levels").fDo("an open pack opens", []() {
        EXPECT_FALSE(fOpen("Packs"));
    });
    EXPECT_EQ(100500, script.fRun());
    EXPECT_TRUE(script.fFinished()) << "stuck at: " << script.fStuckAt();
}
