// The result window "GP_Finish" as the game makes it from the shipped data: the values of a
// result record, the stars one by one, and where its buttons lead.
#include "game/ZT_LEVEL_WINDOWS.h"

#include "framework/G_WINDOW_CONFIRM.h"
#include "game/shell/GG_WINDOW_FINISH.h"

using namespace ZT_LEVEL;

namespace
{
const uint32_t kGold = 0xFFFBC33Bu;   // an earned star's body
const uint32_t kEmpty = 0xFF5A5A70u;  // an empty star's body
const int kStarY = 384 - 140;         // the stars' centre line (window centre + "shift")
const int kStarX[3] = {512 - 96, 512, 512 + 96};
// The buttons at rest.
const int kNextX = 512 + 174, kReplayX = 512 - 22, kListX = 512 - 198, kButtonY = 384 + 156;
const int kYesX = 512 - 130, kNoX = 512 + 130, kAnswerY = 384 + 92;

class Finish : public ZT_LEVEL_WINDOWS
{
protected:
    GG_WINDOW_FINISH* finish = nullptr;
    GG_LEVEL_RESULT result;

    void SetUp() override
    {
        ZT_LEVEL_WINDOWS::SetUp();
        finish = fWindow<GG_WINDOW_FINISH>("GP_Finish");
        ASSERT_NE(nullptr, finish) << "the scenes declare \"GP_Finish\" as a GG_WINDOW_FINISH";
        result = GG_LEVEL_RESULT();
    }

    // A won level of pack 0 behind the window, as the level screen leaves it: paused, the record
    // handed over, the window shown; frames until the window is fully shown (its shown event
    // starts the stars in that frame).
    void fShowWon(int32_t levelId, int errors)
    {
        fStartPausedLevel(levelId, 0);
        result.packId = 0;
        result.levelId = levelId;
        result.errors = errors;
        finish->fShowResult(&result);
        windows->fShowWindow("GP_Finish", false);
        for (int i = 0; i < 40 && finish->fIsAnimating(); ++i)
            fFrames(1);
        ASSERT_FALSE(finish->fIsAnimating());
        ASSERT_EQ(1u, finish->fGetShownStars()) << "the first star comes with the shown event";
    }

    // What the player sees in star slot k: 'G' an earned star, 'E' an empty one, '.' none yet.
    char fStarSeen(int k)
    {
        const int x = kStarX[k], y = kStarY;
        if (fCountNear(x - 30, y - 20, x + 30, y + 20, kGold, 24) > 400)
            return 'G';
        if (fCountNear(x - 30, y - 20, x + 30, y + 20, kEmpty, 24) > 400)
            return 'E';
        return '.';
    }
    std::string fStarsSeen() { return {fStarSeen(0), fStarSeen(1), fStarSeen(2)}; }
};
}

TEST_F(Finish, ShowsTheRecordTheBestTimeAndThePlayersTotalInFull)
{
    struct ROW
    {
        int32_t levelId;
        float time;
        int errors, hints, score;
        uint32_t total;
        float best;
        const wchar_t* shown[7]; // time, hints, errors, score, best time, title, total
    };
    const ROW rows[] = {
        {3, 83.6f, 1, 2, 40, 1234, 70.2f, {L"01:23", L"2", L"1", L"40", L"01:10", L"Level 4 solved!", L"1234"}},
        // Numbers wider than the room they were once given are shown whole, never cut.
        {0, 3725.0f, 12, 10, 12345, 1234567, 3600.0f,
         {L"01:02:05", L"10", L"12", L"12345", L"01:00:00", L"Level 1 solved!", L"1234567"}},
    };
    for (const ROW& row : rows)
    {
        SCOPED_TRACE(row.levelId);
        GG_PLAYER* player = fNewPlayer(L"Fin" + std::to_wstring(row.levelId));
        player->statistic.score = row.total;
        player->fGetLevel(0, row.levelId)->fSetBestTime(row.best);
        result.packId = 0;
        result.levelId = row.levelId;
        result.time = row.time;
        result.errors = row.errors;
        result.hintsUsed = row.hints;
        result.score = row.score;
        finish->fShowResult(&result);
        EXPECT_EQ(&result, finish->fGetResult());
        const int ids[7] = {GG_WINDOW_FINISH::ID_TIME, GG_WINDOW_FINISH::ID_HINTS, GG_WINDOW_FINISH::ID_ERRORS,
                            GG_WINDOW_FINISH::ID_SCORE, GG_WINDOW_FINISH::ID_BEST_TIME, GG_WINDOW_FINISH::ID_TITLE,
                            GG_WINDOW_FINISH::ID_TOTAL};
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(row.shown[i], fLabelText("GP_Finish", ids[i])) << "label " << ids[i];
    }
}

