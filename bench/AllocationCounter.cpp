// Counts every allocation the benchmark program makes, so a benchmark can show how many a frame
// of the game costs.
#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> gAllocations{0};

} // namespace

long long AllocationCount()
{
    return gAllocations.load(std::memory_order_relaxed);
}

void* operator new(std::size_t size)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
