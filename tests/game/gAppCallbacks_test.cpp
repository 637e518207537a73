// The real game started in this process on a copy of the default data set, driven step by
// step from the update slot with real input events (SDL's queue, offscreen video).
#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/core/ZS_THREAD.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/soundbanks/ZC_SOUND_MANAGER.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/G_LOADER_SCREEN.h"
#include "game/shell/gAppCallbacks.h"
#include "game/shell/gGame.h"
#include "game/ZT_GAME_DATA.h"
#include "support/ZT_TEST_ENV.h"

using namespace ZOR;
using namespace game;
namespace fs = std::filesystem;

namespace
{
using namespace ZT_GAME_DATA;

// A fresh copy of the repository's data set, with short splashes so that a run is quick.
void fCopyDefaultData()
{
    // Copied over what is there: the engine may already live in that folder.
    fCopyResources();
    fReplaceText(fDataRoot() / "data/share/main/other/screen_loading.xml", "time_per_splash=\"2.0\"",
                 "time_per_splash=\"0.3\"");
}

// The test's own work, one call per update step on the main thread, chained before the game's
// (empty) update handler; installed from the start event, after the game filled its slots.
std::function<void(int step)> gDriver;
int gStep = 0;
ZS_CALLBACK* gGameUpdate = nullptr;
ZS_CALLBACK gDriverRecord(
    [](void*) {
        if (gDriver)
            gDriver(gStep);
        else if (gStep > 600 && zcGAME)
            zcGAME->running = false; // a run without a driver never hangs the suite
        ++gStep;
        return fInvoke(gGameUpdate);
    },
    nullptr, nullptr);
ZS_CALLBACK gStartRecord(
    [](void*) {
        gGameUpdate = zcON_UPDATE;
        zcON_UPDATE = &gDriverRecord;
        return 1;
    },
    nullptr, nullptr);

int fRunGame(std::function<void(int)> driver)
{
    gDriver = std::move(driver);
    gStep = 0;
    zcON_START = &gStartRecord;
    ZC_GAME::fGetGame();
    const int result = fProgramMain();
    zcON_START = nullptr;
    zcON_UPDATE = nullptr;
    gDriver = nullptr;
    return result;
}

void fPush(const SDL_Event& event)
{
    SDL_Event copy = event;
    ASSERT_EQ(1, SDL_PushEvent(&copy));
}

void fPushKey(SDL_Keycode key, bool down)
{
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.keysym.sym = key;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    fPush(e);
}

void fPushFocus(bool gained)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = gained ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST;
    e.window.windowID = SDL_GetWindowID(static_cast<SDL_Window*>(zcGAME_WINDOW->fGetHandle()));
    fPush(e);
}

// A left click at a game pixel: the pointer moves there (the engine reads where it is), then
// the button goes down and up.
void fClick(int x, int y)
{
    SDL_WarpMouseInWindow(static_cast<SDL_Window*>(zcGAME_WINDOW->fGetHandle()), x, y);
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = x;
    e.button.y = y;
    fPush(e);
    e.type = SDL_MOUSEBUTTONUP;
    fPush(e);
}

void fQuit()
{
    SDL_Event e{};
    e.type = SDL_QUIT;
    fPush(e);
}

float fGroupVolume(const char* group)
{
    const ZS_SOUND_GROUP* g = fGetSoundManager() ? fGetSoundManager()->fFindGroup(group) : nullptr;
    return g ? g->volume : -1.0f;
}

bool fOpen(const char* window)
{
    return fGetWindowManager() && fGetWindowManager()->fIsWindowOpen(window);
}

class GameRun : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        fCopyDefaultData();
        fs::remove_all(fSaveFolder());
        testing::internal::CaptureStderr(); // the sound warning and the game's log
    }
    static void TearDownTestSuite() { testing::internal::GetCapturedStderr(); }
};
}

// The game's main is registered by a static initialiser of the shell, before main runs.
TEST(GameMain, IsRegisteredWithTheDefaultCloseHandler)
{
    ASSERT_NE(nullptr, zcON_MAIN);
    ASSERT_NE(nullptr, zcON_CLOSE);
    EXPECT_EQ(fExitProcess, zcON_CLOSE->function);
}

// Runs before GameRun copies the data set: no game.xml in the data root.
TEST(GameMainAlone, AStartWithoutDataAnswersMinus100500NamesTheFileAndLeavesNothing)
{
    // An earlier run of this program may have left its copy of the data there.
    fs::remove(fDataRoot() / "game.xml");
    fs::remove_all(fSaveFolder());
    testing::internal::CaptureStderr();
    EXPECT_EQ(-100500, fRunGame(nullptr));
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, log.find("\"game.xml\" is missing")) << log;
    EXPECT_NE(std::string::npos, log.find("[message box] Error: The game could not start.")) << log;
    for (ZS_CALLBACK* slot : {zcON_INIT, zcON_DRAW, zcON_END, zcON_CLOSE, zcON_KEY_DOWN, zcON_DEACTIVATE})
        EXPECT_EQ(nullptr, slot);
    EXPECT_EQ(nullptr, zcGAME_WINDOW);
    EXPECT_EQ(nullptr, fGetGameInstance()) << "the singletons are deleted";
    EXPECT_TRUE(fGetThreads().empty());
    EXPECT_FALSE(fs::exists(fSaveFolder() / "game.xml")) << "a failed start saves nothing";
}