TEST_F(Finish, AtRestThePanelItsValuesAndButtonsAreWhereTheLayoutPutsThem)
{
    GG_PLAYER* player = fNewPlayer(L"Rest");
    player->statistic.score = 1234;
    result.time = 83.6f;
    result.hintsUsed = 2;
    result.score = 40;
    fShowWon(3, 1);
    fFrames(24); // the stars' sequence is over
    fSaveFrame("gp_finish_at_rest");
    EXPECT_EQ("GGE", fStarsSeen()) << "one mistake: two earned stars and an empty one";
    // The veil over the level, the paper, the coral ribbon and the three buttons.
    EXPECT_LT(ZT_RENDER::fColorDistance(fRegion(80, 80, 20, 20), 0xFF0F1027u), 16);
    EXPECT_LT(ZT_RENDER::fColorDistance(fRegion(512, 384 + 95, 40, 16), 0xFFF7EEDAu), 24) << "paper below the table";
    EXPECT_LT(ZT_RENDER::fColorDistance(fRegion(512 - 150, 384 - 239, 16, 8), 0xFFF4896Eu), 40) << "ribbon";
    EXPECT_LT(ZT_RENDER::fColorDistance(fRegion(kNextX - 60, kButtonY - 10, 12, 8), 0xFFFF9A7Eu), 40) << "next";
    EXPECT_LT(ZT_RENDER::fColorDistance(fRegion(kReplayX - 50, kButtonY - 10, 12, 8), 0xFF6FCDC2u), 50) << "replay";
    // The paper button of the list shows by its ink label.
    EXPECT_GT(fCountNear(kListX - 60, kButtonY - 16, kListX + 60, kButtonY + 12, 0xFF2B2D42u, 40), 150) << "list";
    // Ink of the values, right-aligned in their columns.
    EXPECT_GT(fCountNear(512 - 120, 384 - 56, 512 - 26, 384 - 24, 0xFF2B2D42u, 40), 120) << "time";
    EXPECT_GT(fCountNear(512 + 190, 384 + 44, 512 + 274, 384 + 76, 0xFF2B2D42u, 40), 120) << "total";
}

TEST_F(Finish, TheTitleTakesTheLevelsNumberAndShowsEverythingElseAsWritten)
{
    struct ROW
    {
        const wchar_t* format;
        const wchar_t* shown; // as the player reads it
    };
    const ROW rows[] = {
        {L"Level %i solved!", L"Level 4 solved!"},
        {L"%d. level", L"4. level"},
        {L"100%% of level %i", L"100% of level 4"},
        {L"%s: %i", L"%s: 4"},
        {L"%i/%i", L"4/%i"},
        {L"Well done", L"Well done"},
    };
    fNewPlayer(L"Titles");
    result.packId = 0;
    result.levelId = 3;
    for (const ROW& row : rows)
    {
        std::unique_ptr<G_WINDOW> fresh = fMakeFresh("GP_Finish");
        GG_WINDOW_FINISH* window = dynamic_cast<GG_WINDOW_FINISH*>(fresh.get());
        ASSERT_NE(nullptr, window);
        auto* title = dynamic_cast<ZC_GUI_WLABEL*>(window->fGetGui()->fFindById(GG_WINDOW_FINISH::ID_TITLE));
        ASSERT_NE(nullptr, title);
        title->fSetText(row.format); // as a translation would have it
        window->fShowResult(&result);
        // Labels draw their text as a format: what they hold is the shown text with '%' doubled.
        EXPECT_EQ(fLiteralLabelText(row.shown), title->fGetText()) << pugi::as_utf8(row.format);
        // The format is taken once: the next result fills the same format.
        result.levelId = 0;
        window->fShowResult(&result);
        result.levelId = 3;
        window->fShowResult(&result);
        EXPECT_EQ(fLiteralLabelText(row.shown), title->fGetText()) << pugi::as_utf8(row.format);
    }
}

