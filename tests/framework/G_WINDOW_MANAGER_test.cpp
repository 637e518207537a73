// The window manager: the stack by layer, input from the top down to the first taker or a
// modal window, the update pass that drops hidden windows, resources, and window files that
// make no window.
#include "ZT_WINDOWS.h"

using namespace ZT_WIN;

namespace
{
// Where the probes' pictures are (window centre plus the picture's offset), and a spot that
// no widget covers.
const int kFiveA[2] = {212, 184};
const int kNowhere[2] = {700, 400};

struct Manager : ZT_WINDOWS
{
    void SetUp() override
    {
        ZT_WINDOWS::SetUp();
        fLoadScenes();
    }
    // Shown and settled (the probes jump into place in one update).
    ZT_PROBE* fOpen(const char* name)
    {
        manager->fShowWindow(name, false);
        fFrames(1);
        return fWindow(name);
    }
};
}

TEST_F(Manager, NewestOfALayerLiesOnTopAndHigherLayersAbove)
{
    const struct
    {
        const char* shown;
        std::vector<std::string> stack;
    } steps[] = {
        {"Five_A", {"Five_A"}},
        {"Five_B", {"Five_B", "Five_A"}},
        {"Six", {"Six", "Five_B", "Five_A"}},
        {"Four", {"Six", "Five_B", "Five_A", "Four"}},
        {"Five_A", {"Six", "Five_B", "Five_A", "Four"}}, // open already: nothing moves
    };
    for (const auto& s : steps)
    {
        EXPECT_EQ(manager->fShowWindow(s.shown, false), manager->fFindWindow(s.shown));
        EXPECT_EQ(fOpenNames(), s.stack) << s.shown;
    }
    EXPECT_EQ(fWindow("Five_A")->showBegins, 1) << "an open window is not shown again";
    EXPECT_TRUE(fWindow("Five_A")->fIsLoaded()) << "resources come before the show";

    EXPECT_EQ(manager->fShowWindow("five_a", false), nullptr) << "names match byte for byte";
    EXPECT_EQ(manager->fHideWindow("Zero", false), nullptr) << "not open";
    EXPECT_EQ(manager->fFindOpenWindow("Zero"), nullptr);
    EXPECT_NE(manager->fFindWindow("Zero"), nullptr);
    EXPECT_FALSE(manager->fIsWindowOpen("Zero"));
    EXPECT_EQ(manager->fAcquireWindowResources("Nobody"), nullptr);

    manager->fHideAll();
    fFrames(5);
    EXPECT_TRUE(fOpenNames().empty());
}

TEST_F(Manager, AModalWindowStopsInputToTheWindowsBelowIt)
{
    ZT_PROBE* zero = fOpen("Zero");
    ZT_PROBE* five = fOpen("Five_A");
    manager->fShowWindow("Modal_Two", false);
    ZT_PROBE* modal = fWindow("Modal_Two");
    // The activation pass ran with the modal window on top, before the sort put the layer-5
    // window back above it.
    EXPECT_TRUE(modal->fIsActive());
    EXPECT_FALSE(five->fIsActive());
    EXPECT_FALSE(zero->fIsActive());
    EXPECT_EQ(fOpenNames(), (std::vector<std::string>{"Five_A", "Modal_Two", "Zero"}));
    fFrames(1);

    fPointer(kNowhere[0], kNowhere[1]);
    fPress();
    EXPECT_EQ(five->keyDowns, 1) << "the layer-5 window is asked first";
    EXPECT_EQ(modal->keyDowns, 1) << "and answered nothing";
    EXPECT_EQ(zero->keyDowns, 0) << "nothing below the modal window";
    fRelease();

    fPointer(kFiveA[0], kFiveA[1]);
    fPress();
    EXPECT_EQ(five->keyDowns, 2);
    EXPECT_EQ(modal->keyDowns, 1) << "the layer-5 window's picture took it";
    fRelease();
    EXPECT_EQ(five->clicks, std::vector<int>{1});

    // The modal window leaves in the update that ends its hide, and the windows below are
    // active again from that pass on.
    manager->fHideWindow("Modal_Two", false);
    fFrames(1);
    EXPECT_EQ(fOpenNames(), (std::vector<std::string>{"Five_A", "Zero"}));
    EXPECT_TRUE(five->fIsActive());
    EXPECT_TRUE(zero->fIsActive());
    fPointer(kNowhere[0], kNowhere[1]);
    fPress();
    EXPECT_EQ(zero->keyDowns, 1);
}

