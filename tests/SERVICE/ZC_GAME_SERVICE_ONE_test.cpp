#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_RANDOM.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/core/ZS_THREAD.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/platform/ZC_PLATFORM_SYSTEM.h"
#include "engine/platform/ZC_PLATFORM_WINDOW.h"
#include "engine/render/ZC_RENDER.h"

using namespace ZOR;

namespace
{
// A clock that moves only when the loop sleeps (or the test moves it). Every sleep takes at
// least a millisecond, as a real one does.
uint32_t gNow = 0;
int gSleeps = 0;
uint32_t fFakeTick()
{
    return gNow;
}
void fFakeSleep(uint32_t ms)
{
    ++gSleeps;
    gNow += ms ? ms : 1;
}

int gInits, gUpdates, gDraws, gEnds, gStarts, gCloses;
int gCloseAtUpdate = 0; // the update step in which a close request is queued
int gEndAnswer = 77;

int fOnInit(void*)
{
    ++gInits;
    return 1;
}
int fOnUpdate(void*)
{
    ++gUpdates;
    if (gUpdates == gCloseAtUpdate)
    {
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    }
    return 0;
}
int fOnDraw(void*)
{
    ++gDraws;
    return 0;
}
int fOnClose(void*)
{
    ++gCloses;
    zcGAME->running = false;
    return 0;
}
int fOnStart(void*)
{
    ++gStarts;
    return 0;
}
int fOnEnd(void*)
{
    ++gEnds;
    zcGAME->fShutdown();
    return gEndAnswer;
}

std::vector<std::string> gTrace;
void fTraceService(const char* what, const char* service)
{
    gTrace.push_back(std::string(what) + " " + service);
}

ZS_CALLBACK** const kSlots[] = {&zcON_INIT, &zcON_UPDATE, &zcON_DRAW, &zcON_CLOSE, &zcON_START, &zcON_END};

// A started game on the offscreen video driver with a fake clock and counting handlers.
class GameLoop : public testing::Test
{
protected:
    void SetUp() override
    {
        gNow = 1000;
        gSleeps = 0;
        gInits = gUpdates = gDraws = gEnds = gStarts = gCloses = 0;
        gCloseAtUpdate = 0;
        fSetClockForTests(fFakeTick, fFakeSleep);
        const ZF_CALLBACK handlers[] = {fOnInit, fOnUpdate, fOnDraw, fOnClose, fOnStart, fOnEnd};
        for (size_t i = 0; i < 6; ++i)
            *kSlots[i] = fCreateCallback(handlers[i]);
        game = zcGAME = ZC_GAME::fGetGame();
        static_cast<ZS_GAME_SETTINGS&>(*game) = ZS_GAME_SETTINGS();
        ASSERT_EQ(1, game->fStart("Loop"));
        // A fresh second for the limiters, measured on the fake clock.
        game->pacingTimer = ZC_TIMER();
        game->renderAccumulator = game->updateAccumulator = 0;
        game->framesThisSecond = game->updatesThisSecond = 0;
        zcFRAME_DELTA = 0;
        game->running = true;
    }

    void TearDown() override
    {
        game->running = false;
        game->fShutdown();
        for (ZS_CALLBACK** slot : kSlots)
        {
            delete *slot;
            *slot = nullptr;
        }
        fSetClockForTests(nullptr, nullptr);
        zcSERVICE_TRACE = nullptr;
    }

    ZC_GAME* game = nullptr;
};
}

TEST_F(GameLoop, BothCapsAt60GiveExactly60UpdatesInOneSecondOfGatheredTime)
{
    game->updateRate = 60;
    game->renderRate = 60;
    uint32_t start = gNow;
    for (int step = 0; step < 10000 && game->updatesPerSecond == 0; ++step)
        ASSERT_EQ(1, fStep());
    EXPECT_EQ(60, gUpdates);
    EXPECT_EQ(60, game->updatesPerSecond);
    EXPECT_GE(gNow - start, 1000u);
    EXPECT_LE(gNow - start, 1002u);
    // Each wait for an update is one sleep: every wake-up costs an idle game.
    EXPECT_LE(gSleeps, 60);
    // Steps whose update was not due add no frame time, so the draws keep to their cap too
    // (and the game, which advances in drawn frames, keeps to real time).
    EXPECT_EQ(60, gDraws);
    EXPECT_EQ(60, game->framesPerSecond);

    // The next second starts from nothing: its first update comes 1/60 s later.
    int before = gUpdates;
    uint32_t secondStart = gNow;
    while (gUpdates == before)
        fStep();
    EXPECT_GE(gNow - secondStart, 16u);
    EXPECT_LE(gNow - secondStart, 18u);
}