TEST_F(Finish, TheStarsAppearOneAfterAnotherAtTheirTimes)
{
    // Frames of 1/8 s after the shown event; a wobble lasts 0.6 s (5 frames), the pause after
    // the earned stars 1 s (8 frames). "G" earned, "E" empty, "." not shown yet.
    struct ROW
    {
        int errors;
        const char* seen[5]; // after 2, 7, 11, 14 and 24 frames
    };
    const ROW rows[] = {
        {0, {"G..", "GG.", "GGG", "GGG", "GGG"}}, // three wobbles, no pause
        {1, {"G..", "GG.", "GGE", "GGE", "GGE"}}, // the empty star at once, then the pause
        {2, {"G..", "GE.", "GE.", "GEE", "GEE"}}, // the pause comes before the last star
        {7, {"G..", "GE.", "GE.", "GEE", "GEE"}},
    };
    const int at[5] = {2, 7, 11, 14, 24};
    for (const ROW& row : rows)
    {
        SCOPED_TRACE(row.errors);
        fNewPlayer(L"Stars" + std::to_wstring(row.errors));
        fShowWon(3, row.errors);
        int frame = 0;
        for (int i = 0; i < 5; ++i)
        {
            fFrames(at[i] - frame);
            frame = at[i];
            EXPECT_EQ(row.seen[i], fStarsSeen()) << "after " << frame << " frames";
            if (frame == 2)
            {
                EXPECT_NE(1.0f, finish->fGetShownStar(0)->transform->scale.x) << "the first star wobbles";
            }
            if (frame < 24)
            {
                EXPECT_EQ(1u, finish->fGetRunningStarEffects()) << "one step at a time, after " << frame;
            }
        }
        EXPECT_EQ(0u, finish->fGetRunningStarEffects()) << "the sequence is over";
        EXPECT_EQ(3u, finish->fGetShownStars());
        fSaveFrame("gp_finish_stars_" + std::to_string(row.errors));
        windows->fHideWindow("GP_Finish", true);
        fFrames(2);
    }
}

TEST_F(Finish, AStarShownWithoutWobbleStaysAtItsSize)
{
    fNewPlayer(L"Still");
    fShowWon(3, 1);
    fFrames(11); // the empty third star has just come
    ASSERT_EQ(3u, finish->fGetShownStars());
    EXPECT_EQ(1.0f, finish->fGetShownStar(2)->transform->scale.x);
    EXPECT_EQ(1u, finish->fGetRunningStarEffects()) << "only the pause runs";
}

TEST_F(Finish, ShowingAgainStartsTheStarsAfreshWithoutTheOldSequence)
{
    fNewPlayer(L"Again");
    fShowWon(3, 0);
    fFrames(2);
    // Closed in the middle of the first wobble (not through a button), then shown again.
    windows->fHideWindow("GP_Finish", true);
    fFrames(2);
    windows->fShowWindow("GP_Finish", false);
    for (int i = 0; i < 40 && finish->fIsAnimating(); ++i)
        fFrames(1);
    size_t mostRunning = 0;
    for (int i = 0; i < 7; ++i)
    {
        fFrames(1);
        mostRunning = std::max(mostRunning, finish->fGetRunningStarEffects());
    }
    EXPECT_EQ(1u, mostRunning) << "one sequence only";
    EXPECT_EQ("GG.", fStarsSeen());
}

TEST_F(Finish, ButtonsLeadToTheNextLevelAReplayOrTheLists)
{
    struct ROW
    {
        const char* what;
        int32_t levelId;
        int x;
        int answerX; // 0: no question
        bool fades;
        const char* log; // the level screen's calls from the click until everything is done
        const char* shown; // the window open at the end, or ""
        bool finishOpen;
    };
    const ROW rows[] = {
        {"next", 3, kNextX, 0, false, "end, start data/share/levels/pack0 level04.xml, load", "", false},
        {"next after the pack's last level", 15, kNextX, 0, true, "end, unload", "Packs", false},
        {"level list", 3, kListX, 0, true, "end, unload", "Levels", false},
        {"replay, yes", 3, kReplayX, kYesX, false, "restart", "", false},
        {"replay, no", 3, kReplayX, kNoX, false, "", "", true},
    };
    for (const ROW& row : rows)
    {
        SCOPED_TRACE(row.what);
        GG_PLAYER* player = fNewPlayer(L"Next");
        const int32_t hearts = player->fGetHealth().count;
        fShowWon(row.levelId, 0);
        fFrames(20);
        level->log.clear();
        fClickAt(row.x, kButtonY);
        fFrames(1);
        EXPECT_EQ(row.fades, fOpen("Fade_Transition"));
        if (row.answerX)
        {
            EXPECT_TRUE(fOpen("Confirm_Restart_In_Finish"));
            fFrames(8);
            fClickAt(row.answerX, kAnswerY);
        }
        fFrames(16);
        EXPECT_EQ(row.log, level->fLog());
        if (*row.shown)
        {
            EXPECT_TRUE(fOpen(row.shown));
        }
        EXPECT_EQ(row.finishOpen, fOpen("GP_Finish"));
        EXPECT_FALSE(fOpen("Fade_Transition")) << "the fade has uncovered the next scene";
        EXPECT_EQ(hearts, player->fGetHealth().count) << "nothing here costs a heart";
        EXPECT_EQ(0u, finish->fGetRunningStarEffects()) << "the stars stop";
        fCloseAllWindows();
        game->fSetPlayer(nullptr);
        fGetPlayers()->fRemovePlayer(L"Next");
    }
}

