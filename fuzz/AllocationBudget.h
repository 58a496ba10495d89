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
// Asked for by std::stable_sort's buffer. Left to the sanitizer, its memory went uncounted while
// its release was counted, and the count ran below zero.
void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    try {
        return operator new(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p, const std::nothrow_t&) noexcept { operator delete(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { operator delete(p); }

// Measures what `read` holds at its peak beyond what was held before; aborts past the budget.
template <typename Read>
void WithinBudget(size_t inputSize, size_t timesInput, size_t fixedBytes, Read read)
{
    const size_t before = gHeldBytes;
    gPeakBytes = before;
    read();
    // What the reader took and gave back within `read`: less than before means a kind of
    // allocation went uncounted, and the count would drift from one input to the next.
    if (gHeldBytes < before) {
        std::fprintf(stderr, "gave back %zu bytes more than were counted\n", before - gHeldBytes);
        std::abort();
    }
    const size_t used = gPeakBytes - before;
    if (used > timesInput * inputSize + fixedBytes) {
        std::fprintf(stderr, "held %zu bytes for an input of %zu bytes\n", used, inputSize);
        std::abort();
    }
}