TEST_F(Manager, AKeyWhileAWindowSlidesInStopsThereAndWhileItSlidesOutGoesPast)
{
    ZT_PROBE* five = fOpen("Five_A");
    manager->fShowWindow("Slide", false);
    ZT_PROBE* slide = fWindow("Slide");
    fFrames(3);
    fPointer(kFiveA[0], kFiveA[1]);
    fPress();
    fRelease();
    EXPECT_EQ(slide->keyDowns, 1);
    EXPECT_EQ(slide->keyUps, 1);
    EXPECT_EQ(five->keyDowns, 0) << "-109 from the sliding window";
    EXPECT_EQ(five->keyUps, 0);
    EXPECT_TRUE(five->clicks.empty());

    fFrames(6);
    ASSERT_FALSE(slide->fIsAnimating());
    fPress();
    fRelease();
    EXPECT_EQ(five->clicks, std::vector<int>{1}) << "once the slide is over";

    // On its way out it keeps nothing from the windows below, and takes nothing itself.
    manager->fHideWindow("Slide", false);
    fFrames(1);
    ASSERT_TRUE(slide->fIsAnimating());
    fPress();
    fRelease();
    EXPECT_EQ(five->clicks, (std::vector<int>{1, 1})) << "a click on the window below during the slide out";
    EXPECT_EQ(slide->keyDowns, 3);
    EXPECT_TRUE(slide->clicks.empty());
}

TEST_F(Manager, AClickThatSendsAWindowAwayIsItsOwnAlone)
{
    ZT_PROBE* five = fOpen("Five_A");
    ZT_PROBE* slide = fOpen("Slide");
    fFrames(8);
    ASSERT_FALSE(slide->fIsAnimating());
    slide->fSetGuiClickCallback(WE_GUI_CLICK, slide, [](void* w, int) { static_cast<G_WINDOW*>(w)->fHide(false); });
    const ZS_VECTOR3 at = slide->fGetGui()->fFindById(1)->fGetTransform()->fCompose().position;
    fPointer(int(at.x), int(at.y));
    fPress();
    fRelease();
    EXPECT_EQ(slide->clicks, std::vector<int>{1});
    EXPECT_TRUE(slide->fIsHiding());
    EXPECT_EQ(five->keyUps, 0) << "the release that hid it went no further";
}

TEST_F(Manager, TheFrameInWhichAHideEndsUpdatesNoWindowBelow)
{
    ZT_PROBE* four = fOpen("Four");
    ZT_PROBE* five = fOpen("Five_A");
    ZT_PROBE* six = fOpen("Six");
    const int fourBefore = four->updates, fiveBefore = five->updates;
    manager->fHideWindow("Six", false);
    EXPECT_TRUE(manager->fIsWindowOpen("Six")) << "open while it hides";
    fFrames(1);
    EXPECT_EQ(six->hiddens, 1);
    EXPECT_FALSE(manager->fIsWindowOpen("Six"));
    EXPECT_EQ(four->updates, fourBefore);
    EXPECT_EQ(five->updates, fiveBefore);
    fFrames(1);
    EXPECT_EQ(four->updates, fourBefore + 1);
    EXPECT_EQ(five->updates, fiveBefore + 1);
}

TEST_F(Manager, ShowingAWindowThatIsHidingChangesNothing)
{
    ZT_PROBE* slide = fWindow("Slide");
    manager->fShowWindow("Slide", false);
    fFrames(9);
    manager->fHideWindow("Slide", false);
    fFrames(2);
    EXPECT_EQ(manager->fShowWindow("Slide", false), slide);
    EXPECT_EQ(slide->showBegins, 1);
    fFrames(6);
    EXPECT_EQ(slide->hiddens, 1);
    EXPECT_FALSE(manager->fIsWindowOpen("Slide"));
    EXPECT_FALSE(slide->fIsOpen());
}

TEST_F(Manager, AWindowShownAgainFromItsHiddenEventIsListedOnce)
{
    ZT_PROBE* five = fOpen("Five_A");
    five->fSetEventCallback(WE_HIDDEN, manager.get(),
                            [](void* m) { static_cast<G_WINDOW_MANAGER*>(m)->fShowWindow("Five_A", false); });
    manager->fHideWindow("Five_A", false);
    fFrames(2);
    EXPECT_EQ(five->hiddens, 1);
    EXPECT_EQ(five->showBegins, 2);
    EXPECT_EQ(fOpenNames(), std::vector<std::string>{"Five_A"});
    EXPECT_TRUE(five->fIsOpen());
}

TEST_F(Manager, RefreshReachesClosedWindowsAndReleasesWaitForAnimations)
{
    fOpen("Five_A");
    manager->fShowWindow("Slide", false);
    manager->fRefreshAll();
    EXPECT_EQ(fWindow("Zero")->refreshes, 1) << "also a window that was never shown";
    EXPECT_EQ(fWindow("Five_A")->refreshes, 1);

    EXPECT_EQ(fUsers("panel.png"), 1);
    EXPECT_EQ(fUsers("line.png"), 1);
    manager->fReleaseAllResources(false);
    EXPECT_EQ(fUsers("panel.png"), 0) << "released and collected at once";
    EXPECT_FALSE(fWindow("Five_A")->fIsLoaded());
    EXPECT_EQ(fUsers("line.png"), 1) << "the sliding window waits";
    EXPECT_TRUE(fWindow("Slide")->fIsReleaseDeferred());

    fFrames(9);
    EXPECT_EQ(fUsers("line.png"), 1) << "not when the show ends";
    manager->fHideWindow("Slide", false);
    fFrames(8);
    EXPECT_FALSE(fWindow("Slide")->fIsLoaded());
    EXPECT_EQ(fUsers("line.png"), 0);
}

