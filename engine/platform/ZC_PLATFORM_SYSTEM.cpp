#include "engine/platform/ZC_PLATFORM_SYSTEM.h"

#include <SDL.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/sysinfo.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace ZOR
{
namespace
{
std::atomic<uint32_t (*)()> gFakeTick{nullptr};
std::atomic<void (*)(uint32_t)> gFakeSleep{nullptr};

uint32_t fRealTickMs()
{
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
}

uint32_t fGetTickMs()
{
    auto tick = gFakeTick.load();
    return tick ? tick() : fRealTickMs();
}

uint32_t fGetTickMsInto(int* out)
{
    uint32_t now = fGetTickMs();
    if (out)
        *out = int(now);
    return now;
}

void fSleepMs(uint32_t ms)
{
    if (auto sleep = gFakeSleep.load())
    {
        sleep(ms);
        return;
    }
    // A zero sleep gives the processor away briefly instead of returning at once: the loop's
    // limiter asks for one while it waits for the next millisecond, and a mere yield would
    // spin a core for that time.
    if (ms == 0)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::time_t fGetUnixTime()
{
    return std::time(nullptr);
}

void fSetClockForTests(uint32_t (*tick)(), void (*sleep)(uint32_t))
{
    gFakeTick = tick;
    gFakeSleep = sleep;
}

void fRaiseThreadPriority()
{
    // Threads share the scheduling class; a lower nice value of this thread alone is the
    // closest to a "highest" thread priority, and needs a privilege most players lack.
    pid_t tid = pid_t(syscall(SYS_gettid));
    errno = 0;
    int nice = getpriority(PRIO_PROCESS, id_t(tid));
    if (errno == 0)
        setpriority(PRIO_PROCESS, id_t(tid), nice - 2);
}

int fShowMessageBox(void* window, const char* caption, const char* text)
{
    caption = caption ? caption : "";
    text = text ? text : "";
    const char* mode = std::getenv("ZOR_MESSAGE_BOX");
    if (mode && std::strcmp(mode, "log") == 0)
    {
        std::fprintf(stderr, "[message box] %s: %s\n", caption, text);
        return 1;
    }
    int shown = SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption, text, static_cast<SDL_Window*>(window));
    if (shown != 0)
    {
        // No display to show it on: the text must not be lost.
        std::fprintf(stderr, "[message box] %s: %s\n", caption, text);
        return 0;
    }
    return 1;
}

bool fShellOpen(const char* pathOrAddress)
{
    if (!pathOrAddress || !*pathOrAddress)
        return false;
    // A pipe closed on exec tells whether xdg-open could be started; the handler runs in a
    // grandchild so that nothing waits on it and no zombie is left behind.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return false;
    pid_t child = fork();
    if (child < 0)
    {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0)
    {
        close(report[0]);
        setsid();
        pid_t grandchild = fork();
        if (grandchild < 0)
        {
            char failed = 1;
            (void)!write(report[1], &failed, 1);
            _exit(1);
        }
        if (grandchild > 0)
            _exit(0);
        char* const argv[] = {const_cast<char*>("xdg-open"), const_cast<char*>(pathOrAddress), nullptr};
        execvp("xdg-open", argv);
        char failed = 1;
        (void)!write(report[1], &failed, 1);
        _exit(127);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR)
    {
    }
    char failed = 0;
    ssize_t got;
    do
        got = read(report[0], &failed, 1);
    while (got < 0 && errno == EINTR);
    close(report[0]);
    return got == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool fShellOpenDocument(const char* text)
{
    return fShellOpen(text);
}

const char* fGetSystemLocale()
{
    return "no locale";
}

int fGetDeviceKind()
{
    return 0;
}

bool fIsHostDrivenLoop()
{
    return false;
}

int fGetAvailableMemoryMb()
{
    struct sysinfo info;
    if (sysinfo(&info) != 0)
        return 0;
    unsigned long long bytes = (unsigned long long)(info.freeram + info.bufferram) * info.mem_unit;
    return int(bytes / (1024 * 1024));
}

void fSetAllocatorPolicy()
{
#ifdef __GLIBC__
    // glibc raises its threshold for mapping a block to the size of every mapped block freed, so
    // after the first picture is decoded and freed the next ones land on the heap, and the holes
    // they leave there stay resident for good (a third of the game's memory once it had
    // loaded). Fixing it fixes the trimming threshold too, whose default of 128 KiB had the
    // driver's heap shrink and grow again (a system call and a flush on every core) in every
    // frame it drew.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 2 * 1024 * 1024);
#endif
}
}
