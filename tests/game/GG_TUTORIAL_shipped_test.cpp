// The shipped tutorial in the real game with the default data set: a new player walks every
// step of the first three levels of pack 0 by doing what each asks, level after level through
// the result window, and has passed it (players.save read again); a second start runs no
// tutorial; the skip question passes it too; a tutorial frame as the player sees it.
#include "ZT_TUTORIAL.h"

#include <vector>

#include "framework/G_WINDOW_MANAGER.h"

using namespace ZT_TUTORIAL;
using namespace game;

namespace
{
void fExpectStep(ZT_SCRIPT& s, int index, int kind, bool running = true)
{
    s.fDo("step " + std::to_string(index), [=]() {
        EXPECT_EQ(running, fTutorial().fIsRunning()) << "at step " << index;
        EXPECT_EQ(index, fTutorial().fGetCurrentIndex());
        if (running && fTutorial().fGetCurrentStep())
        {
            EXPECT_EQ(kind, fTutorial().fGetCurrentStep()->fGetKind()) << "step " << index;
        }
    });
}

// The level won, on to the next one by the result window's "next" button.
// Open and no longer moving.
bool fAtRest(const char* name)
{
    const ZOR_GF::G_WINDOW* w = game::fGetWindowManager()->fFindOpenWindow(name);
    return w && !w->fIsAnimating();
}

// The level won, on to the next one by the result window's "next" button (after the trophy
// pop-ups the win brought, each sent away with its button).
void fNextLevelByResult(ZT_SCRIPT& s, int next)
{
    s.fDo("won", []() {
        EXPECT_FLOAT_EQ(1.0f, fScreen()->fGetProgress());
        EXPECT_TRUE(fScreen()->fIsLevelEnded());
    });
    auto clicks = std::make_shared<int>(0);
    s.fUntil("the result window at rest", [clicks]() {
        if (fAtRest("Trophy_Get") && *clicks == 0)
        {
            const ZS_POINT at = fWidgetPixel("Trophy_Get", 1);
            ZT_SCRIPT::fPushMove(at.x, at.y);
            ZT_SCRIPT::fPushButton(at.x, at.y, SDL_BUTTON_LEFT, true);
            ZT_SCRIPT::fPushButton(at.x, at.y, SDL_BUTTON_LEFT, false);
            *clicks = 30;
        }
        if (*clicks > 0)
            --*clicks;
        return fAtRest("GP_Finish") && !game::fGetWindowManager()->fIsWindowOpen("Trophy_Get");
    });
    s.fWait(10);
    fClick(s, []() { return fWidgetPixel("GP_Finish", 1); });
    s.fUntil("level " + std::to_string(next) + " runs", [next]() {
        return fScreen()->fGetLevelId() == next && fScreen()->started &&
               !game::fGetWindowManager()->fIsWindowOpen("Fade_Transition");
    });
    s.fWait(6);
}

bool fIsCoral(uint32_t c)
{
    return fRed(c) > 190 && fGreen(c) > 60 && fGreen(c) < 175 && fBlue(c) < 150;
}
bool fIsTeal(uint32_t c)
{
    return fGreen(c) > 110 && fBlue(c) > 100 && fRed(c) < 110;
}
}

