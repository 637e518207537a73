#pragma once
// The clocks and the memory figure every bench program reports its numbers from.
#include <sys/resource.h>
#include <time.h>

namespace ZT_BENCH
{
// Seconds on the clock (CLOCK_REALTIME to line up with another process's figures).
inline double fNow(clockid_t clock = CLOCK_MONOTONIC)
{
    timespec t;
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// User and system time of the whole process, all threads.
inline double fCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Peak resident memory so far.
inline long fMaxRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
}
