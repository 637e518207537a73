#include <gtest/gtest.h>

#include <SDL.h>

#include <string>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/core/ZS_THREAD.h"
#include "engine/platform/ZC_PLATFORM_WINDOW.h"

using namespace ZOR;

// The game's main is registered by a static initialiser of the shell, before main runs.
TEST(GameMain, IsRegisteredWithTheDefaultCloseHandler)
{
    ASSERT_NE(nullptr, zcON_MAIN);
    ASSERT_NE(nullptr, zcON_CLOSE);
    EXPECT_EQ(fExitProcess, zcON_CLOSE->function);
}

TEST(GameMain, RunsUntilClosedThenAnswers100500AndLeavesNothingBehind)
{
    // A close request already queued reaches the game's close handler in the first step.
    ASSERT_EQ(0, SDL_InitSubSystem(SDL_INIT_EVENTS));
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    ASSERT_EQ(1, SDL_PushEvent(&quit));

    testing::internal::CaptureStderr(); // the sound warning
    EXPECT_EQ(100500, fProgramMain());
    testing::internal::GetCapturedStderr();
    SDL_QuitSubSystem(SDL_INIT_EVENTS);

    EXPECT_EQ(60, zcGAME->updateRate) << "set by the init handler";
    EXPECT_EQ(60, zcGAME->renderRate);
    EXPECT_FALSE(zcGAME->running);
    for (ZS_CALLBACK* slot : {zcON_INIT, zcON_UPDATE, zcON_DRAW, zcON_END, zcON_CLOSE, zcON_KEY_DOWN, zcON_KEY_UP,
                              zcON_MOUSE_MOVE, zcON_ACTIVATE, zcON_DEACTIVATE, zcON_RELEASE_RESOURCE, zcON_LOOP_STEP})
        EXPECT_EQ(nullptr, slot) << "the end handler freed the game's records";
    EXPECT_EQ(nullptr, zcGAME_WINDOW);
    EXPECT_TRUE(fGetThreads().empty());
}

TEST(GameMain, AnswersMinus100500WhenStartUpFails)
{
    testing::internal::CaptureStderr();
    fPlatformFailWindowCreations(1);
    EXPECT_EQ(-100500, fProgramMain());
    std::string boxes = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, boxes.find("The game window could not be created"));
    EXPECT_EQ(nullptr, zcON_INIT);
    EXPECT_EQ(nullptr, zcGAME_INPUT);
}