TEST(ShippedTutorial, EveryStepIsDoneByWhatItAsksAndThePlayerHasPassedIt)
{
    fCopyDefaultData();
    ZT_SCRIPT s;
    fStartAsNewPlayer(s, 0);
    s.fDo("the shipped script", []() {
        const std::vector<int> kinds = {STEP_ENDLESS, STEP_CELL,     STEP_CELL,     STEP_TOOL,          STEP_CELL_EMPTY,
                                        STEP_CELL,    STEP_HINT,     STEP_CELL,     STEP_MAKERROR,      STEP_USE_RESET_SELECTION,
                                        STEP_ENDLESS, STEP_CLICK_BONUS, STEP_CELL, STEP_ENDLESS};
        std::vector<int> shipped;
        for (const GG_TUTORIAL_STEP* step : fTutorial().fGetSteps())
            shipped.push_back(step->fGetKind());
        EXPECT_EQ(kinds, shipped);
    });

    // The heart: the clues, two rows, the switch, two crosses, then on one's own.
    fExpectStep(s, 0, STEP_ENDLESS);
    fClick(s, fAt(kNowhere));
    fExpectStep(s, 1, STEP_CELL);
    fDragCells(s, 1, 0, 1, 4);
    fExpectStep(s, 2, STEP_CELL);
    fDragCells(s, 2, 0, 2, 4);
    fExpectStep(s, 3, STEP_TOOL);
    fClick(s, fAt(kToggle));
    fExpectStep(s, 4, STEP_CELL_EMPTY);
    fDragCells(s, 4, 0, 4, 1);
    fExpectStep(s, 5, STEP_CELL);
    fClick(s, fAt(kNowhere));
    fExpectStep(s, 6, STEP_HINT, false);
    s.fDo("everything free", []() {
        EXPECT_EQ("", fBlocked());
        EXPECT_EQ(0, fScreen()->fGetResult().errors);
    });
    fClick(s, fAt(kToggle)); // back to filling
    fDragCells(s, 3, 1, 3, 3);
    fClick(s, fAtCell(0, 1));
    fClick(s, fAtCell(0, 3));
    fClick(s, fAtCell(4, 2));
    fNextLevelByResult(s, 1);

    // The house: the hint, the error panel, the reset area.
    fExpectStep(s, 6, STEP_HINT);
    fClick(s, fAt(kHint));
    fExpectStep(s, 7, STEP_CELL);
    s.fUntil("the hint opens the roof's top", []() { return fSolved(0, 2); });
    fClick(s, fAt(kNowhere));
    fExpectStep(s, 8, STEP_MAKERROR);
    fClick(s, fAt(kNowhere));
    fExpectStep(s, 9, STEP_USE_RESET_SELECTION);
    fDrag(s, fAtCell(2, 0), fAt(kReset));
    fExpectStep(s, 10, STEP_ENDLESS);
    fClick(s, fAt(kNowhere));
    fExpectStep(s, 11, STEP_CLICK_BONUS, false);
    fDragCells(s, 1, 1, 1, 3);
    fDragCells(s, 2, 0, 2, 4);
    for (int column : {0, 1, 3, 4})
        fDragCells(s, 3, column, 4, column);
    fNextLevelByResult(s, 2);

    // The arrow: the bonus cell, a column, and goodbye.
    fExpectStep(s, 11, STEP_CELL);
    s.fDo("the bonus cell", []() {
        ASSERT_EQ(1u, fTutorial().fGetCurrentStep()->fGetCells().size());
        EXPECT_TRUE(fCell(0, 2)->fIsBonus());
    });
    fClick(s, fAtCell(0, 2));
    fExpectStep(s, 12, STEP_CELL);
    fDragCells(s, 0, 2, 4, 2);
    fExpectStep(s, 13, STEP_ENDLESS);
    fClick(s, fAt(kNowhere));
    s.fDo("passed and saved", []() {
        EXPECT_FALSE(fTutorial().fIsRunning());
        EXPECT_EQ("", fBlocked());
        EXPECT_TRUE(fPlayer()->fGetPassedTutorial());
        EXPECT_EQ(1, fSavedPassedTutorial(L"Ada"));
    });
    s.fDo("the first level again", []() {
        fGame()->fEndLevel();
        ASSERT_TRUE(fGame()->fStartLevel(0, 0));
    });
    s.fWait(4);
    s.fDo("no tutorial", []() {
        EXPECT_FALSE(fTutorial().fIsRunning());
        EXPECT_EQ("", fBlocked());
    });
    EXPECT_EQ(100500, s.fRun(6000));
    EXPECT_EQ("", s.fStuckAt());
}

