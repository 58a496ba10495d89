#pragma once
#include <SDL.h>

#include <memory>
#include <string>

#include "platform/PictureBudget.h"

namespace platform {

// No picture of the game comes near this; a file claiming more is refused before anything
// is decoded, so a few damaged header bytes can never make the game reserve gigabytes.
constexpr int kMaxImageSide = 4096;
constexpr long long kMaxImagePixels = 4096LL * 2048LL;

enum class ImageKind { Png, Jpeg, Bmp };

struct ImageHeader {
    ImageKind kind = ImageKind::Png;
    long long width = 0;
    long long height = 0;
};

// Reads the kind and the claimed size from the first bytes of a PNG, JPEG or BMP file.
// False with a reason in `error` for any other content or a header cut short.
bool ReadImageHeader(const std::string& path, ImageHeader& header, std::string& error);

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// Decodes a PNG, JPEG or BMP file whose header promises a size within the limits above and
// within what `budget` has left, with the decoder of the kind its header names. Null with a
// reason in `error` otherwise. A picture that decodes although its file is damaged (a JPEG cut
// short, a PNG chunk the decoder warned about) comes back with what was wrong in `warning`; what
// the decoder's library printed is gathered into `error` or `warning` instead of the terminal.
SurfacePtr LoadImageSurface(const std::string& path, const PictureBudget& budget, std::string& error,
                            std::string& warning);

} // namespace platform
