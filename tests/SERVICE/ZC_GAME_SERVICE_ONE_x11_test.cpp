// The game loop on a real X server: a window destroyed by another client (xdotool windowclose,
// as a window manager's "force close" does) is a close request like any other.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdlib>
#include <string>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/core/ZS_CALLBACK.h"

using namespace ZOR;

namespace
{
int gUpdates, gCloses, gEnds;
std::string gCloseCommand;

ZS_CALLBACK** const kSlots[] = {&zcON_INIT, &zcON_UPDATE, &zcON_CLOSE, &zcON_END};

int fOnInit(void*)
{
    zcGAME->updateRate = 60;
    zcGAME->renderRate = 60;
    zcGAME_TIMER->cap = 1.0f / 30.0f;
    return 1;
}
int fOnUpdate(void*)
{
    // Destroyed while frames go on, then a second's grace for the close to arrive.
    if (++gUpdates == 10)
    {
        EXPECT_EQ(0, std::system(gCloseCommand.c_str())) << gCloseCommand;
    }
    if (gUpdates > 70)
        zcGAME->running = false;
    return 0;
}
int fOnClose(void*)
{
    ++gCloses;
    zcGAME->running = false;
    return 0;
}
int fOnEnd(void*)
{
    ++gEnds;
    zcGAME->fShutdown();
    return 7;
}

std::string fWindowId()
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!zcGAME_WINDOW || !SDL_GetWindowWMInfo(static_cast<SDL_Window*>(zcGAME_WINDOW->fGetHandle()), &info))
        return "";
    return std::to_string(info.info.x11.window);
}

void fStartGame(const char* title)
{
    gUpdates = gCloses = gEnds = 0;
    zcGAME = ZC_GAME::fGetGame();
    const ZF_CALLBACK handlers[] = {fOnInit, fOnUpdate, fOnClose, fOnEnd};
    // The game's own registration may hold a close handler already: replaced, not leaked.
    for (size_t i = 0; i < 4; ++i)
    {
        delete *kSlots[i];
        *kSlots[i] = fCreateCallback(handlers[i]);
    }
    testing::internal::CaptureStderr(); // the sound warning
    ASSERT_EQ(1, zcGAME->fStart(title));
    testing::internal::GetCapturedStderr();
    gCloseCommand = "xdotool windowclose " + fWindowId();
}

void fFreeSlots()
{
    for (ZS_CALLBACK** slot : kSlots)
    {
        delete *slot;
        *slot = nullptr;
    }
}
}

TEST(GameX11, AWindowDestroyedByAnotherClientEndsTheGameThroughItsCloseAndEndHandlers)
{
    fStartGame("Closed from outside");
    EXPECT_EQ(7, zcGAME->fRun()) << "the end handler's answer: the loop ended normally";
    EXPECT_EQ(1, gCloses) << "one close request";
    EXPECT_EQ(1, gEnds);
    EXPECT_LT(gUpdates, 70) << "the close came before the test's own end";
    EXPECT_EQ(nullptr, zcGAME_WINDOW) << "shut down, the window deleted without an error ending the process";
    fFreeSlots();
}

// Each in a process of its own: the first ends the process, the second loses its X connection.
TEST(GameX11DeathTest, WithTheDefaultCloseHandlerTheProcessEndsWithTheGamesCodeNotAnXError)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto run = [] {
        fStartGame("Closed from outside, default handler");
        delete zcON_CLOSE;
        zcON_CLOSE = fCreateCallback(fExitProcess);
        zcGAME->fRun();
        std::exit(3);
    };
    // Exit statuses keep 8 bits: -100500 arrives as 108. An X error would end it with 1.
    EXPECT_EXIT(run(), testing::ExitedWithCode(-100500 & 0xFF), "");
}

TEST(GameX11DeathTest, AKilledConnectionEndsTheGameThroughItsCloseAndEndHandlers)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto run = [] {
        fStartGame("Killed from outside");
        // xkill closes our whole connection to the server, the window with it.
        gCloseCommand = "xkill -id " + fWindowId() + " >/dev/null";
        int answer = zcGAME->fRun();
        std::exit(answer == 7 && gCloses == 1 && gEnds == 1 && gUpdates < 70 ? 42 : 3);
    };
    EXPECT_EXIT(run(), testing::ExitedWithCode(42), "");
}
