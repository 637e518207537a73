#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "engine/core/ZS_THREAD.h"

using namespace ZOR;
using namespace std::chrono_literals;

namespace
{
bool fListed(ZS_THREAD* record)
{
    auto threads = fGetThreads();
    return std::find(threads.begin(), threads.end(), record) != threads.end();
}

// Polls until the condition holds, a few seconds at most.
template <class F>
bool fEventually(F condition)
{
    for (int i = 0; i < 500; ++i)
    {
        if (condition())
            return true;
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

int fReturnSeven(void*)
{
    return 7;
}

// Holds the sound lock for as long as it runs, as a sound pass does.
int fHoldSoundLock(void* entered)
{
    zcSOUND_LOCK.fEnter();
    static_cast<std::atomic<bool>*>(entered)->store(true);
    while (!fIsThreadStopRequested())
        std::this_thread::sleep_for(1ms);
    zcSOUND_LOCK.fLeave();
    return 0;
}

int fRunUntilStopped(void*)
{
    while (!fWaitThreadStop(1000))
    {
    }
    return 5;
}
}

TEST(Thread, AFinishedThreadKeepsItsExitCodeAndLeavesTheList)
{
    ZS_THREAD* record = fStartThread(fReturnSeven, nullptr);
    ASSERT_TRUE(fEventually([&] { return record->fGetExitCode() == 7; }));
    EXPECT_FALSE(fListed(record));
    // Ending an ended thread changes nothing.
    EXPECT_TRUE(record->fTerminate());
    EXPECT_EQ(7, record->fGetExitCode());
    fReleaseThread(record);
}

TEST(Thread, TerminatingStopsTheThreadAtItsNextCheckWithCodeMinus113)
{
    auto started = std::chrono::steady_clock::now();
    ZS_THREAD* record = fStartThread(fRunUntilStopped, nullptr);
    EXPECT_TRUE(fListed(record));
    EXPECT_EQ(ZS_THREAD::kStillActive, record->fGetExitCode());
    EXPECT_TRUE(record->fTerminate());
    EXPECT_EQ(-113, record->fGetExitCode());
    EXPECT_FALSE(fListed(record));
    // The waiting thread wakes on the request, not at the end of its one-second wait.
    EXPECT_LT(std::chrono::steady_clock::now() - started, 900ms);
    fReleaseThread(record);
}

TEST(Thread, AWakeEndsOneWaitEarlyAndTheLoopGoesOn)
{
    static std::atomic<int> waits{0};
    waits = 0;
    ZS_THREAD* record = fStartThread(
        [](void*) -> int {
            while (!fWaitThreadStop(10000))
                ++waits;
            return 5;
        },
        nullptr);
    for (int i = 1; i <= 3; ++i)
    {
        fWakeThread(record);
        // Each wake ends exactly one ten-second wait, at once.
        ASSERT_TRUE(fEventually([&] { return waits == i; })) << i;
    }
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(3, waits.load());
    fWakeThread(nullptr);
    EXPECT_TRUE(record->fTerminate());
    EXPECT_EQ(-113, record->fGetExitCode());
    fReleaseThread(record);
}

TEST(Thread, AThreadCannotTerminateItself)
{
    static std::atomic<int> answer{-1};
    static ZS_THREAD* self = nullptr;
    static std::atomic<bool> ready{false};
    ZS_THREAD* record = fStartThread(
        [](void*) -> int {
            while (!ready)
                std::this_thread::yield();
            answer = self->fTerminate() ? 1 : 0;
            return 3;
        },
        nullptr);
    self = record;
    ready = true;
    ASSERT_TRUE(fEventually([&] { return record->fGetExitCode() == 3; }));
    EXPECT_EQ(0, answer.load());
    fReleaseThread(record);
}

TEST(Lock, NestedEntriesOnOneThreadAndABlockedSecondThread)
{
    ZC_LOCK lock;
    lock.fEnter();
    lock.fEnter(); // must not block
    EXPECT_TRUE(lock.fIsLocked());

    std::atomic<bool> got{false};
    std::thread other([&] {
        lock.fEnter();
        got = true;
        lock.fLeave();
    });
    std::this_thread::sleep_for(30ms);
    EXPECT_FALSE(got) << "two entries held";
    lock.fLeave();
    std::this_thread::sleep_for(30ms);
    EXPECT_FALSE(got) << "one entry still held";
    lock.fLeave();
    other.join();
    EXPECT_TRUE(got);
    EXPECT_FALSE(lock.fIsLocked());
}

TEST(Lock, TerminatingTheHolderFreesTheSoundLockForAThreadWaitingOnIt)
{
    std::atomic<bool> entered{false};
    ZS_THREAD* holder = fStartThread(fHoldSoundLock, &entered);
    ASSERT_TRUE(fEventually([&] { return entered.load(); }));

    std::atomic<bool> waiterGotIt{false};
    std::thread waiter([&] {
        zcSOUND_LOCK.fEnter();
        waiterGotIt = true;
        zcSOUND_LOCK.fLeave();
    });
    std::this_thread::sleep_for(30ms);
    EXPECT_FALSE(waiterGotIt);

    EXPECT_TRUE(holder->fTerminate());
    EXPECT_EQ(-113, holder->fGetExitCode());
    // A thread killed inside the lock would leave the waiter blocked for ever.
    EXPECT_TRUE(fEventually([&] { return waiterGotIt.load(); }));
    waiter.join();
    EXPECT_FALSE(zcSOUND_LOCK.fIsLocked());
    fReleaseThread(holder);
}
