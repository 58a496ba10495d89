#include "images/ImageFiles.h"

#include <SDL.h>
#include <SDL_image.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

void Report(const std::filesystem::path& file, const char* what)
{
    std::fprintf(stderr, "zem-assetgen: %s: %s\n", file.c_str(), what);
}

// Cairo keeps premultiplied ARGB words; the files want straight colour.
std::vector<Rgba> StraightPixels(const Canvas& canvas)
{
    cairo_surface_flush(canvas.Surface());
    const unsigned char* data = cairo_image_surface_get_data(canvas.Surface());
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    std::vector<Rgba> pixels(static_cast<std::size_t>(canvas.Width()) * canvas.Height());
    for (int y = 0; y < canvas.Height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < canvas.Width(); ++x) {
            const std::uint32_t word = row[x];
            const unsigned a = word >> 24;
            Rgba& p = pixels[static_cast<std::size_t>(y) * canvas.Width() + x];
            p.a = static_cast<std::uint8_t>(a);
            if (a == 0) {
                continue;
            }
            auto straight = [a](unsigned c) {
                const unsigned v = (c * 255 + a / 2) / a;
                return static_cast<std::uint8_t>(v > 255 ? 255 : v);
            };
            p.r = straight((word >> 16) & 0xFF);
            p.g = straight((word >> 8) & 0xFF);
            p.b = straight(word & 0xFF);
        }
    }
    return pixels;
}

// Gives fully transparent pixels next to drawn ones the mean colour of those neighbours,
// a few pixels deep, so that filtering at the edges does not pull in black.
void BleedColour(std::vector<Rgba>& pixels, int width, int height)
{
    std::vector<std::uint8_t> known(pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        known[i] = pixels[i].a != 0;
    }
    for (int pass = 0; pass < 3; ++pass) {
        std::vector<std::uint8_t> next = known;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * width + x;
                if (known[i]) {
                    continue;
                }
                unsigned r = 0, g = 0, b = 0, n = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= width || ny >= height) {
                            continue;
                        }
                        const std::size_t j = static_cast<std::size_t>(ny) * width + nx;
                        if (known[j]) {
                            r += pixels[j].r;
                            g += pixels[j].g;
                            b += pixels[j].b;
                            ++n;
                        }
                    }
                }
                if (n > 0) {
                    pixels[i].r = static_cast<std::uint8_t>(r / n);
                    pixels[i].g = static_cast<std::uint8_t>(g / n);
                    pixels[i].b = static_cast<std::uint8_t>(b / n);
                    next[i] = 1;
                }
            }
        }
        known.swap(next);
    }
}

} // namespace

bool WritePng(const Canvas& canvas, const std::filesystem::path& file, ClearColour clear)
{
    if (!canvas.Ok()) {
        Report(file, "drawing failed");
        return false;
    }
    std::vector<Rgba> pixels = StraightPixels(canvas);
    bool opaque = true;
    for (const Rgba& p : pixels) {
        opaque = opaque && p.a == 255;
    }
    if (clear == ClearColour::Bleed) {
        BleedColour(pixels, canvas.Width(), canvas.Height());
    } else {
        for (Rgba& p : pixels) {
            if (p.a == 0) {
                p = Rgba{255, 255, 255, 0};
            }
        }
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(pixels.size() * 4);
    for (const Rgba& p : pixels) {
        bytes.insert(bytes.end(), {p.r, p.g, p.b});
        if (!opaque) {
            bytes.push_back(p.a);
        }
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(canvas.Width());
    image.height = static_cast<png_uint_32>(canvas.Height());
    image.format = opaque ? PNG_FORMAT_RGB : PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, file.c_str(), 0, bytes.data(), 0, nullptr)) {
        Report(file, image.message);
        png_image_free(&image);
        return false;
    }
    return true;
}

bool WriteJpeg(const Canvas& canvas, const std::filesystem::path& file, int quality)
{
    if (!canvas.Ok()) {
        Report(file, "drawing failed");
        return false;
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(canvas.Width()) * canvas.Height() * 3);
    for (const Rgba& p : StraightPixels(canvas)) {
        bytes.insert(bytes.end(), {p.r, p.g, p.b});
    }
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(bytes.data(), canvas.Width(), canvas.Height(), 24,
                                                              canvas.Width() * 3, SDL_PIXELFORMAT_RGB24);
    if (!surface) {
        Report(file, SDL_GetError());
        return false;
    }
    const bool ok = IMG_SaveJPG(surface, file.c_str(), quality) == 0;
    SDL_FreeSurface(surface);
    if (!ok) {
        Report(file, IMG_GetError());
    }
    return ok;
}

bool WriteBmp(const Canvas& canvas, const std::filesystem::path& file)
{
    if (!canvas.Ok()) {
        Report(file, "drawing failed");
        return false;
    }
    const int width = canvas.Width();
    const int height = canvas.Height();
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes) * height;
    std::vector<std::uint8_t> out;
    auto put16 = [&out](unsigned v) { out.insert(out.end(), {std::uint8_t(v), std::uint8_t(v >> 8)}); };
    auto put32 = [&out](std::uint32_t v) {
        out.insert(out.end(), {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)});
    };
    // File header, then the 40-byte information header: 24 bits, uncompressed, rows bottom-up.
    out.insert(out.end(), {'B', 'M'});
    put32(54 + imageBytes);
    put32(0);
    put32(54);
    put32(40);
    put32(static_cast<std::uint32_t>(width));
    put32(static_cast<std::uint32_t>(height));
    put16(1);
    put16(24);
    put32(0);
    put32(imageBytes);
    put32(2835); // 72 dots per inch
    put32(2835);
    put32(0);
    put32(0);
    const std::vector<Rgba> pixels = StraightPixels(canvas);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgba& p = pixels[static_cast<std::size_t>(y) * width + x];
            out.insert(out.end(), {p.b, p.g, p.r});
        }
        out.resize(out.size() + static_cast<std::size_t>(rowBytes - width * 3), 0);
    }
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!stream) {
        Report(file, "cannot write");
        return false;
    }
    return true;
}
