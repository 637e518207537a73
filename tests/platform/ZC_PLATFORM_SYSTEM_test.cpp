#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "engine/platform/ZC_PLATFORM_SYSTEM.h"

using namespace ZOR;

namespace
{
uint32_t gFakeNow = 0;
uint32_t fFakeTick()
{
    return gFakeNow;
}
void fFakeSleep(uint32_t ms)
{
    gFakeNow += ms;
}

std::string fRead(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
}

TEST(Clock, MillisecondsFollowRealTimeAndSleep)
{
    uint32_t before = fGetTickMs();
    fSleepMs(30);
    uint32_t elapsed = fGetTickMs() - before;
    EXPECT_GE(elapsed, 30u);
    EXPECT_LT(elapsed, 1000u);

    int stored = 0;
    uint32_t now = fGetTickMsInto(&stored);
    EXPECT_EQ(now, uint32_t(stored));

    std::time_t unix = fGetUnixTime();
    EXPECT_LE(std::llabs((long long)(unix - std::time(nullptr))), 1);
}

TEST(Clock, TheTestSeamReplacesClockAndSleepUntilRemoved)
{
    gFakeNow = 0xFFFFFFF0u;
    fSetClockForTests(fFakeTick, fFakeSleep);
    uint32_t before = fGetTickMs();
    fSleepMs(40);
    // The difference stays right across the wrap of the 32-bit clock.
    EXPECT_EQ(40u, fGetTickMs() - before);
    EXPECT_EQ(0x18u, fGetTickMs());
    fSetClockForTests(nullptr, nullptr);
    EXPECT_NE(0x18u, fGetTickMs());
}

TEST(Platform, FixedAnswers)
{
    EXPECT_STREQ("no locale", fGetSystemLocale());
    EXPECT_EQ(0, fGetDeviceKind());
    EXPECT_FALSE(fIsHostDrivenLoop());
    EXPECT_GT(fGetAvailableMemoryMb(), 0);
    fRaiseThreadPriority(); // best effort: must simply not fail loudly
}

// A picture decoded and freed must not send the next ones to the heap, where the holes they
// leave stay resident: blocks of 128 KiB and more keep pages of their own, which go back to the
// system when freed.
TEST(Allocator, LargeBlocksStayMappedOnTheirOwnAfterALargerOneWasFreed)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizer's allocator stands in for glibc's";
#endif
    fSetAllocatorPolicy();
    // Written to, so that the compiler keeps each allocation.
    auto fTake = [](size_t size) {
        volatile char* block = static_cast<char*>(std::malloc(size));
        if (block)
            block[0] = 1;
        return const_cast<char*>(block);
    };
    std::free(fTake(8 << 20)); // glibc's own policy raised its threshold to this
    for (size_t size : {size_t(128) << 10, size_t(512) << 10, size_t(3) << 20})
    {
        const size_t mappedBefore = mallinfo2().hblkhd;
        char* block = fTake(size);
        ASSERT_NE(block, nullptr);
        EXPECT_GE(mallinfo2().hblkhd, mappedBefore + size) << size;
        std::free(block);
        EXPECT_EQ(mallinfo2().hblkhd, mappedBefore) << size;
    }
}

TEST(MessageBox, IsLoggedAndAnsweredAtOnceInAutomatedRuns)
{
    ASSERT_STREQ("log", std::getenv("ZOR_MESSAGE_BOX"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(1, fShowMessageBox(nullptr, "Warning", "No sound device has been detected."));
    std::string logged = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, logged.find("Warning: No sound device has been detected."));
}

TEST(ShellOpen, HandsTheTextToXdgOpenAsOneArgument)
{
    // A stand-in xdg-open first on the path writes down what it was given.
    char folder[] = "/tmp/zor-shell-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(folder));
    std::string dir = folder;
    std::string script = dir + "/xdg-open";
    std::string record = dir + "/opened.txt";
    {
        std::ofstream out(script);
        out << "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" << record << "'\n";
    }
    chmod(script.c_str(), 0755);
    std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (dir + ":" + oldPath).c_str(), 1);

    const char* address = "https://example.invalid/a b;touch x";
    EXPECT_TRUE(fShellOpen(address));
    std::string seen;
    for (int i = 0; i < 200 && seen.empty(); ++i)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        seen = fRead(record);
    }
    EXPECT_EQ(std::string("1|") + address, seen);

    setenv("PATH", dir.c_str(), 1);
    unlink(script.c_str());
    EXPECT_FALSE(fShellOpen("/tmp")) << "no xdg-open on the path";
    EXPECT_FALSE(fShellOpen(""));
    setenv("PATH", oldPath.c_str(), 1);
    unlink(record.c_str());
    rmdir(folder);
}
