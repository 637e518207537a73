// Tutorial steps of every kind on the first level of pack 0 (the heart) in the real game, each
// a small tutorial file of its own, driven by real pointer events through the level screen and
// its controls: what completes a step, what it blocks, the skip question, the script pausing
// between levels and finishing, and the files it cannot follow.
#include "ZT_TUTORIAL.h"

#include <functional>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/files/ZC_LOCALIZATION.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "framework/G_WINDOW_MANAGER.h"

using namespace ZT_TUTORIAL;
using namespace game;

namespace
{
// The heart, 5 x 5:    . # . # .
//                      # # # # #
//                      # # # # #
//                      . # # # .
//                      . . # . .
const char* const kSkipPanel =
    "<GUI><BUTTON5 ID=\"200\" TEXTURE=\"data/share/image/gui btn_neutral_s.png\"><POSITION>150 100</POSITION></BUTTON5>"
    "<WLABEL ID=\"11\" FONT=\"data/share/font text.xml\" FONT_TEXTURE=\"data/share/font text.png\" TEXT=\"tutorial_test_text\" "
    "HOT_SPOT=\"3\"><POSITION>260 100</POSITION></WLABEL></GUI>";
const ZS_POINT kSkip(150, 100);

// One step: its attributes (type included), cells "r c" and more elements.
std::string fStep(const std::string& attributes, const std::vector<std::string>& cells = {},
                  const std::string& more = "")
{
    std::string text = "<step " + attributes + ">";
    if (!cells.empty())
    {
        text += "<cells>";
        for (const std::string& c : cells)
            text += "<cell>" + c + "</cell>";
        text += "</cells>";
    }
    return text + more + "</step>";
}

std::string fLevel(int id, const std::string& steps)
{
    return "<level id=\"" + std::to_string(id) + "\">" + steps + "</level>";
}

std::string fFile(const std::string& levels)
{
    return "<tutorial>" + levels + "</tutorial>";
}

const char* const kFree =
    "blockelements=\"false\" blockhint=\"false\" blocktool=\"false\" blockstore=\"false\" blockreset=\"false\"";

struct ZS_CASE
{
    std::string name;
    std::string file;
    int level;      // of pack 0
    int startHints; // the player's "start_hint"
    std::function<void(ZT_SCRIPT&, const std::string&)> play;
};

int fIndex()
{
    return fTutorial().fGetCurrentIndex();
}

// A check step: the expectation with the case's name.
void fCheck(ZT_SCRIPT& s, const std::string& name, std::function<void(const std::string&)> check)
{
    s.fDo(name + ": check", [=]() { check(name); });
}

void fExpectIndex(ZT_SCRIPT& s, const std::string& name, int index, bool running = true)
{
    fCheck(s, name, [=](const std::string& n) {
        EXPECT_EQ(index, fIndex()) << n;
        EXPECT_EQ(running, fTutorial().fIsRunning()) << n;
    });
}

bool fPaused()
{
    return fGame()->fGetGameplay()->paused;
}

std::vector<ZS_CASE> fCases()
{
    std::vector<ZS_CASE> cases;
    const std::string endless = fStep("type=\"ENDLESS\"");

    cases.push_back({"a CELL step is done once both its cells are solved, by any tool",
                     fFile(fLevel(0, fStep("type=\"CELL\"", {"2 3", "2 4"}) + endless)), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fClick(s, fAtCell(2, 3));
                         fExpectIndex(s, n + " (one solved)", 0);
                         fClick(s, fAtCell(2, 4), SDL_BUTTON_RIGHT); // the cross on a picture cell: wrong, but solved
                         fCheck(s, n, [](const std::string& n) { EXPECT_TRUE(fSolved(2, 4)) << n; });
                         fExpectIndex(s, n, 1);
                     }});
    cases.push_back({"a CELL step without cells is done at the first release",
                     fFile(fLevel(0, fStep("type=\"CELL\"") + endless)), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fClick(s, fAt(kNowhere));
                         fExpectIndex(s, n, 1);
                     }});
    cases.push_back({"a step with all five flags false leaves every control and cell usable",
                     fFile(fLevel(0, fStep(std::string("type=\"CELL\" ") + kFree, {"4 4"}) + endless)), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fCheck(s, n, [](const std::string& n) { EXPECT_EQ("", fBlocked()) << n; });
                         fDragCells(s, 3, 1, 3, 3);
                         fClick(s, fAt(kToggle));
                         s.fWait(40); // the knob's slide, which would refuse the next level's fill tool
                         fCheck(s, n, [](const std::string& n) {
                             EXPECT_TRUE(fSolved(3, 1) && fSolved(3, 2) && fSolved(3, 3)) << n;
                             EXPECT_FALSE(fScreen()->fGetControlPanel()->fIsFillMode()) << n;
                         });
                         fExpectIndex(s, n, 0);
                     }});
    cases.push_back({"a CELL step without flags blocks every control and every cell but its own",
                     fFile(fLevel(0, fStep("type=\"CELL\"", {"1 1"}) + endless)), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fCheck(s, n, [](const std::string& n) {
                             EXPECT_EQ("(c)htsr", fBlocked()) << n;
                             EXPECT_FALSE(fCell(1, 1)->blocked) << n;
                             EXPECT_TRUE(fScreen()->fGetControlPanel()->fIsFillMode()) << n << " (the fill tool at the start)";
                         });
                         fClick(s, fAtCell(1, 0));
                         fClick(s, fAt(kToggle));
                         fClick(s, fAt(kHint));
                         s.fWait(12);
                         fCheck(s, n, [](const std::string& n) {
                             EXPECT_FALSE(fSolved(1, 0)) << n;
                             EXPECT_TRUE(fScreen()->fGetControlPanel()->fIsFillMode()) << n;
                             EXPECT_EQ(2, fScreen()->fGetControlPanel()->fGetHintButton().fGetCount()) << n;
                             EXPECT_EQ(0, fScreen()->fGetResult().hintsUsed) << n;
                         });
                         fExpectIndex(s, n, 0);
                         fClick(s, fAtCell(1, 1));
                         fExpectIndex(s, n, 1);
                     }});
    cases.push_back({"a HINT step: a press on its cell starts nothing, the hint button completes it in the press",
                     fFile(fLevel(0, fStep("type=\"HINT\"", {"0 1"}) + fStep("type=\"CELL\"", {"0 1"}))), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fClick(s, fAtCell(0, 1));
                         fCheck(s, n, [](const std::string& n) {
                             EXPECT_FALSE(fSolved(0, 1)) << n;
                             EXPECT_FALSE(fCell(0, 1)->blocked) << n << ": the release gives it back";
                         });
                         fExpectIndex(s, n, 0);
                         s.fDo("to the hint", []() { ZT_SCRIPT::fPushMove(kHint.x, kHint.y); });
                         s.fDo("press", []() { ZT_SCRIPT::fPushButton(kHint.x, kHint.y, SDL_BUTTON_LEFT, true); });
                         fExpectIndex(s, n + " (before the release)", 1);
                         s.fDo("release", []() { ZT_SCRIPT::fPushButton(kHint.x, kHint.y, SDL_BUTTON_LEFT, false); });
                         // The hint flies to the one cell left free.
                         s.fUntil(n + ": the hint opens the cell", []() { return fSolved(0, 1); });
                         fClick(s, fAt(kNowhere));
                         fExpectIndex(s, n, 2, false);
                     }});
    cases.push_back({"MAKERROR and ENDLESS end at the very next release, wherever it is",
                     fFile(fLevel(0, fStep("type=\"MAKERROR\"") + endless + fStep("type=\"CELL\"", {"0 0"}))), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fClick(s, fAt(kNowhere));
                         fExpectIndex(s, n, 1);
                         fClick(s, fAtCell(3, 0)); // a blocked cell
                         fExpectIndex(s, n, 2);
                         fCheck(s, n, [](const std::string& n) { EXPECT_FALSE(fSolved(3, 0)) << n; });
                     }});
    cases.push_back({"a TOOL step is done by the switch, which it never blocks",
                     fFile(fLevel(0, fStep("type=\"TOOL\"") + endless)), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fCheck(s, n, [](const std::string& n) { EXPECT_EQ("chsr", fBlocked()) << n; });
                         fClick(s, fAtCell(2, 2));
                         fExpectIndex(s, n, 0);
                         fClick(s, fAt(kToggle));
                         fExpectIndex(s, n + " (the click's release leaves the next step)", 1);
                         s.fWait(40);
                         fCheck(s, n, [](const std::string& n) {
                             EXPECT_FALSE(fSolved(2, 2)) << n;
                             EXPECT_FALSE(fScreen()->fGetControlPanel()->fIsFillMode()) << n;
                         });
                     }});
    cases.push_back({"a USE_RESET_SELECTION step is done by a drag dropped on the reset area",
                     fFile(fLevel(0, fStep("type=\"USE_RESET_SELECTION\" blockelements=\"false\"") + endless)), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fDrag(s, fAtCell(1, 0), fAt(kReset));
                         fExpectIndex(s, n + " (the drop's release leaves the next step)", 1);
                         fCheck(s, n, [](const std::string& n) { EXPECT_FALSE(fSolved(1, 0)) << n; });
                     }});
    cases.push_back({"a CLICK_STORE step is done by the store button once the hints are spent",
                     fFile(fLevel(0, fStep("type=\"CLICK_STORE\"") + endless)), 0, 0,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fClick(s, fAt(kNowhere));
                         fExpectIndex(s, n + " (a release elsewhere)", 0);
                         fClick(s, fAt(kStore));
                         fExpectIndex(s, n, 1);
                         s.fUntilAtRest("Shop");
                         s.fDo("leave the shop", []() {
                             game::fGetWindowManager()->fHideWindow("Shop", true);
                             fGame()->fResumeGameplay();
                         });
                     }});
    cases.push_back({"a CLICK_BONUS step makes the first open picture cell a bonus and waits for it",
                     fFile(fLevel(0, fStep("type=\"CLICK_BONUS\"") + endless)), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fCheck(s, n, [](const std::string& n) {
                             GG_TUTORIAL_STEP* step = fTutorial().fGetCurrentStep();
                             ASSERT_NE(nullptr, step) << n;
                             EXPECT_EQ(STEP_CELL, step->fGetKind()) << n;
                             ASSERT_EQ(1u, step->fGetCells().size()) << n;
                             EXPECT_EQ(0, step->fGetCells()[0].x) << n;
                             EXPECT_EQ(1, step->fGetCells()[0].y) << n;
                             EXPECT_TRUE(fCell(0, 1)->fIsBonus()) << n;
                         });
                         fClick(s, fAtCell(0, 1));
                         fExpectIndex(s, n, 1);
                     }});
    cases.push_back({"the pause button never advances a step",
                     fFile(fLevel(0, fStep("type=\"TOOL\"") + endless)), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fClick(s, fAt(kPause));
                         s.fUntilAtRest("GP_Menu");
                         fExpectIndex(s, n, 0);
                         fClick(s, []() { return fWidgetPixel("GP_Menu", 1); }); // continue
                         s.fUntil(n + ": the menu closes", []() { return !game::fGetWindowManager()->fIsWindowOpen("GP_Menu"); });
                         fClick(s, fAt(kNowhere));
                         fExpectIndex(s, n, 0);
                     }});
    cases.push_back({"the skip button asks and pauses, and only asks: after no, the step waits as it was",
                     fFile(fLevel(0, fStep("type=\"ENDLESS\"", {}, kSkipPanel) +
                                         fStep("type=\"CELL\"", {"0 0"}, kSkipPanel))), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fClick(s, fAt(kSkip));
                         s.fUntilAtRest("Confirm_Skip_Tutorial");
                         fCheck(s, n, [](const std::string& n) { EXPECT_TRUE(fPaused()) << n; });
                         fExpectIndex(s, n, 0);
                         fClick(s, []() { return fWidgetPixel("Confirm_Skip_Tutorial", 4); });
                         s.fUntil(n + ": the question closes",
                                  []() { return !game::fGetWindowManager()->fIsWindowOpen("Confirm_Skip_Tutorial"); });
                         fCheck(s, n, [](const std::string& n) {
                             EXPECT_FALSE(fPaused()) << n;
                             EXPECT_FALSE(fPlayer()->fGetPassedTutorial()) << n;
                         });
                         fExpectIndex(s, n, 0);
                         fClick(s, fAt(kNowhere));
                         fExpectIndex(s, n, 1);
                     }});
    cases.push_back({"a yes to the skip question finishes at once: all free, flag set and saved",
                     fFile(fLevel(0, fStep("type=\"TOOL\"", {}, kSkipPanel) + endless)), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fClick(s, fAt(kSkip));
                         s.fUntilAtRest("Confirm_Skip_Tutorial");
                         fClick(s, []() { return fWidgetPixel("Confirm_Skip_Tutorial", 3); });
                         s.fUntil(n + ": the question closes",
                                  []() { return !game::fGetWindowManager()->fIsWindowOpen("Confirm_Skip_Tutorial"); });
                         fCheck(s, n, [](const std::string& n) {
                             EXPECT_FALSE(fTutorial().fIsRunning()) << n;
                             EXPECT_EQ("", fBlocked()) << n;
                             EXPECT_FALSE(fPaused()) << n;
                             EXPECT_TRUE(fPlayer()->fGetPassedTutorial()) << n;
                             EXPECT_EQ(1, fSavedPassedTutorial(L"Ada")) << n;
                         });
                     }});
    cases.push_back({"steps for levels 0, 0, 1: the script waits between the levels and finishes on the last",
                     fFile(fLevel(0, endless + endless) + fLevel(1, endless)), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fClick(s, fAt(kNowhere));
                         fExpectIndex(s, n, 1);
                         fClick(s, fAt(kNowhere));
                         fExpectIndex(s, n + " (waiting for level 1)", 2, false);
                         fCheck(s, n, [](const std::string& n) {
                             EXPECT_EQ("", fBlocked()) << n;
                             EXPECT_FALSE(fPlayer()->fGetPassedTutorial()) << n;
                         });
                         s.fDo("level 1", []() {
                             fGame()->fEndLevel();
                             ASSERT_TRUE(fGame()->fStartLevel(1, 0));
                         });
                         s.fWait(6);
                         fExpectIndex(s, n + " (level 1)", 2);
                         fClick(s, fAt(kNowhere));
                         fCheck(s, n, [](const std::string& n) {
                             EXPECT_FALSE(fTutorial().fIsRunning()) << n;
                             EXPECT_TRUE(fPlayer()->fGetPassedTutorial()) << n;
                             EXPECT_EQ(1, fSavedPassedTutorial(L"Ada")) << n;
                         });
                     }});
    cases.push_back({"a level without steps leaves the tutorial stopped and the controls free",
                     fFile(fLevel(1, endless)), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fCheck(s, n, [](const std::string& n) {
                             EXPECT_FALSE(fTutorial().fIsRunning()) << n;
                             EXPECT_EQ("", fBlocked()) << n;
                         });
                         fClick(s, fAtCell(1, 0));
                         fCheck(s, n, [](const std::string& n) { EXPECT_TRUE(fSolved(1, 0)) << n; });
                     }});
    // Files the tutorial cannot follow as written: it goes on without what it cannot use.
    cases.push_back({"cells outside the grid are left out: the step completes on the others",
                     fFile(fLevel(0, fStep("type=\"CELL\"", {"2 3", "9 9", "-1 0"}) + endless)), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fCheck(s, n, [](const std::string& n) {
                             EXPECT_EQ(1u, fTutorial().fGetCurrentStep()->fGetHighlights().size()) << n;
                         });
                         fClick(s, fAtCell(2, 3));
                         fExpectIndex(s, n, 1);
                     }});
    cases.push_back({"a level without a level record is left out; a step of an unknown kind is a CELL step",
                     fFile(fLevel(99, endless) +
                           fLevel(0, fStep("type=\"JUMP\"", {"2 3"}) + fStep("type=\"cell\"") + endless) +
                           "<level>" + endless + "</level>"),
                     0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fCheck(s, n, [](const std::string& n) {
                             const std::vector<GG_TUTORIAL_STEP*>& steps = fTutorial().fGetSteps();
                             ASSERT_EQ(3u, steps.size()) << n;
                             EXPECT_EQ(STEP_CELL, steps[0]->fGetKind()) << n;
                             EXPECT_EQ(STEP_CELL, steps[1]->fGetKind()) << n;
                             EXPECT_EQ(STEP_ENDLESS, steps[2]->fGetKind()) << n;
                             EXPECT_EQ(1u, fTutorial().fGetCurrentStep()->fGetHighlights().size()) << n;
                         });
                         fClick(s, fAtCell(2, 3));
                         fExpectIndex(s, n + " (its cell solved)", 1);
                         fClick(s, fAt(kNowhere));
                         fExpectIndex(s, n + " (no cells listed)", 2);
                         fClick(s, fAt(kNowhere));
                         fCheck(s, n, [](const std::string& n) { EXPECT_TRUE(fPlayer()->fGetPassedTutorial()) << n; });
                     }});
    cases.push_back({"a HINT step without hints to give ends at the release rather than hold for good",
                     fFile(fLevel(0, fStep("type=\"HINT\"", {"0 1"}) + endless)), 0, 0,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fClick(s, fAt(kNowhere));
                         fExpectIndex(s, n, 1);
                     }});
    cases.push_back({"a panel shows its texts as written: nothing in them is taken as a format",
                     fFile(fLevel(0, fStep("type=\"ENDLESS\"", {}, kSkipPanel) + endless)), 0, 2,
                     [](ZT_SCRIPT& s, const std::string& n) {
                         fCheck(s, n, [](const std::string& n) {
                             auto* label = dynamic_cast<ZOR::ZC_GUI_WLABEL*>(
                                 fTutorial().fGetCurrentStep()->fGetPanel()->fFindById(11));
                             ASSERT_NE(nullptr, label) << n;
                             // Labels read "%%" as one '%': each '%' of the text is doubled.
                             EXPECT_EQ(L"100%% sure: %%s %%d %%n %%%%", label->fGetText()) << n;
                         });
                         s.fWait(3); // drawn
                         fClick(s, fAt(kNowhere));
                         fExpectIndex(s, n, 1);
                     }});
    return cases;
}
}