TEST(ShippedTutorial, AYesToTheSkipQuestionPassesIt)
{
    fCopyDefaultData();
    ZT_SCRIPT s;
    fStartAsNewPlayer(s, 0);
    fClick(s, []() {
        const ZOR::ZC_GUI_OBJECT* skip = fTutorial().fGetCurrentStep()->fGetPanel()->fFindById(GG_TUTORIAL_STEP::SKIP_BUTTON);
        const ZOR::ZS_TRANSFORM3 world = skip->fGetTransform()->fCompose();
        return ZS_POINT(int(world.position.x), int(world.position.y));
    });
    s.fUntilAtRest("Confirm_Skip_Tutorial");
    s.fDo("paused while asked", []() { EXPECT_TRUE(fGame()->fGetGameplay()->paused); });
    fClick(s, []() { return fWidgetPixel("Confirm_Skip_Tutorial", 3); });
    s.fUntil("the question closes", []() { return !game::fGetWindowManager()->fIsWindowOpen("Confirm_Skip_Tutorial"); });
    s.fDo("passed and saved", []() {
        EXPECT_FALSE(fTutorial().fIsRunning());
        EXPECT_FALSE(fGame()->fGetGameplay()->paused);
        EXPECT_EQ("", fBlocked());
        EXPECT_EQ(1, fSavedPassedTutorial(L"Ada"));
    });
    EXPECT_EQ(100500, s.fRun());
    EXPECT_EQ("", s.fStuckAt());
}

TEST(ShippedTutorial, AFrameShowsThePanelAndTheArrowAndBlockedControlsDoNotAnswer)
{
    fCopyDefaultData();
    ZT_SCRIPT s;
    fStartAsNewPlayer(s, 0);
    auto toggleBefore = std::make_shared<uint32_t>(0);
    s.fLook("the welcome step", [toggleBefore](const ZT_FRAME& f) {
        f.fSave("tutorial_welcome");
        // The paper panel above the clues, its ink text and its teal medallion.
        EXPECT_GT(f.fShare(640, 24, 700, 64, fIsPaper), 0.9);
        EXPECT_GT(f.fShare(200, 40, 600, 125, fIsInk), 0.02);
        EXPECT_GT(f.fShare(122, 70, 162, 110, fIsTeal), 0.3);
        // The arrow pointing at the first full row's clue, left of the row clues.
        EXPECT_GT(f.fShare(240, 402, 300, 418, fIsCoral), 0.5);
        *toggleBefore = f.fAt(kToggle.x - 40, kToggle.y);
    });
    // Blocked: the switch, the hint button and the cells answer nothing.
    s.fDo("press the switch", []() { ZT_SCRIPT::fPushMove(kToggle.x, kToggle.y); });
    s.fDo("press", []() { ZT_SCRIPT::fPushButton(kToggle.x, kToggle.y, SDL_BUTTON_LEFT, true); });
    s.fDo("check", []() {
        EXPECT_TRUE(fScreen()->fGetControlPanel()->fIsFillMode());
        EXPECT_EQ(0, fTutorial().fGetCurrentIndex());
    });
    s.fLook("the switch while pressed", [toggleBefore](const ZT_FRAME& f) {
        EXPECT_EQ(*toggleBefore, f.fAt(kToggle.x - 40, kToggle.y));
    });
    s.fDo("release", []() { ZT_SCRIPT::fPushButton(kToggle.x, kToggle.y, SDL_BUTTON_LEFT, false); });
    s.fWait(2);
    fExpectStep(s, 1, STEP_CELL);
    // The first row to fill: a gold ring round each of its cells, the arrow at its right end.
    s.fWait(3);
    s.fLook("the first row step", [](const ZT_FRAME& f) {
        f.fSave("tutorial_fill_row");
        for (int column = 0; column < 5; ++column)
        {
            const ZS_POINT c = fCellPixel(1, column);
            EXPECT_GT(f.fShare(c.x - 6, c.y - 30, c.x + 6, c.y - 26, fIsGold), 0.5) << "ring over cell " << column;
            EXPECT_LT(f.fShare(c.x - 6, c.y - 6, c.x + 6, c.y + 6, fIsGold), 0.1) << "the cell itself stays clear";
        }
        const ZS_POINT end = fCellPixel(1, 4);
        EXPECT_GT(f.fShare(end.x + 60, end.y - 6, end.x + 110, end.y + 6, fIsCoral), 0.5);
    });
    fClick(s, fAtCell(0, 1));
    fClick(s, fAt(kHint));
    s.fWait(8);
    s.fDo("a cell outside the step and the hint stay shut", []() {
        EXPECT_FALSE(fSolved(0, 1));
        EXPECT_EQ(0, fScreen()->fGetResult().hintsUsed);
        EXPECT_EQ(1, fTutorial().fGetCurrentIndex());
    });
    EXPECT_EQ(100500, s.fRun());
    EXPECT_EQ("", s.fStuckAt());
}
