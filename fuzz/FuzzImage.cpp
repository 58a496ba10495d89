// A picture through the game's image loader: the header check, then the decoder it names.
#include <cstdlib>

#include "InputFile.h"
#include "platform/ImageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const platform::PictureBudget budget;
    std::string error;
    std::string warning;
    const platform::SurfacePtr surface = platform::LoadImageSurface(InputFile(data, size), budget, error, warning);
    if (surface && (surface->w > platform::kMaxImageSide || surface->h > platform::kMaxImageSide)) std::abort();
    return 0;
}