TEST_F(GameLoop, TheDrawLimiterSkipsWithoutSleeping)
{
    game->updateRate = 0;
    game->renderRate = 60;
    for (int step = 0; step < 60; ++step)
    {
        gNow += 5;
        ASSERT_EQ(1, fStep());
    }
    EXPECT_EQ(0, gSleeps);
    EXPECT_EQ(60, gUpdates);
    // 0.3 s of frame time at 60 frames per second.
    EXPECT_NEAR(18, gDraws, 1);
}

TEST_F(GameLoop, WithBothCapsZeroEveryStepUpdatesAndDraws)
{
    game->updateRate = 0;
    game->renderRate = 0;
    for (int step = 0; step < 10; ++step)
        fStep();
    EXPECT_EQ(10, gUpdates);
    EXPECT_EQ(10, gDraws);
    EXPECT_EQ(0, gSleeps);
}

TEST_F(GameLoop, AStepWhoseUpdateIsNotDueRunsNoPumpButMayDraw)
{
    game->updateRate = 60;
    game->renderRate = 0;
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.scancode = SDL_SCANCODE_A;
    key.key.keysym.sym = SDLK_a;
    ASSERT_EQ(1, SDL_PushEvent(&key));

    ASSERT_EQ(1, fStep());
    EXPECT_EQ(0, gUpdates);
    EXPECT_EQ(1, gSleeps);
    EXPECT_EQ(0, zcGAME_INPUT->keys['A']);
    EXPECT_EQ(1, SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYDOWN)) << "still queued";
    EXPECT_EQ(1, gDraws);

    while (gUpdates == 0)
        fStep();
    EXPECT_EQ(1, zcGAME_INPUT->keys['A']);
}

TEST_F(GameLoop, AStepWhoseUpdateIsNotDueAddsNoFrameTimeToTheDrawLimiter)
{
    game->updateRate = 60;
    game->renderRate = 60;
    zcFRAME_DELTA = 0.25f; // the last update's delta
    for (int step = 0; step < 5; ++step)
    {
        game->pacingTimer = ZC_TIMER(); // no time passes: never due
        fStep();
    }
    EXPECT_EQ(0, gUpdates);
    EXPECT_EQ(0.0f, game->renderAccumulator);
    EXPECT_EQ(0, gDraws);
}

TEST_F(GameLoop, ClosingInsideThePumpEndsTheLoopBeforeThatStepsDraw)
{
    game->updateRate = 0;
    game->renderRate = 0;
    game->running = false;
    gCloseAtUpdate = 3;
    EXPECT_EQ(gEndAnswer, game->fRun());
    EXPECT_EQ(1, gStarts);
    EXPECT_EQ(3, gUpdates);
    EXPECT_EQ(2, gDraws) << "no draw after the close";
    EXPECT_EQ(1, gCloses);
    EXPECT_EQ(1, gEnds);
    EXPECT_FALSE(game->running);
    EXPECT_EQ(-109, fStep());
    // The end handler shut down: the sound thread is gone with the services.
    EXPECT_EQ(nullptr, game->soundThread);
    EXPECT_TRUE(fGetThreads().empty());
    EXPECT_EQ(nullptr, zcGAME_INPUT);
}

