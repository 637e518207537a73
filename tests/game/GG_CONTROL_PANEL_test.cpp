// The level controls driven by the pointer as the level screen hands it over: the tool switch,
// the hint button's slide and hint, the store button, the pause button and its menu, the
// reset-selection area and its feedback window, the listeners, controls blocked for a
// tutorial step, and control files that are missing or broken.
#include "game/puzzle/GG_CONTROL_PANEL.h"

#include <gtest/gtest.h>

#include "ZT_LEVEL_HUD.h"
#include "engine/gui/ZC_GUI_BUTTON.h"

using namespace ZOR;
using namespace game;
using namespace ZT_HUD;

namespace
{
// Hears the panel as the tutorial does.
struct ZT_LISTENER : cControlDelegate
{
    std::vector<std::string>* log = nullptr;
    std::string name;
    void fOnStoreButton() override { log->push_back(name + " store"); }
    void fOnHintButton() override { log->push_back(name + " hint"); }
    void fOnCheckModeToggle() override { log->push_back(name + " toggle"); }
    void fOnPauseButton() override { log->push_back(name + " pause"); }
    void fOnResetSelection() override { log->push_back(name + " reset"); }
};

class Controls : public ZT_LEVEL_HUD
{
protected:
    void SetUp() override
    {
        ZT_LEVEL_HUD::SetUp();
        if (HasFatalFailure())
            return;
        listener.log = &heard;
        listener.name = "tutorial";
    }
    void TearDown() override
    {
        if (panel)
            panel->fUnloadResources();
        panel.reset();
        ZT_LEVEL_HUD::TearDown();
    }

    // The panel as the level screen makes it: the hint button's hint takes one hint away, the
    // reset area's cancel ends the selection's highlight.
    bool fMakePanel()
    {
        panel = std::make_unique<GG_CONTROL_PANEL>(this, &Controls::fUseHint, this, &Controls::fCancel);
        const bool loaded = panel->fLoadXml();
        panel->fAddListener(&listener);
        panel->fLoadResources();
        return loaded;
    }
    static void fUseHint(void* self)
    {
        Controls* test = static_cast<Controls*>(self);
        test->heard.push_back("hint used");
        test->hints -= 1;
        test->panel->fSetHints(test->hints);
    }
    static void fCancel(void* self)
    {
        Controls* test = static_cast<Controls*>(self);
        test->heard.push_back("selection dropped");
        test->panel->fEndSelectionHighlight();
    }

    void fPointerTo(int x, int y)
    {
        fMoveTo(x, y);
        panel->fOnMouseMove();
    }
    int fPressAt(int x, int y, int key = 1)
    {
        fPointerTo(x, y);
        fKeyDown(key);
        return panel->fOnKeyDown(key);
    }
    int fRelease(int key = 1)
    {
        fKeyUp(key);
        return panel->fOnKeyUp(key);
    }
    void fFrames(int n)
    {
        for (int i = 0; i < n; ++i)
        {
            panel->fUpdate();
            manager->fUpdate();
        }
    }
    // Long enough for any slide or colour change to end.
    void fSettle() { fFrames(8); }
    void fDrawControls()
    {
        fDraw([this] {
            panel->fDrawHintButton();
            panel->fDrawStoreButton();
            panel->fDrawResetSelection();
            panel->fDrawToggle();
            panel->fDrawPause();
        });
    }
    bool fOpen(const char* name) const { return manager->fIsWindowOpen(name); }

    std::unique_ptr<GG_CONTROL_PANEL> panel;
    ZT_LISTENER listener;
    std::vector<std::string> heard;
    int hints = 0;
};

using Strings = std::vector<std::string>;
}

TEST_F(Controls, TheToolSwitchTurnsOnThePressAndTellsTheListeners)
{
    ASSERT_TRUE(fMakePanel());
    EXPECT_TRUE(panel->fIsFillMode());
    fDrawControls();
    EXPECT_TRUE(fShows(680, 300, ZT_GUI::kYellow)) << "the knob over the fill half";

    EXPECT_EQ(fPressAt(700, 300), -109);
    EXPECT_FALSE(panel->fIsFillMode());
    EXPECT_EQ(heard, Strings{"tutorial toggle"});
    fRelease();
    fSettle();
    fDrawControls();
    EXPECT_TRUE(fShows(721, 300, ZT_GUI::kYellow)) << "the knob over the cross half";
    EXPECT_TRUE(fShows(680, 300, ZT_GUI::kGrey));

    // A press beside it is not the switch's.
    EXPECT_EQ(fPressAt(600, 300), 0);
    EXPECT_EQ(heard.size(), 1u);
    // Every level starts with the fill tool.
    panel->fSetFillMode();
    EXPECT_TRUE(panel->fIsFillMode());
}

