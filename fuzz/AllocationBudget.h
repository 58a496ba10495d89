#pragma once
// Counts the bytes the C++ code holds (every operator new of the binary), so that a target
// can check that reading an input never holds more than a small multiple of its size.
// Include in exactly one file of a fuzz target.
#include <malloc.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <new>

inline size_t gHeldBytes = 0;
inline size_t gPeakBytes = 0;

void* operator new(size_t size)
{
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) throw std::bad_alloc();
    gHeldBytes += malloc_usable_size(p);
    if (gHeldBytes > gPeakBytes) gPeakBytes = gHeldBytes;
    return p;
}
void* operator new[](size_t size) { return operator new(size); }
void operator delete(void* p) noexcept
{
    if (p == nullptr) return;
    gHeldBytes -= malloc_usable_size(p);
    std::free(p);
}
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete(void* p, size_t) noexcept { operator delete(p); }
void operator delete[](void* p, size_t) noexcept { operator delete(p); }

// Measures what `read` holds at its peak beyond what was held before; aborts past the budget.
template <typename Read>
void WithinBudget(size_t inputSize, size_t timesInput, size_t fixedBytes, Read read)
{
    const size_t before = gHeldBytes;
    gPeakBytes = before;
    read();
    const size_t used = gPeakBytes - before;
    if (used > timesInput * inputSize + fixedBytes) {
        std::fprintf(stderr, "held %zu bytes for an input of %zu bytes\n", used, inputSize);
        std::abort();
    }
}
