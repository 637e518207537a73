// The options window and the credits on the default data set, in the real game: the window at
// rest showing the player's settings, what each control does at once, cancel putting back what
// was set, and OK keeping the settings over a restart.
#include "game/ZT_GAME_RUN.h"

#include "engine/gui/ZC_GUI_CHECKBOX.h"
#include "engine/gui/ZC_GUI_SIMPLE_SLIDER.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/soundbanks/ZC_SOUND_MANAGER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_WINDOW_OPTIONS.h"

using namespace ZT_GAME;
using namespace game;

namespace
{
const uint32_t kPaper = 0xFFF2E5CA, kRibbon = 0xFFF58D72, kTealTrack = 0xFF26B0A3, kEmptyTrack = 0xFF5C5F7D,
               kCoral = 0xFFFE8565, kVeiled = 0xFF171A3D;
const int kTolerance = 28;

float fGroupVolume(const char* group)
{
    const ZS_SOUND_GROUP* g = fGetSoundManager() ? fGetSoundManager()->fFindGroup(group) : nullptr;
    return g ? g->volume : -1.0f;
}

ZC_GUI_SIMPLE_SLIDER* fSlider(int id)
{
    GG_WINDOW_OPTIONS* w = fWindow<GG_WINDOW_OPTIONS>("Options");
    return w ? dynamic_cast<ZC_GUI_SIMPLE_SLIDER*>(w->fGetGui()->fFindById(id)) : nullptr;
}

bool fBoxChecked(int id)
{
    GG_WINDOW_OPTIONS* w = fWindow<GG_WINDOW_OPTIONS>("Options");
    auto* box = w ? dynamic_cast<ZC_GUI_CHECKBOX_INTERFACE*>(w->fGetGui()->fFindById(id)) : nullptr;
    return box && box->fIsChecked();
}

// The runner's middle on the screen.
ZS_VECTOR2 fRunner(int id)
{
    const ZS_TRANSFORM3 world = fSlider(id)->fGetRunner()->fGetTransform()->fCompose();
    return ZS_VECTOR2(world.position.x, world.position.y);
}

// Presses the runner, drags it to the screen x, runs the check while the button is still down,
// then releases.
void fDragRunner(ZT_SCRIPT& script, int id, int toX, std::function<void()> whileHeld)
{
    auto at = std::make_shared<ZS_VECTOR2>();
    script.fDo([=] {
        *at = fRunner(id);
        ZT_SCRIPT::fMoveTo(int(at->x) - 1, int(at->y));
    });
    script.fDo([at] { ZT_SCRIPT::fMoveTo(int(at->x), int(at->y)); });
    script.fDo([] { ZT_SCRIPT::fButton(true); });
    for (int i = 1; i <= 4; ++i)
        script.fDo([=] { ZT_SCRIPT::fMoveTo(int(at->x) + (toX - int(at->x)) * i / 4, int(at->y)); });
    script.fDo(std::move(whileHeld));
    script.fDo([] { ZT_SCRIPT::fButton(false); });
    script.fWaitFrames(2);
}

// What the game holds for the current player and the screen.
struct ZS_STATE
{
    float music = -1, sounds = -1, musicGroup = -1, soundsGroup = -1;
    bool cursor = false, gameCursorDrawn = false, fullScreen = false, windowFullScreen = false;

    static ZS_STATE fRead()
    {
        ZS_STATE s;
        const GG_PLAYER* p = fGetPlayers()->fGetCurrentPlayer();
        s.music = p->fGetMusicVolume();
        s.sounds = p->fGetSoundVolume();
        s.musicGroup = fGroupVolume("music");
        s.soundsGroup = fGroupVolume("sounds");
        s.cursor = p->fGetGameCursor();
        s.gameCursorDrawn = fGetGameInstance()->fGetCursor().fIsEnabled() && !zcGAME_WINDOW->fIsCursorShown();
        s.fullScreen = fIsFullScreen();
        s.windowFullScreen = zcGAME->fullScreen;
        return s;
    }
};

class OptionsWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fCopyDefaultData();
        // The help window comes with its own screen; a stand-in shows that options opens it.
        fAddStandInWindow("Help", 65);
        testing::internal::CaptureStderr();
    }
    void TearDown() override { testing::internal::GetCapturedStderr(); }

    // Title at rest with Ada current (music 50, sounds 80, the game's cursor, windowed), then
    // the title's options button: the options window at rest.
    static void fOpenOptions(ZT_SCRIPT& script, bool makePlayer = true)
    {
        script.fWaitForTitle();
        if (makePlayer)
            script.fDo([] {
                GG_PLAYER* ada = fGetGameInstance()->fCreatePlayer(L"Ada");
                ada->fSetMusicVolume(50);
                ada->fSetSoundVolume(80);
                fGetGameInstance()->fSetPlayer(ada);
                fGetGameInstance()->fSave();
            });
        script.fClickWidget("Title", 2).fWaitForWindow("Options");
    }
    static void fRun(ZT_SCRIPT& script)
    {
        bool finished = false;
        EXPECT_EQ(100500, fRunGame(script, &finished));
        EXPECT_TRUE(finished) << "the script stopped at step " << script.fGetNext();
    }
};
}