TEST_F(Controls, AHintPressSlidesTheButtonOutThenStartsTheHint)
{
    ASSERT_TRUE(fMakePanel());
    hints = 2;
    panel->fSetHints(hints);
    fSettle();
    fDrawControls();
    EXPECT_TRUE(fShows(500, 600, kHintFrames[2]));
    EXPECT_TRUE(fShows(486, 600, kGlow)) << "the glow behind it";

    // The right button does nothing.
    EXPECT_EQ(fPressAt(500, 600, 2), 0);
    fRelease(2);
    EXPECT_TRUE(heard.empty());

    EXPECT_EQ(fPressAt(500, 600), -109);
    fRelease();
    EXPECT_EQ(heard, Strings{"tutorial hint"});
    EXPECT_FALSE(panel->fGetHintButton().fIsInPlay());
    // A second press while it slides is ignored.
    fFrames(2);
    EXPECT_EQ(fPressAt(500, 600), 0);
    fRelease();
    EXPECT_EQ(heard, Strings{"tutorial hint"});
    // Out of view (one picture height down): the hint starts, the count drops to one, and the
    // button slides back in and takes presses again.
    fFrames(3);
    EXPECT_EQ(heard, (Strings{"tutorial hint", "hint used"}));
    EXPECT_TRUE(panel->fGetHintButton().fIsInPlay());
    fSettle();
    EXPECT_EQ(panel->fGetHintButton().fGetButtonSprite().transform->position.y, 0.0f);
    fDrawControls();
    EXPECT_TRUE(fShows(500, 600, kHintFrames[1]));
    EXPECT_TRUE(panel->fGetStoreButton().fIsHidden());
}

TEST_F(Controls, AHintGrantedAfterTheButtonWentOutCanBeUsed)
{
    // A restart with no hints slides the button out, and nobody frees it afterwards.
    ASSERT_TRUE(fMakePanel());
    panel->fSetBlocked(false, false, false, false);
    panel->fSetHints(0);
    fSettle();
    // A free hint later in the level.
    panel->fSetHints(hints = 1);
    fSettle();
    EXPECT_EQ(fPressAt(500, 600), -109);
    fSettle();
    EXPECT_EQ(heard, (Strings{"tutorial hint", "hint used"}));
    // A block set for a tutorial step outlasts a slide in.
    panel->fSetBlocked(true, false, false, false);
    panel->fSetHints(hints = 2);
    fSettle();
    EXPECT_EQ(fPressAt(500, 600), 0);
}

TEST_F(Controls, HintCountsShowTheirFrameAndOnlyThereAreFramesFor)
{
    ASSERT_TRUE(fMakePanel());
    // No hints: nothing is drawn and a press is refused.
    fDrawControls();
    EXPECT_TRUE(fShows(500, 600, kBackground));
    EXPECT_EQ(fPressAt(500, 600), 0);
    fRelease();
    // Counts past the picture's last frame show the last frame.
    for (int count : {1, 4, 5, 9})
    {
        SCOPED_TRACE(count);
        panel->fSetHints(count);
        fSettle();
        fDrawControls();
        EXPECT_TRUE(fShows(500, 600, kHintFrames[count < 4 ? count : 4]));
    }
    EXPECT_TRUE(heard.empty());
}

TEST_F(Controls, TheStoreButtonOpensTheShopOnlyWhileTheLevelHasNoHints)
{
    ASSERT_TRUE(fMakePanel());
    panel->fSetHints(3);
    fSettle();
    fDrawControls();
    EXPECT_TRUE(fShows(600, 600, kBackground)) << "hidden";
    EXPECT_EQ(fPressAt(600, 600), 0);
    fRelease();
    EXPECT_FALSE(fOpen("Shop"));
    EXPECT_EQ(ZT_SHELL_LOG::fPauses(), 0);

    panel->fSetHints(0);
    fSettle();
    fDrawControls();
    EXPECT_TRUE(fShows(600, 600, ZT_GUI::kOrange));
    EXPECT_EQ(fPressAt(600, 600), -109);
    EXPECT_TRUE(fOpen("Shop")) << "on the press";
    EXPECT_EQ(ZT_SHELL_LOG::fPauses(), 1);
    EXPECT_EQ(heard, Strings{"tutorial store"});
}

TEST_F(Controls, AnEditionWithoutTheStoreButtonHasNone)
{
    ZT_SHELL_LOG::fStoreButton() = false;
    ASSERT_TRUE(fMakePanel());
    EXPECT_EQ(panel->fGetStoreButton().fGetButton(), nullptr);
    panel->fSetHints(0);
    fSettle();
    fDrawControls();
    EXPECT_TRUE(fShows(600, 600, kBackground));
    EXPECT_EQ(fPressAt(600, 600), 0);
    EXPECT_FALSE(fOpen("Shop"));
}