TEST_F(Finish, NextLeadsToTheListWhenTheFollowingLevelIsMissingOrCannotStart)
{
    // A player whose progress in pack 0 skips a level (ids 3 and 5), and a following level that
    // the level screen refuses.
    struct ROW
    {
        const char* what;
        bool gap;
        bool startWorks;
        const char* log;
    };
    const ROW rows[] = {
        {"no level 4 in the player's pack", true, true, "end, unload"},
        {"level 4 cannot start", false, false, "end, start data/share/levels/pack0 level04.xml, end, unload"},
    };
    for (const ROW& row : rows)
    {
        SCOPED_TRACE(row.what);
        GG_PLAYER* player = new GG_PLAYER;
        player->fSetName(L"Gap");
        if (row.gap)
        {
            pugi::xml_document pack;
            pack.load_string("<pack id=\"0\"><level id=\"3\" lock=\"false\" file=\"level03.xml\"/>"
                             "<level id=\"5\" file=\"level05.xml\"/></pack>");
            auto progress = std::make_unique<GG_PACK>();
            ASSERT_TRUE(progress->fLoadXml(pack.document_element()));
            player->fAddPack(std::move(progress));
        }
        else
            *player = *game->fGetTemplatePlayer();
        player->fSetName(L"Gap");
        ASSERT_TRUE(fGetPlayers()->fAddPlayer(player));
        game->fSetPlayer(player);
        fShowWon(3, 0);
        fFrames(20);
        level->log.clear();
        level->startWorks = row.startWorks;
        fClickAt(kNextX, kButtonY);
        fFrames(16);
        EXPECT_EQ(row.log, level->fLog());
        EXPECT_TRUE(fOpen("Levels"));
        EXPECT_FALSE(fOpen("GP_Finish"));
        EXPECT_FALSE(fOpen("Fade_Transition"));
        fCloseAllWindows();
        game->fSetPlayer(nullptr);
        fGetPlayers()->fRemovePlayer(L"Gap");
    }
}

TEST_F(Finish, WithoutARecordOrStarSettingsNoStarIsShown)
{
    finish->fShowResult(nullptr);
    windows->fShowWindow("GP_Finish", false);
    fFrames(12);
    EXPECT_EQ(0u, finish->fGetShownStars());

    pugi::xml_document bare;
    bare.load_string("<window _name=\"Bare\" _type=\"GG_WINDOW_FINISH\"><GUI/><settings>"
                     "<star_effect time=\"0.5\"/></settings></window>");
    std::unique_ptr<G_WINDOW> made(fCreateWindowFromXml(&bare));
    GG_WINDOW_FINISH* window = dynamic_cast<GG_WINDOW_FINISH*>(made.get());
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(0u, window->fGetWaitingStars());
    EXPECT_EQ(0, window->fShowNextStar());
    // A "star_effect" reads every number it has; the others are 0.
    EXPECT_EQ(0.5f, window->fGetEffectTime());
    EXPECT_EQ(0.0f, window->fGetEffectAmplitude());
    EXPECT_EQ(0.0f, window->fGetEffectFrequency());
    EXPECT_EQ(0.0f, window->fGetEffectDecay());
    // The shipped window: three stars, the shift and its own wobble.
    EXPECT_EQ(3u, finish->fGetWaitingStars() + finish->fGetShownStars());
    EXPECT_EQ(-96.0f, finish->fGetStarShift().x);
    EXPECT_EQ(-140.0f, finish->fGetStarShift().y);
    EXPECT_EQ(0.6f, finish->fGetEffectTime());
}