TEST(Tutorial, StepsDoWhatTheyWaitForThroughTheLevelScreen)
{
    fCopyDefaultData();
    const std::vector<ZS_CASE> cases = fCases();
    ZT_SCRIPT s;
    fStartAsNewPlayer(s, 0);
    s.fDo("a text with per cent signs", []() {
        pugi::xml_document row;
        pugi::xml_node r = row.append_child("Row");
        r.append_child("Cell").append_child("Data").text().set("tutorial_test_text");
        r.append_child("Cell").append_child("Data").text().set("100% sure: %s %d %n %%");
        game::fGetStrings()->fReadRows(r);
    });
    for (const ZS_CASE& c : cases)
    {
        s.fDo(c.name + ": set up", [c]() {
            for (ZOR_GF::G_WINDOW* w : std::vector<ZOR_GF::G_WINDOW*>(game::fGetWindowManager()->fGetOpenWindows()))
                game::fGetWindowManager()->fHideWindow(w->fGetName(), true);
            fGame()->fEndLevel();
            fPlayer()->fSetPassedTutorial(false);
            fPlayer()->fSetItemCount("start_hint", c.startHints);
            pugi::xml_document file;
            ASSERT_TRUE(file.load_string(c.file.c_str())) << c.name;
            fTutorial().fLoadXml(file.child("tutorial"));
            ASSERT_TRUE(fGame()->fStartLevel(c.level, 0)) << c.name;
        });
        s.fWait(6);
        c.play(s, c.name);
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(100500, s.fRun(9000));
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ("", s.fStuckAt());
    for (const char* line : {"names the cell (9, 9), which is outside the grid",
                             "names the cell (-1, 0), which is outside the grid",
                             "steps for level 99, which no pack has: they are left out",
                             "unknown type \"JUMP\": it is taken as a CELL step",
                             "unknown type \"cell\": it is taken as a CELL step",
                             "A tutorial level has no \"id\"", "waits for a control that cannot be used now",
                             "blocks the control it waits for"})
        EXPECT_NE(std::string::npos, log.find(line)) << line;
}