TEST_F(OptionsWindow, AtRestShowsThePlayersSettingsAndEachControlTakesEffectAtOnce)
{
    ZT_SCRIPT script;
    fOpenOptions(script);
    ZS_FRAME rest, credits;
    float musicAt = 0, soundsAt = 0, trackLeft = 0, trackRight = 0;
    script.fCapture(&rest, "options_window").fDo([&] {
        musicAt = fRunner(GG_WINDOW_OPTIONS::ID_MUSIC).x;
        soundsAt = fRunner(GG_WINDOW_OPTIONS::ID_SOUND).x;
        ZC_GUI_SIMPLE_SLIDER* s = fSlider(GG_WINDOW_OPTIONS::ID_MUSIC);
        const float middle = s->fGetTrack()->fGetTransform()->fCompose().position.x;
        trackLeft = middle - s->fGetTravel() / 2;
        trackRight = middle + s->fGetTravel() / 2;
    });

    // Each control, in this order, and the state the game is in right after it.
    ZS_STATE whileDraggingMusic, afterMusic, afterSounds, afterCursor, afterFullScreen, afterCancel;
    fDragRunner(script, GG_WINDOW_OPTIONS::ID_MUSIC, 1000, [&] { whileDraggingMusic = ZS_STATE::fRead(); });
    script.fDo([&] { afterMusic = ZS_STATE::fRead(); });
    fDragRunner(script, GG_WINDOW_OPTIONS::ID_SOUND, 0, [] {});
    script.fDo([&] { afterSounds = ZS_STATE::fRead(); });
    script.fClickWidget("Options", GG_WINDOW_OPTIONS::ID_CURSOR).fWaitFrames(20).fDo([&] {
        afterCursor = ZS_STATE::fRead();
    });
    script.fClickWidget("Options", GG_WINDOW_OPTIONS::ID_FULL_SCREEN).fWaitFrames(5).fDo([&] {
        afterFullScreen = ZS_STATE::fRead();
    });
    // Help and credits open over the options; the credits close on their button only.
    bool helpOpened = false, creditsStayOnText = false, creditsCloseOnButton = false;
    script.fClickWidget("Options", GG_WINDOW_OPTIONS::ID_HELP).fWaitForWindow("Help").fDo([&] {
        helpOpened = fIsOpen("Options");
        fGetWindowManager()->fHideWindow("Help", true);
    });
    script.fWaitUntilClosed("Help");
    script.fClickWidget("Options", GG_WINDOW_OPTIONS::ID_CREDITS).fWaitForWindow("Credits");
    script.fCapture(&credits, "options_credits");
    script.fClickWidget("Credits", 21).fWaitFrames(20).fDo([&] { creditsStayOnText = fIsOpen("Credits"); });
    script.fClickWidget("Credits", 1).fWaitUntilClosed("Credits").fDo([&] { creditsCloseOnButton = true; });
    // Cancel: everything as it was when the window opened, and nothing saved.
    script.fClickWidget("Options", GG_WINDOW_OPTIONS::ID_CANCEL).fWaitUntilClosed("Options").fDo([&] {
        afterCancel = ZS_STATE::fRead();
    });
    fRun(script);

    // The sliders stand at 0.5 and 0.8 of their travel.
    EXPECT_NEAR(trackLeft + 0.5f * (trackRight - trackLeft), musicAt, 1.5f);
    EXPECT_NEAR(trackLeft + 0.8f * (trackRight - trackLeft), soundsAt, 1.5f);

    EXPECT_EQ(100.0f, whileDraggingMusic.music) << "the volume follows the runner while it moves";
    EXPECT_EQ(1.0f, whileDraggingMusic.musicGroup) << "groups hold fractions";
    EXPECT_EQ(1.0f, afterMusic.musicGroup);
    EXPECT_EQ(80.0f, afterMusic.sounds);
    EXPECT_EQ(0.0f, afterSounds.sounds);
    EXPECT_EQ(0.0f, afterSounds.soundsGroup);
    EXPECT_TRUE(afterSounds.cursor);
    EXPECT_FALSE(afterCursor.cursor);
    EXPECT_FALSE(afterCursor.gameCursorDrawn) << "the system's cursor instead";
    EXPECT_FALSE(afterCursor.fullScreen);
    EXPECT_TRUE(afterFullScreen.fullScreen);
    EXPECT_TRUE(afterFullScreen.windowFullScreen) << "the display mode switched at once";
    EXPECT_TRUE(helpOpened);
    EXPECT_TRUE(creditsStayOnText);
    EXPECT_TRUE(creditsCloseOnButton);

    EXPECT_EQ(50.0f, afterCancel.music);
    EXPECT_EQ(80.0f, afterCancel.sounds);
    EXPECT_FLOAT_EQ(0.5f, afterCancel.musicGroup);
    EXPECT_FLOAT_EQ(0.8f, afterCancel.soundsGroup);
    EXPECT_TRUE(afterCancel.cursor);
    EXPECT_TRUE(afterCancel.gameCursorDrawn);
    EXPECT_FALSE(afterCancel.fullScreen);
    EXPECT_FALSE(afterCancel.windowFullScreen);
    EXPECT_EQ(std::string::npos, fReadText(fSaveFolder() / "game.xml").find("<fullscreen value=\"true\""));

    // At rest: the dialog and its ribbon, each track full (teal) up to its runner and empty
    // beyond, the switch's tick half in view, the empty full-screen box, the coral OK.
    ASSERT_EQ(1024, rest.width);
    fExpectRegions(rest,
                   {
                       {"dialog paper", 230, 440, 270, 460, kPaper},
                       {"ribbon", 350, 116, 380, 126, kRibbon},
                       {"music track full left of the runner", 520, 221, 600, 227, kTealTrack},
                       {"music track empty right of the runner", 690, 221, 770, 227, kEmptyTrack},
                       {"sounds track full far along", 600, 283, 690, 289, kTealTrack},
                       {"OK", 305, 568, 330, 578, kCoral},
                       {"veiled title behind", 40, 300, 80, 340, kVeiled},
                   },
                   kTolerance);
    ASSERT_EQ(1024, credits.width);
    EXPECT_TRUE(fNear(credits.fMean(350, 90, 380, 100), kRibbon, kTolerance)) << "credits ribbon";
    EXPECT_TRUE(fNear(credits.fMean(425, 600, 445, 608), kCoral, kTolerance)) << "credits close";
}

