// Mesa's software rasteriser on a real X server, where its threads start with the first OpenGL
// window: the engine's choice of two must be in place before then, and a user's choice wins.
#include <gtest/gtest.h>

#include <dirent.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/platform/ZC_PLATFORM_DEVICE.h"
#include "engine/render/ZC_RENDER.h"

using namespace ZOR;

namespace
{
int fRasterThreads()
{
    int count = 0;
    DIR* tasks = opendir("/proc/self/task");
    if (!tasks)
        return -1;
    while (dirent* entry = readdir(tasks))
    {
        std::ifstream comm(std::string("/proc/self/task/") + entry->d_name + "/comm");
        std::string name;
        if (std::getline(comm, name) && name.compare(0, 9, "llvmpipe-") == 0)
            ++count;
    }
    closedir(tasks);
    return count;
}

// In a process of its own, since the driver reads the setting once: the rasteriser threads of
// a window and renderer made with LP_NUM_THREADS as given (null: not set), as the exit code.
void fCountThreadsWith(const char* setting)
{
    if (setting)
        setenv("LP_NUM_THREADS", setting, 1);
    else
        unsetenv("LP_NUM_THREADS");
    ZC_SYSTEM_WINDOW window;
    ZC_RENDER render;
    if (window.fCreate("threads") != 1 || render.fInit(window.fGetHandle(), 0.1f, 0.0f) != 1)
        std::exit(100);
    std::exit(fRasterThreads());
}
}

TEST(RasterThreadsDeathTest, TwoUnlessTheUserChose)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(fCountThreadsWith(nullptr), testing::ExitedWithCode(2), "");
    EXPECT_EXIT(fCountThreadsWith("3"), testing::ExitedWithCode(3), "");
}
