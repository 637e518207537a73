#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace ZOR
{
// A recursive lock: the owning thread may enter again; every enter pairs with a leave on
// the same thread.
class ZC_LOCK
{
public:
    void fInit() {}
    void fDestroy() {}
    void fEnter();
    void fLeave();
    // True while some thread holds it.
    bool fIsLocked() const { return depth.load() > 0; }

private:
    std::recursive_mutex mutex;
    std::atomic<int> depth{0};
};

// Guards the sound list and every sound operation; the sound thread holds it for each pass.
extern ZC_LOCK zcSOUND_LOCK;

// What a thread and the holders of its record share; outlives both.
struct ZS_THREAD_STATE;

typedef int (*ZF_THREAD)(void* userData);

// The record of a thread started by fStartThread.
struct ZS_THREAD
{
    static constexpr int kStillActive = 259;
    static constexpr int kTerminated = -113;

    uint32_t threadId = 0;
    std::shared_ptr<ZS_THREAD_STATE> handle;
    ZF_THREAD function = nullptr;
    void* userData = nullptr;

    // Ends the thread: asks it to stop (see fIsThreadStopRequested), waits until it has, and
    // records the exit code -113, so that it never dies while holding a lock. Answers false
    // only when called from the thread itself. The record leaves zcTHREADS but stays valid.
    bool fTerminate();
    // The exit code; 259 while the thread runs.
    int fGetExitCode() const;
};

// Runs function(userData) on a new thread at raised priority. The record leaves the list of
// running threads when the function returns or the thread is terminated, and stays readable
// (its exit code) until fReleaseThread.
ZS_THREAD* fStartThread(ZF_THREAD function, void* userData);
// Frees a record; a thread still running is terminated first. Null is ignored.
void fReleaseThread(ZS_THREAD* record);
// Takes the record out of the list of running threads (nothing when it is not there).
void fRemoveThreadRecord(ZS_THREAD* record);
// A copy of the list of running threads' records (zcTHREADS).
std::vector<ZS_THREAD*> fGetThreads();

// For the running thread's own loop: true once its termination has been asked for.
bool fIsThreadStopRequested();
// Waits up to ms milliseconds, returning early (true) when termination is asked for, and
// early (false) when fWakeThread wakes it.
bool fWaitThreadStop(uint32_t ms);
// Ends the thread's current (or next) wait in fWaitThreadStop early. Null is ignored.
void fWakeThread(ZS_THREAD* record);
}
