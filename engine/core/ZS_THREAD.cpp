#include "engine/core/ZS_THREAD.h"

#include "engine/platform/ZC_PLATFORM_SYSTEM.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <thread>

namespace ZOR
{
ZC_LOCK zcSOUND_LOCK;

void ZC_LOCK::fEnter()
{
    if (!mutex.try_lock())
        mutex.lock();
    ++depth;
}

void ZC_LOCK::fLeave()
{
    --depth;
    mutex.unlock();
}

struct ZS_THREAD_STATE
{
    std::mutex mutex;
    std::condition_variable changed;
    bool stopRequested = false;
    bool woken = false;
    bool finished = false;
    int exitCode = ZS_THREAD::kStillActive;
    std::thread::id id;
};

namespace
{
// The list of running threads and its guard, changed by starting and finishing threads.
std::mutex& fThreadsGuard()
{
    static std::mutex* guard = new std::mutex;
    return *guard;
}

std::vector<ZS_THREAD*>& fThreads()
{
    static std::vector<ZS_THREAD*>* threads = new std::vector<ZS_THREAD*>;
    return *threads;
}

std::atomic<uint32_t> gNextThreadId{1};
thread_local ZS_THREAD_STATE* tCurrent = nullptr;

void fThreadStartRoutine(std::shared_ptr<ZS_THREAD_STATE> state, ZS_THREAD* record, ZF_THREAD function, void* userData)
{
    tCurrent = state.get();
    {
        std::lock_guard<std::mutex> lock(state->mutex);
        state->id = std::this_thread::get_id();
    }
    fRaiseThreadPriority();
    int result = function(userData);
    bool terminated;
    {
        std::lock_guard<std::mutex> lock(state->mutex);
        terminated = state->stopRequested;
    }
    // A terminated thread's record has been taken out by fTerminate (and may be freed).
    if (!terminated)
        fRemoveThreadRecord(record);
    std::lock_guard<std::mutex> lock(state->mutex);
    state->finished = true;
    state->exitCode = state->stopRequested ? ZS_THREAD::kTerminated : result;
    state->changed.notify_all();
}
}

ZS_THREAD* fStartThread(ZF_THREAD function, void* userData)
{
    ZS_THREAD* record = new ZS_THREAD;
    record->threadId = gNextThreadId++;
    record->function = function;
    record->userData = userData;
    record->handle = std::make_shared<ZS_THREAD_STATE>();
    {
        std::lock_guard<std::mutex> lock(fThreadsGuard());
        fThreads().push_back(record);
    }
    // Nobody joins: finishing is reported through the shared state.
    std::thread(fThreadStartRoutine, record->handle, record, function, userData).detach();
    return record;
}

bool ZS_THREAD::fTerminate()
{
    if (!handle)
        return false;
    ZS_THREAD_STATE& state = *handle;
    {
        // Waiting for itself would never end.
        std::lock_guard<std::mutex> lock(state.mutex);
        if (std::this_thread::get_id() == state.id)
            return false;
    }
    fRemoveThreadRecord(this);
    std::unique_lock<std::mutex> lock(state.mutex);
    if (!state.finished)
    {
        state.stopRequested = true;
        state.changed.notify_all();
        state.changed.wait(lock, [&] { return state.finished; });
    }
    return true;
}

int ZS_THREAD::fGetExitCode() const
{
    if (!handle)
        return -1;
    std::lock_guard<std::mutex> lock(handle->mutex);
    return handle->exitCode;
}

void fReleaseThread(ZS_THREAD* record)
{
    if (!record)
        return;
    record->fTerminate();
    delete record;
}

void fRemoveThreadRecord(ZS_THREAD* record)
{
    std::lock_guard<std::mutex> lock(fThreadsGuard());
    auto& threads = fThreads();
    threads.erase(std::remove(threads.begin(), threads.end(), record), threads.end());
}

std::vector<ZS_THREAD*> fGetThreads()
{
    std::lock_guard<std::mutex> lock(fThreadsGuard());
    return fThreads();
}

bool fIsThreadStopRequested()
{
    if (!tCurrent)
        return false;
    std::lock_guard<std::mutex> lock(tCurrent->mutex);
    return tCurrent->stopRequested;
}

bool fWaitThreadStop(uint32_t ms)
{
    if (!tCurrent)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return false;
    }
    std::unique_lock<std::mutex> lock(tCurrent->mutex);
    tCurrent->changed.wait_for(lock, std::chrono::milliseconds(ms), [] { return tCurrent->stopRequested || tCurrent->woken; });
    tCurrent->woken = false;
    return tCurrent->stopRequested;
}

void fWakeThread(ZS_THREAD* record)
{
    if (!record || !record->handle)
        return;
    std::lock_guard<std::mutex> lock(record->handle->mutex);
    record->handle->woken = true;
    record->handle->changed.notify_all();
}
}