TEST_F(GameRun, SplashesThenTitleFocusMutesAndSavesExitAsksAndEnds)
{
    int splashAfterKey = -1;
    int titleStep = -1;
    float mutedMusic = -1, mutedSounds = -1, backMusic = -1, backSounds = -1;
    bool savedOnFocusLoss = false;
    bool askedToExit = false;
    int state = 0;
    bool timedOut = false;
    const int result = fRunGame([&](int step) {
        if (step == 2)
            fPushKey(SDLK_SPACE, true);
        if (step == 4)
        {
            fPushKey(SDLK_SPACE, false);
            if (G_LOADER_SCREEN* loader = fGetLoaderScreen())
                splashAfterKey = int(loader->fGetSplashIndex());
        }
        if (step > 600)
        {
            timedOut = true;
            zcGAME->running = false; // never hang on a failure
        }
        switch (state)
        {
        case 0:
            if (fGetShellPhase() == 1 && fOpen("Title") && fOpen("Title_Top"))
            {
                titleStep = step;
                // A player with volumes of their own, as the name box would make one.
                GG_PLAYER* player = fGetGameInstance()->fCreatePlayer(L"Ada");
                player->fSetMusicVolume(70);
                player->fSetSoundVolume(40);
                fGetGameInstance()->fSetPlayer(player);
                fs::remove_all(fSaveFolder());
                fPushFocus(false);
                state = 1;
            }
            break;
        case 1:
            mutedMusic = fGroupVolume("music");
            mutedSounds = fGroupVolume("sounds");
            savedOnFocusLoss = fs::exists(fSaveFolder() / "players.save") && fs::exists(fSaveFolder() / "game.xml");
            fPushFocus(true);
            state = 2;
            break;
        case 2:
            backMusic = fGroupVolume("music");
            backSounds = fGroupVolume("sounds");
            state = 3;
            break;
        case 3:
            // The title has slid in once nothing animates; then the exit button.
            if (step > titleStep + 60)
            {
                fClick(512, 384 + 206);
                state = 4;
            }
            break;
        case 4:
            if (fOpen("Confirm_Exit") && step > titleStep + 100)
            {
                askedToExit = true;
                fClick(512 - 110, 384 + 60); // yes
                state = 5;
            }
            break;
        default:
            break;
        }
    });
    EXPECT_EQ(100500, result);
    EXPECT_EQ(1, splashAfterKey) << "a key starts the first splash's fade at once";
    ASSERT_GE(titleStep, 0) << "the title scene opened";
    EXPECT_LT(titleStep, 200) << "two splashes of 0.3 s, the fades and loading stay within ~3 s of frames";
    EXPECT_EQ(0.0f, mutedMusic);
    EXPECT_EQ(0.0f, mutedSounds);
    EXPECT_TRUE(savedOnFocusLoss);
    EXPECT_GT(backMusic, 0.0f);
    EXPECT_GT(backSounds, 0.0f);
    EXPECT_NE(backMusic, backSounds) << "the player's own volumes (70 and 40) come back";
    EXPECT_TRUE(askedToExit);
    EXPECT_FALSE(timedOut) << "yes ended the game";

    const std::string config = fReadText(fSaveFolder() / "game.xml");
    EXPECT_EQ(0, config.compare(0, 3, "\xEF\xBB\xBF")) << "written with the UTF-8 signature";
    EXPECT_NE(std::string::npos, config.find("<version value=\"65792\""));
    EXPECT_NE(std::string::npos, config.find("<fullscreen value=\"false\""));
    EXPECT_NE(std::string::npos, fReadText(fSaveFolder() / "players.save").find("Ada"));
}

TEST_F(GameRun, ASecondRunRestoresThePlayerAndTheUsersScreenMode)
{
    // The user's game.xml as another tool might write it: signature, no declaration.
    fs::create_directories(fSaveFolder());
    std::ofstream(fSaveFolder() / "game.xml", std::ios::binary)
        << "\xEF\xBB\xBF<game><fullscreen value=\"true\"/><version value=\"65792\"/></game>";
    std::wstring current;
    bool fullScreen = false;
    int32_t version = 0;
    const int result = fRunGame([&](int step) {
        if (fGetShellPhase() == 1 && current.empty())
        {
            const GG_PLAYER* player = fGetPlayers()->fGetCurrentPlayer();
            current = player ? player->fGetName() : L"(none)";
            fullScreen = fIsFullScreen() && zcGAME->fullScreen;
            version = fGetSaveVersion();
            fQuit();
        }
        if (step > 600)
            zcGAME->running = false;
    });
    EXPECT_EQ(100500, result);
    EXPECT_EQ(L"Ada", current);
    EXPECT_TRUE(fullScreen);
    EXPECT_EQ(65792, version);
}
