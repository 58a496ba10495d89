#pragma once
// Counts what SDL allocates into the same budget as the C++ code's operator new
// (AllocationBudget.h, included before this), so that a target sees the memory a library
// conversion takes as well. Call CountSdlAllocations() before SDL allocates anything.
#include <SDL.h>
#include <malloc.h>

namespace sdlallocations {

inline void* Counted(void* p)
{
    if (p == nullptr) return p;
    gHeldBytes += malloc_usable_size(p);
    if (gHeldBytes > gPeakBytes) gPeakBytes = gHeldBytes;
    return p;
}
inline void Uncount(void* p)
{
    if (p != nullptr) gHeldBytes -= malloc_usable_size(p);
}
inline void* SDLCALL Malloc(size_t size) { return Counted(std::malloc(size)); }
inline void* SDLCALL Calloc(size_t count, size_t size) { return Counted(std::calloc(count, size)); }
inline void* SDLCALL Realloc(void* p, size_t size)
{
    Uncount(p);
    return Counted(std::realloc(p, size));
}
inline void SDLCALL Free(void* p)
{
    Uncount(p);
    std::free(p);
}

} // namespace sdlallocations

inline void CountSdlAllocations()
{
    SDL_SetMemoryFunctions(&sdlallocations::Malloc, &sdlallocations::Calloc, &sdlallocations::Realloc,
                           &sdlallocations::Free);
}