// A scene that comes behind a fade loads after the closed windows have handed theirs back:
// the open one keeps its pictures, a closed one comes back loaded when shown again.
TEST_F(Manager, ReleasingTheClosedWindowsKeepsTheOpenOnesLoaded)
{
    fOpen("Five_A");
    manager->fHideWindow("Five_A", true);
    fFrames(2);
    ASSERT_FALSE(fWindow("Five_A")->fIsOpen());
    manager->fShowWindow("Slide", false);
    fFrames(9);
    manager->fReleaseClosedResources();
    EXPECT_FALSE(fWindow("Five_A")->fIsLoaded());
    EXPECT_EQ(fUsers("panel.png"), 0) << "released and collected at once";
    EXPECT_TRUE(fWindow("Slide")->fIsLoaded());
    EXPECT_EQ(fUsers("line.png"), 1);
    fOpen("Five_A");
    EXPECT_TRUE(fWindow("Five_A")->fIsLoaded());
    EXPECT_EQ(fUsers("panel.png"), 1);
}

TEST_F(Manager, WindowFilesThatMakeNoWindowAreReportedAndLeftOut)
{
    G_WINDOW_MANAGER broken(fTestFactory);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(broken.fLoadScenes("scenes_broken.xml"));
    const std::string log = testing::internal::GetCapturedStderr();
    ASSERT_EQ(broken.fGetAllWindows().size(), 1u);
    EXPECT_EQ(broken.fGetAllWindows()[0]->fGetName(), "Five_A");
    const char* reports[] = {
        "\"missing.xml\": no such file",
        "\"broken_malformed.xml\": not well-formed XML",
        "\"broken_widget.xml\": GUI element <SPINNER> makes no widget",
        "\"broken_nested.xml\": an element in the CONTEXT of <IMAGE> makes no widget",
        "\"broken_type.xml\": the window factory made no window of type \"NO_SUCH_WINDOW\"",
    };
    for (const char* report : reports)
        EXPECT_NE(log.find(report), std::string::npos) << report << "\nin:\n" << log;
    EXPECT_EQ(broken.fShowWindow("Spinner", false), nullptr);
    EXPECT_EQ(fUsers("broken_widget.xml"), 0) << "the document went back";
    EXPECT_EQ(fUsers("broken_malformed.xml"), 0);

    testing::internal::CaptureStderr();
    EXPECT_FALSE(broken.fLoadScenes("no_scenes.xml"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("scenes file \"no_scenes.xml\": no such file"),
              std::string::npos);
    EXPECT_EQ(broken.fGetAllWindows().size(), 1u);
}

// A window that goes takes every callback carrying it out of the windows that remain: a fade
// shown for it, a question asked for it and a name box answering it call nobody afterwards.
TEST_F(Manager, AWindowThatGoesLeavesNoCallbackCarryingIt)
{
    static int calls = 0;
    calls = 0;
    auto owner = fMake("<window _name=\"GP_Finish\" _typeOpen=\"SH_MOMENTAL\"/>");
    G_WINDOW* fade = manager->fShowWindow("Five_A", false);
    fade->fSetEventCallback(WE_SHOWN, owner.get(), [](void*) { ++calls; });
    fade->fSetEventCallback(WE_HIDDEN, &calls, [](void* n) { ++*static_cast<int*>(n); });
    auto* question = fWindow<G_WINDOW_CONFIRM>("Confirm_Delete");
    question->fSetAnswerCallback(owner.get(), [](void*, bool) { ++calls; });
    question->fSetResultCallback(owner.get(), [](void*, int) { ++calls; });
    auto* nameBox = fWindow<G_WINDOW_EDITBOX>("Enter_Name");
    ASSERT_NE(nameBox, nullptr);
    nameBox->fSetResultCallback([](void*, bool, const std::wstring&) { ++calls; }, owner.get());

    owner.reset();
    fFrames(1);
    question->fHandleAnswer(G_WINDOW_CONFIRM::ID_YES);
    nameBox->fHandleAnswer(G_WINDOW_EDITBOX::ID_CANCEL);
    EXPECT_EQ(calls, 0) << "nothing carried the window that went";
    manager->fHideWindow("Five_A", true);
    fFrames(2);
    EXPECT_EQ(calls, 1) << "a callback carrying something else stays";
}