TEST_F(GameLoop, TheFirstFrameIsDrawnInTheFirstStepThenEveryFrameTime)
{
    // Start-up took 300 ms since the object was made, the last 5 ms of them after the frame timer.
    game->updateRate = 60;
    game->renderRate = 60;
    game->pacingTimer.previous = gNow - 300;
    gNow += 5;
    game->running = false;
    static std::vector<uint32_t> drawnAt;
    static std::vector<int> updatesAt;
    drawnAt.clear();
    updatesAt.clear();
    zcON_DRAW->function = [](void*) -> int {
        drawnAt.push_back(gNow);
        updatesAt.push_back(gUpdates);
        if (drawnAt.size() == 3)
            zcGAME->running = false;
        return 0;
    };
    uint32_t start = gNow;
    game->fRun();
    ASSERT_EQ(3u, drawnAt.size());
    EXPECT_EQ(start, drawnAt[0]) << "no wait before the first frame";
    EXPECT_EQ(1, updatesAt[0]);
    EXPECT_NEAR(17, int(drawnAt[1] - drawnAt[0]), 1) << "the next frame a frame's time later";
    EXPECT_NEAR(17, int(drawnAt[2] - drawnAt[1]), 1);
    EXPECT_EQ(2, updatesAt[1]) << "no burst of updates making up for the start-up time";
}

TEST_F(GameLoop, TheSoundThreadRunsFromRunUntilShutdown)
{
    game->updateRate = 0;
    game->renderRate = 0;
    game->running = false;
    static bool listed = false;
    listed = false;
    zcON_UPDATE->function = [](void*) -> int {
        auto threads = fGetThreads();
        listed = threads.size() == 1 && threads[0] == zcGAME->soundThread;
        zcGAME->running = false;
        return 0;
    };
    game->fRun();
    EXPECT_TRUE(listed);
    EXPECT_TRUE(fGetThreads().empty());
}

TEST_F(GameLoop, DisplayModeChangesReachTheWindowOnlyWhenSomethingChanged)
{
    zcGAME_WINDOW->letterboxScale = 7.0f; // a mark that only a mode switch overwrites
    game->fSetDisplayMode(1024, 768, false, false);
    EXPECT_EQ(7.0f, zcGAME_WINDOW->letterboxScale);

    game->fSetDisplayMode(1024, 768, true, true);
    EXPECT_TRUE(game->fullScreen);
    EXPECT_TRUE(game->useDesktopSize);
    EXPECT_TRUE(zcGAME_WINDOW->fullScreen);
    EXPECT_TRUE(zcGAME_WINDOW->useDesktopSize);
    EXPECT_NE(7.0f, zcGAME_WINDOW->letterboxScale);
}

TEST_F(GameLoop, TheReleaseSlotHandsResourcesBackByTheirData)
{
    // The data root is the working folder once the file system exists.
    {
        std::ofstream out("release_me.bin", std::ios::binary);
        out << "twelve bytes";
    }
    ASSERT_EQ(1, zcREPOSITORY->fRegister("", nullptr));
    void* bytes = zcREPOSITORY->fGetBytes("release_me.bin");
    ASSERT_NE(nullptr, bytes);
    ZS_RESOURCE* entry = zcREPOSITORY->fFindByData(bytes);
    ASSERT_NE(nullptr, entry);
    int users = entry->count;

    EXPECT_EQ(0, fInvoke(zcON_RELEASE_RESOURCE, bytes));
    EXPECT_EQ(users - 1, entry->count) << "raw bytes: one user less";
    int unknown = 0;
    EXPECT_EQ(0, fInvoke(zcON_RELEASE_RESOURCE, &unknown)) << "data no entry holds";
    std::remove("release_me.bin");
}