TEST_F(Controls, PauseIsPressedThenOpensTheMenuOnTheRelease)
{
    ASSERT_TRUE(fMakePanel());
    // Tutorial steps cannot block it.
    panel->fSetBlocked(true, true, true, true);
    EXPECT_EQ(fPressAt(950, 50), -109);
    EXPECT_EQ(heard, Strings{"tutorial pause"});
    EXPECT_FALSE(fOpen("GP_Menu"));
    EXPECT_EQ(ZT_SHELL_LOG::fPauses(), 0);
    fRelease();
    EXPECT_TRUE(fOpen("GP_Menu"));
    EXPECT_EQ(ZT_SHELL_LOG::fPauses(), 1);
}

TEST_F(Controls, WithoutTheirWindowThePauseAndStoreButtonsLeaveTheLevelRunning)
{
    ASSERT_TRUE(fMakePanel());
    panel->fSetHints(0);
    fSettle();
    G_WINDOW_MANAGER bare(ZT_WIN::fTestFactory);
    ZT_SHELL_LOG::fManager() = &bare;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(fPressAt(950, 50), -109);
    fRelease();
    EXPECT_EQ(fPressAt(600, 600), -109);
    fRelease();
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(ZT_SHELL_LOG::fPauses(), 0) << "nothing would resume the level";
    EXPECT_NE(log.find("no window \"GP_Menu\""), std::string::npos) << log;
    EXPECT_NE(log.find("no window \"Shop\""), std::string::npos) << log;
    EXPECT_EQ(heard, (Strings{"tutorial pause", "tutorial store"}));
    ZT_SHELL_LOG::fManager() = manager.get();
}

TEST_F(Controls, TheResetAreaGlowsUnderADragAndDropsTheSelectionReleasedOverIt)
{
    ASSERT_TRUE(fMakePanel());
    GG_RESET_SELECTION& reset = panel->fGetResetSelection();
    fFrames(2);
    fDrawControls();
    EXPECT_TRUE(fShows(897, 400, 0xFF282828)) << "at rest";

    panel->fStartSelectionHighlight();
    fPointerTo(700, 500);
    fSettle();
    fDrawControls();
    EXPECT_TRUE(fShows(897, 400, 0xFF00A000)) << "ready during a drag";
    // Over it: the end colour and its animation; away: back; over again: once more.
    fPointerTo(900, 400);
    EXPECT_TRUE(reset.fIsHovered());
    EXPECT_TRUE(reset.fGetArea().fIsPlaying());
    fSettle();
    fDrawControls();
    EXPECT_TRUE(fShows(897, 400, 0xFF7D0000)) << "the end colour on the animation's last frame (grey)";
    fPointerTo(700, 500);
    EXPECT_FALSE(reset.fIsHovered());
    fSettle();
    fDrawControls();
    EXPECT_TRUE(fShows(897, 400, 0xFF006400));
    fPointerTo(905, 405);
    EXPECT_TRUE(reset.fGetArea().fIsPlaying());
    EXPECT_EQ(reset.fGetArea().fGetCurrent(), 0);

    // Released over it: the selection is dropped and the listeners hear it.
    fRelease();
    EXPECT_EQ(heard, (Strings{"selection dropped", "tutorial reset"}));
    EXPECT_FALSE(reset.fIsDragging());
    fSettle();
    fDrawControls();
    EXPECT_TRUE(fShows(897, 400, 0xFF191919)) << "back at rest";

    // A drag released elsewhere is the level screen's to judge.
    heard.clear();
    panel->fStartSelectionHighlight();
    fPointerTo(700, 500);
    EXPECT_EQ(fRelease(), 0);
    EXPECT_TRUE(heard.empty());
}

TEST_F(Controls, AReleaseOverTheResetAreaWithoutADragShowsHowItWorksBriefly)
{
    ASSERT_TRUE(fMakePanel());
    fPointerTo(900, 400);
    fRelease();
    EXPECT_TRUE(fOpen("GP_FeedBack_Reset"));
    EXPECT_TRUE(heard.empty());
    // Once shown it hides itself again.
    fFrames(4);
    EXPECT_FALSE(fOpen("GP_FeedBack_Reset"));
    // A later showing of the window (by anyone else) is not hidden by the old callback.
    manager->fShowWindow("GP_FeedBack_Reset", true);
    fFrames(4);
    EXPECT_TRUE(fOpen("GP_FeedBack_Reset"));
}

