#pragma once
// Counts every allocation of the program, to show that drawing a frame makes none, and keeps the
// largest one while watched, to show that a damaged length takes no memory.
// Include it in exactly one source file of a program: it replaces the global operator new and
// delete, every form of them, so that no pair mixes ours with the library's or a sanitizer's.
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

inline std::atomic<uint64_t>& fAllocationCount()
{
    static std::atomic<uint64_t> count{0};
    return count;
}
inline std::atomic<bool>& fAllocationWatch()
{
    static std::atomic<bool> watch{false};
    return watch;
}
inline std::atomic<size_t>& fLargestAllocation()
{
    static std::atomic<size_t> largest{0};
    return largest;
}

inline void* fCountedAllocate(size_t size) noexcept
{
    fAllocationCount().fetch_add(1, std::memory_order_relaxed);
    if (fAllocationWatch() && size > fLargestAllocation())
        fLargestAllocation() = size;
    return std::malloc(size ? size : 1);
}

// GCC cannot see that this new and delete are a pair.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpragmas"
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(size_t size)
{
    if (void* p = fCountedAllocate(size))
        return p;
    throw std::bad_alloc();
}
void* operator new[](size_t size)
{
    if (void* p = fCountedAllocate(size))
        return p;
    throw std::bad_alloc();
}
void* operator new(size_t size, const std::nothrow_t&) noexcept { return fCountedAllocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return fCountedAllocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
#pragma GCC diagnostic pop
