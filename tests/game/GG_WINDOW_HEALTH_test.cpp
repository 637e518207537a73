// The hearts panel "Heart" and its note "FeedBack_Heart" as the game makes them from the shipped
// data: hearts at 0 with the refill countdown counting down, full hearts, the once-a-second
// refresh, the click that flashes the note, no player, and a layout without its labels.
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "game/ZT_SHIPPED_GAME.h"
#include "game/shell/GG_WINDOW_HEALTH.h"
#include "game/shell/gWindowFactory.h"

using namespace ZT_GAME;

namespace
{
int32_t gClock = 1000000;
int32_t fTestClock()
{
    return gClock;
}

// The shipped layout: the pill rests at (150, 44), 260 x 56.
const int kPillX = 150, kPillY = 44;

class Hearts : public ZT_SHIPPED_GAME
{
protected:
    void SetUp() override
    {
        ZT_SHIPPED_GAME::SetUp();
        gClock = 1000000;
        GG_HEALTH::fSetClock(fTestClock);
    }
    void TearDown() override
    {
        GG_HEALTH::fSetClock(nullptr);
        ZT_SHIPPED_GAME::TearDown();
    }
    GG_WINDOW_HEALTH* fShowPanel()
    {
        // As the hub shows it: at once.
        windows->fShowWindow("Heart", true);
        fFrames(1);
        return fWindow<GG_WINDOW_HEALTH>("Heart");
    }
    std::wstring fLabel(int id)
    {
        const ZC_GUI_WLABEL* label = dynamic_cast<ZC_GUI_WLABEL*>(fWindow<G_WINDOW>("Heart")->fGetGui()->fFindById(id));
        return label ? label->fGetText() : L"(none)";
    }
};
}

TEST_F(Hearts, AtZeroTheCountdownToTheNextHeartShowsAndCountsDownOnceASecond)
{
    GG_PLAYER* player = fNewPlayer(L"Pat");
    GG_HEALTH& hearts = player->fGetHealth();
    while (hearts.fLoseHeart())
    {
    }
    ASSERT_EQ(0, hearts.count);
    ASSERT_EQ(1200.0, hearts.countdown) << "the template's refill period";
    fShowPanel();
    EXPECT_EQ(L"0", fLabel(1));
    EXPECT_EQ(L"20:00", fLabel(2));
    fSaveFrame("hearts_at_zero");
    EXPECT_TRUE(fRegionNear(kPillX + 116, kPillY, 8, 8, 0xFF16183C, 24)) << "the dark pill";
    EXPECT_GT(fCountNear(kPillX - 118, kPillY - 16, kPillX - 86, kPillY + 14, 0xFFE8485E, 60), 150) << "the heart";
    EXPECT_GT(fCountNear(kPillX + 26, kPillY - 12, kPillX + 100, kPillY + 12, 0xFFFFF6E5, 60), 60)
        << "the countdown is written";

    // The labels change only once a second of frames, not between.
    fFrames(6);
    EXPECT_EQ(L"20:00", fLabel(2));
    fFrames(1);
    EXPECT_EQ(L"19:59", fLabel(2));
    fFrames(8);
    EXPECT_EQ(L"19:58", fLabel(2));

    // The wall clock passes one refill period: a heart is back and the next one counts.
    gClock += 1200;
    hearts.fUpdateRefill();
    fFrames(8);
    EXPECT_EQ(L"1", fLabel(1));
    EXPECT_EQ(L"19:59", fLabel(2)) << "the next heart's full period, less the frames since";
}

TEST_F(Hearts, FullHeartsShowTheFullTextAndNoPlayerShowsTheLayout)
{
    std::unique_ptr<G_WINDOW> fresh = fMakeFresh("Heart.xml");
    auto text = [&](int id) { return dynamic_cast<ZC_GUI_WLABEL*>(fresh->fGetGui()->fFindById(id))->fGetText(); };
    EXPECT_EQ(L"–", text(1)) << "no player: what the layout holds";
    EXPECT_EQ(L"Full", text(2));
    fresh->fReleaseResources(true);

    fNewPlayer(L"Quin");
    fShowPanel();
    EXPECT_EQ(L"5", fLabel(1));
    EXPECT_EQ(L"Full", fLabel(2));
    EXPECT_EQ(L"Full", fWindow<GG_WINDOW_HEALTH>("Heart")->fGetFullText());
}

TEST_F(Hearts, ARefreshAfterASecondAndABitStartsAgainFromNought)
{
    fNewPlayer(L"Rae");
    std::unique_ptr<G_WINDOW> fresh = fMakeFresh("Heart.xml");
    GG_WINDOW_HEALTH* panel = dynamic_cast<GG_WINDOW_HEALTH*>(fresh.get());
    ASSERT_NE(nullptr, panel);
    zcFRAME_DELTA = 0.34f;
    panel->fUpdate();
    panel->fUpdate();
    EXPECT_NEAR(0.68f, panel->fGetElapsed(), 1e-5f);
    panel->fUpdate();
    EXPECT_EQ(0.0f, panel->fGetElapsed()) << "1.02 s: refreshed, and the 0.02 s over is dropped";
    panel->fReleaseResources(true);
}

TEST_F(Hearts, AClickOnThePanelFlashesTheNote)
{
    fNewPlayer(L"Sol");
    fShowPanel();
    const struct
    {
        const char* where;
        int x, y;
        bool note;
    } clicks[] = {{"on the heart", kPillX - 100, kPillY, true},
                  {"on the countdown", kPillX + 60, kPillY, true},
                  {"beside the pill", kPillX + 200, kPillY, false}};
    for (const auto& click : clicks)
    {
        SCOPED_TRACE(click.where);
        fClickAt(click.x, click.y);
        fFrames(1);
        EXPECT_EQ(click.note, windows->fIsWindowOpen("FeedBack_Heart"));
        fFrames(4); // shown: it starts hiding, but waits to be read
        EXPECT_EQ(click.note, windows->fIsWindowOpen("FeedBack_Heart"));
        if (click.note)
        {
            fSaveFrame("hearts_note");
            EXPECT_GT(fCountNear(60, 100, 440, 190, 0xFFFDF6E4, 20), 20000) << "the paper note";
        }
        fFrames(24);
        EXPECT_FALSE(windows->fIsWindowOpen("FeedBack_Heart")) << "gone by itself";
    }
}

TEST_F(Hearts, APanelWithoutItsLabelsStillOpensAndSaysWhatIsMissing)
{
    std::string log;
    std::unique_ptr<G_WINDOW> window =
        fMakeFromText("<window _name=\"Bare_Heart\" _type=\"GG_WINDOW_HEALTH\" layer=\"30\"><GUI/></window>", &log);
    GG_WINDOW_HEALTH* panel = dynamic_cast<GG_WINDOW_HEALTH*>(window.get());
    ASSERT_NE(nullptr, panel);
    EXPECT_NE(std::string::npos, log.find("\"Bare_Heart\" has no heart count label (widget 1)")) << log;
    EXPECT_NE(std::string::npos, log.find("\"Bare_Heart\" has no refill countdown label (widget 2)")) << log;
    fNewPlayer(L"Tam");
    panel->fAcquireResources();
    panel->fShow(true);
    for (int i = 0; i < 10; ++i)
        panel->fUpdate();
    panel->fDraw();
    panel->fReleaseResources(true);
}