TEST_F(Controls, ControlsBlockedForATutorialStepRefuseTheirInput)
{
    ASSERT_TRUE(fMakePanel());
    hints = 2;
    panel->fSetHints(hints);
    fSettle();
    panel->fSetBlocked(true, true, true, true);

    EXPECT_EQ(fPressAt(700, 300), 0);
    EXPECT_TRUE(panel->fIsFillMode()) << "the switch stays";
    fRelease();
    EXPECT_EQ(fPressAt(500, 600), 0);
    fRelease();
    fFrames(4);
    EXPECT_EQ(panel->fGetHintButton().fGetCount(), 2) << "no hint";
    panel->fStartSelectionHighlight();
    fPointerTo(900, 400);
    EXPECT_EQ(fRelease(), 0);
    EXPECT_TRUE(heard.empty());
    fDrawControls();
    EXPECT_TRUE(fShows(897, 400, kBackground)) << "a blocked reset area is not shown";
    EXPECT_TRUE(fShows(680, 300, ZT_GUI::kYellow)) << "a blocked switch still is";

    // The store button, blocked while it shows.
    panel->fSetHints(0);
    fSettle();
    EXPECT_EQ(fPressAt(600, 600), 0);
    EXPECT_FALSE(fOpen("Shop"));

    // Freed at the next level start.
    panel->fSetBlocked(false, false, false, false);
    panel->fSetHints(hints = 1);
    fSettle();
    EXPECT_EQ(fPressAt(700, 300), -109);
    EXPECT_EQ(fPressAt(500, 600), -109);
    EXPECT_EQ(heard, (Strings{"tutorial toggle", "tutorial hint"}));
}

TEST_F(Controls, EveryListenerHearsEachPressOnceInTheOrderAdded)
{
    ASSERT_TRUE(fMakePanel());
    ZT_LISTENER second;
    second.log = &heard;
    second.name = "second";
    panel->fAddListener(&second);
    panel->fAddListener(&listener);
    panel->fAddListener(nullptr);
    EXPECT_EQ(panel->fGetListeners().size(), 2u);
    fPressAt(950, 50);
    EXPECT_EQ(heard, (Strings{"tutorial pause", "second pause"}));
}

TEST_F(Controls, ABrokenControlFileLeavesOutThatControlAndSaysSo)
{
    const struct
    {
        const char* file;
        std::string text; // empty: the file is missing
        const char* logged;
        bool pauseWorks, toggleLoaded, storeLoaded;
    } cases[] = {
        {"GameProcess hint_button.xml", "", "hint_button.xml\" is missing", true, true, true},
        {"GameProcess hint_button.xml", "<hint><hint><FILE>glow.png</FILE></hint></hint>", "\"button_sprite\"", true,
         true, true},
        {"GameProcess pause.xml", "<pause/>", "pause.xml\" has no \"BUTTON5\"", false, true, true},
        {"GameProcess pause.xml", "<pause><BUTTON5 ID=\"1\"/></pause>", "makes no button", false, true, true},
        {"GameProcess store_button.xml", "<store><BUTTON5 ID=\"1\"/></store>", "makes no button", true, true, false},
        {"GameProcess reset_selection.xml", "", "reset_selection.xml\" is missing", true, true, true},
        {"GameProcess ambient.xml", fAmbientXml({{"check_mode", ""}}), "\"check_mode\"", true, false, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.file) + ": " + (c.text.empty() ? "missing" : c.text));
        for (const auto& file : fControlFiles())
            fRewrite(file.first, file.second);
        fRewrite(c.file, c.text, c.text.empty());
        ::testing::internal::CaptureStderr();
        if (panel)
            panel->fUnloadResources();
        const bool loaded = fMakePanel();
        const std::string log = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(log.find(c.logged), std::string::npos) << log;
        // The store file loads without a button; every other broken file fails the load.
        EXPECT_EQ(loaded, std::string(c.file) == "GameProcess store_button.xml");
        EXPECT_EQ(panel->fGetPause().fGetButton() != nullptr, c.pauseWorks);
        EXPECT_EQ(panel->fGetToggle().fGetWidget() != nullptr, c.toggleLoaded);
        EXPECT_EQ(panel->fGetStoreButton().fGetButton() != nullptr, c.storeLoaded);
        // What is left works and nothing crashes.
        heard.clear();
        panel->fSetHints(0);
        fSettle();
        fDrawControls();
        EXPECT_EQ(fPressAt(950, 50), c.pauseWorks ? -109 : 0);
        fRelease();
        EXPECT_EQ(fOpen("GP_Menu"), c.pauseWorks);
        manager->fHideAll();
        fFrames(2);
        EXPECT_EQ(fPressAt(700, 300), c.toggleLoaded ? -109 : 0);
        fRelease();
        fSettle();
        panel->fStartSelectionHighlight();
        fPointerTo(900, 400);
        fRelease();
        panel->fEndSelectionHighlight();
        if (!c.toggleLoaded)
        {
            EXPECT_TRUE(panel->fIsFillMode()) << "always fill without a switch";
        }
    }
}