TEST(GameStart, ServicesStartAndStopInTheirFixedOrder)
{
    gTrace.clear();
    zcSERVICE_TRACE = fTraceService;
    static bool allThereAtInit = false;
    zcON_INIT = fCreateCallback([](void*) -> int {
        allThereAtInit = zcGAME_INPUT && zcGAME_WINDOW && zcGAME_RENDER && zcGAME_TIMER && zcGAME_RANDOM &&
                         zcGAME_SOUND_SYSTEM && zcREPOSITORY && zcON_RELEASE_RESOURCE && zcON_LOOP_STEP &&
                         zcGAME_TIMER->output == &zcFRAME_DELTA && zcRANDOM == zcGAME_RANDOM && zcRANDOM->seed == 0 &&
                         zcGAME_WINDOW->fGetHandle() != nullptr;
        return 5;
    });
    zcGAME = ZC_GAME::fGetGame();
    EXPECT_NE(nullptr, zcGAME_FILE_SYSTEM);

    EXPECT_EQ(5, zcGAME->fStart("Order")) << "the init handler's answer";
    EXPECT_TRUE(allThereAtInit);
    EXPECT_EQ("Order", zcGAME->game_name);
    EXPECT_GT(zcGAME->desktopSize.x, 0);

    zcGAME->soundThread = fStartThread([](void*) -> int {
        while (!fWaitThreadStop(1000))
        {
        }
        return 0;
    }, nullptr);
    EXPECT_EQ(1, zcGAME->fShutdown());
    EXPECT_EQ((std::vector<std::string>{"start input", "start window", "start render", "start timer", "start random",
                                        "start sound", "start repository", "stop sound thread", "stop input",
                                        "stop render", "stop window", "stop timer", "stop random", "stop sound",
                                        "stop repository"}),
              gTrace);
    for (void* service : {(void*)zcGAME_INPUT, (void*)zcGAME_WINDOW, (void*)zcGAME_RENDER, (void*)zcGAME_TIMER,
                          (void*)zcGAME_RANDOM, (void*)zcGAME_SOUND_SYSTEM, (void*)zcREPOSITORY,
                          (void*)zcON_RELEASE_RESOURCE, (void*)zcON_LOOP_STEP, (void*)zcGAME->soundThread})
        EXPECT_EQ(nullptr, service);
    zcSERVICE_TRACE = nullptr;
    delete zcON_INIT;
    zcON_INIT = nullptr;
}

TEST(GameStart, WithoutInitHandlerStartAnswersMissingRecord)
{
    zcGAME = ZC_GAME::fGetGame();
    testing::internal::CaptureStderr();
    EXPECT_EQ(-108, zcGAME->fStart("No init"));
    testing::internal::GetCapturedStderr();
    zcGAME->fShutdown();
}

TEST(GameStart, AWindowThatCannotBeMadeFailsStartUpAndLeavesNothingRunning)
{
    static int inits = 0;
    zcON_INIT = fCreateCallback([](void*) -> int { return ++inits; });
    zcGAME = ZC_GAME::fGetGame();
    testing::internal::CaptureStderr();
    fPlatformFailWindowCreations(1);
    EXPECT_EQ(-112, zcGAME->fStart("No window"));
    std::string boxes = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, boxes.find("The game window could not be created"));
    EXPECT_EQ(0, inits) << "no init without a window";
    EXPECT_EQ(nullptr, zcGAME_INPUT);
    EXPECT_EQ(nullptr, zcGAME_WINDOW);
    EXPECT_EQ(-1, zcGAME->fRun()) << "nothing to run";
    EXPECT_TRUE(fGetThreads().empty());
    delete zcON_INIT;
    zcON_INIT = nullptr;
}

TEST(GameStart, WithoutTheGameObjectSetStartSaysSo)
{
    ZC_GAME* game = ZC_GAME::fGetGame();
    zcGAME = nullptr;
    testing::internal::CaptureStderr();
    EXPECT_EQ(-112, game->fStart("x"));
    std::string boxes = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, boxes.find("ZC_GAME not exist. Need do some zcGAME = ZC_GAME::fGetGame();"));
    EXPECT_EQ(nullptr, zcGAME_INPUT);
    EXPECT_EQ(-109, fStep());
}

TEST(ProgramMain, AnswersTheRegisteredMainOrMissingRecord)
{
    EXPECT_EQ(-108, fProgramMain()) << "no main registered";
    fRegisterGameMain([](void*) -> int { return 100500; }, "a", "b");
    EXPECT_EQ(100500, fProgramMain());
    ASSERT_NE(nullptr, zcON_CLOSE);
    EXPECT_EQ(fExitProcess, zcON_CLOSE->function) << "the default close handler";
    for (ZS_CALLBACK** slot : {&zcON_MAIN, &zcON_CLOSE})
    {
        delete *slot;
        *slot = nullptr;
    }
}

TEST(ProgramMainDeathTest, TheDefaultCloseHandlerEndsTheProcessWithMinus100500)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Exit statuses keep 8 bits: -100500 arrives as 108.
    EXPECT_EXIT(fExitProcess(nullptr), testing::ExitedWithCode(-100500 & 0xFF), "");
}
