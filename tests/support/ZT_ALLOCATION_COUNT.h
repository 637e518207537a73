#pragma once
// Counts every allocation of the program, to show that drawing a frame makes none.
// Include it in exactly one source file of a program: it replaces the global operator new.
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

inline std::atomic<uint64_t>& fAllocationCount()
{
    static std::atomic<uint64_t> count{0};
    return count;
}

#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(size_t size)
{
    fAllocationCount().fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, size_t) noexcept
{
    std::free(p);
}