// OK saves: a second run of the game starts with the same player, volumes, cursor and screen
// mode, and the window shows them.
TEST_F(OptionsWindow, SettingsConfirmedWithOkAreStillSetAfterARestart)
{
    ZT_SCRIPT first;
    fOpenOptions(first);
    fDragRunner(first, GG_WINDOW_OPTIONS::ID_MUSIC, 0, [] {});
    fDragRunner(first, GG_WINDOW_OPTIONS::ID_SOUND, 1000, [] {});
    first.fClickWidget("Options", GG_WINDOW_OPTIONS::ID_CURSOR).fWaitFrames(20);
    first.fClickWidget("Options", GG_WINDOW_OPTIONS::ID_FULL_SCREEN).fWaitFrames(5);
    first.fClickWidget("Options", GG_WINDOW_OPTIONS::ID_OK).fWaitUntilClosed("Options");
    std::string configAtOk;
    first.fDo([&] { configAtOk = fReadText(fSaveFolder() / "game.xml"); });
    fRun(first);
    EXPECT_NE(std::string::npos, configAtOk.find("<fullscreen value=\"true\"")) << "OK writes the user's game.xml";

    ZT_SCRIPT second;
    ZS_STATE restored;
    bool musicBox = true, cursorBox = true, fullScreenBox = false;
    float musicSlider = -1, soundSlider = -1;
    second.fWaitForTitle().fDo([&] { restored = ZS_STATE::fRead(); });
    fOpenOptions(second, false);
    second.fDo([&] {
        musicSlider = fSlider(GG_WINDOW_OPTIONS::ID_MUSIC)->value;
        soundSlider = fSlider(GG_WINDOW_OPTIONS::ID_SOUND)->value;
        cursorBox = fBoxChecked(GG_WINDOW_OPTIONS::ID_CURSOR);
        fullScreenBox = fBoxChecked(GG_WINDOW_OPTIONS::ID_FULL_SCREEN);
        musicBox = false;
    });
    fRun(second);
    EXPECT_FALSE(musicBox) << "the window opened in the second run";
    EXPECT_EQ(0.0f, restored.music);
    EXPECT_EQ(100.0f, restored.sounds);
    EXPECT_EQ(0.0f, restored.musicGroup);
    EXPECT_EQ(1.0f, restored.soundsGroup);
    EXPECT_FALSE(restored.cursor);
    EXPECT_FALSE(restored.gameCursorDrawn);
    EXPECT_TRUE(restored.fullScreen);
    EXPECT_TRUE(restored.windowFullScreen);
    EXPECT_EQ(0.0f, musicSlider);
    EXPECT_EQ(1.0f, soundSlider);
    EXPECT_FALSE(cursorBox);
    EXPECT_TRUE(fullScreenBox);
}
