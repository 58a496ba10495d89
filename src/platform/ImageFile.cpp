#include "platform/ImageFile.h"
#include "platform/RegularFile.h"
#include "platform/StandardErrorCapture.h"
#include "platform/TerminalText.h"

#include <SDL_image.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace platform {

namespace {

uint32_t BigEndian32(const unsigned char* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }
uint16_t BigEndian16(const unsigned char* p) { return uint16_t(p[0] << 8 | p[1]); }
uint32_t LittleEndian32(const unsigned char* p) { return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]; }
uint16_t LittleEndian16(const unsigned char* p) { return uint16_t(p[1] << 8 | p[0]); }

bool ReadExactly(std::FILE* file, unsigned char* out, size_t count) { return std::fread(out, 1, count, file) == count; }

// After the signature: the first chunk must be "IHDR" with the width and height. Every chunk
// up to "IEND" must fit in the file, or the decoder would go on reading a length the file
// merely claims (for a 400-byte file, minutes of checksumming nothing).
bool ReadPngSize(std::FILE* file, ImageHeader& header)
{
    unsigned char chunk[16];
    if (!ReadExactly(file, chunk, sizeof chunk) || std::memcmp(chunk + 4, "IHDR", 4) != 0) return false;
    header.width = BigEndian32(chunk + 8);
    header.height = BigEndian32(chunk + 12);
    if (std::fseek(file, 0, SEEK_END) != 0) return false;
    const long fileSize = std::ftell(file);
    long chunkStart = 8;
    for (;;) {
        unsigned char lengthAndType[8];
        if (std::fseek(file, chunkStart, SEEK_SET) != 0 || !ReadExactly(file, lengthAndType, sizeof lengthAndType)) {
            return false;
        }
        const uint32_t length = BigEndian32(lengthAndType);
        const long long chunkEnd = static_cast<long long>(chunkStart) + 12 + length; // length, type, data, checksum
        if (length > 0x7FFFFFFFu || chunkEnd > fileSize) return false;
        if (std::memcmp(lengthAndType + 4, "IEND", 4) == 0) return true;
        chunkStart = static_cast<long>(chunkEnd);
    }
}

bool ReadBmpSize(std::FILE* file, ImageHeader& header)
{
    // After "BM": file size, reserved, pixel offset, then the info header with the size.
    unsigned char info[24];
    if (!ReadExactly(file, info, sizeof info)) return false;
    const uint32_t infoSize = LittleEndian32(info + 12);
    if (infoSize == 12) {
        header.width = LittleEndian16(info + 16);
        header.height = LittleEndian16(info + 18);
    } else {
        // The height is negative for pictures stored top row first.
        header.width = static_cast<int32_t>(LittleEndian32(info + 16));
        header.height = static_cast<int32_t>(LittleEndian32(info + 20));
        if (header.height < 0) header.height = -header.height;
    }
    return true;
}

bool IsStartOfFrame(int marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool ReadJpegSize(std::FILE* file, ImageHeader& header)
{
    // Walks the marker segments up to the first frame header, which holds the size.
    for (;;) {
        int c = std::fgetc(file);
        if (c != 0xFF) return false;
        while (c == 0xFF) c = std::fgetc(file);
        if (c == EOF) return false;
        if (c == 0x01 || (c >= 0xD0 && c <= 0xD7)) continue; // markers without a segment
        if (c == 0xD9 || c == 0xDA) return false;           // image end or scan before any frame
        unsigned char length[2];
        if (!ReadExactly(file, length, 2)) return false;
        const uint16_t segment = BigEndian16(length);
        if (segment < 2) return false;
        if (IsStartOfFrame(c)) {
            unsigned char frame[5];
            if (segment < 7 || !ReadExactly(file, frame, sizeof frame)) return false;
            header.height = BigEndian16(frame + 1);
            header.width = BigEndian16(frame + 3);
            return true;
        }
        if (std::fseek(file, segment - 2, SEEK_CUR) != 0) return false;
    }
}

// Whether the marker segments and the scans after the start of the image reach its end marker.
// A JPEG cut short still decodes (the decoder fills the missing blocks) and says nothing.
bool JpegReachesItsEnd(std::FILE* file)
{
    if (std::fseek(file, 2, SEEK_SET) != 0) return false;
    for (int c = std::fgetc(file);;) {
        if (c == EOF) return false;
        if (c != 0xFF) { // a scan's coded data
            c = std::fgetc(file);
            continue;
        }
        while (c == 0xFF) c = std::fgetc(file);
        if (c == 0xD9) return true;
        if (c == EOF) return false;
        // A zero is a coded 0xFF byte; restart markers and TEM have no segment.
        if (c == 0x00 || c == 0x01 || (c >= 0xD0 && c <= 0xD7)) {
            c = std::fgetc(file);
            continue;
        }
        unsigned char length[2];
        if (!ReadExactly(file, length, 2) || BigEndian16(length) < 2 ||
            std::fseek(file, BigEndian16(length) - 2, SEEK_CUR) != 0) {
            return false;
        }
        c = std::fgetc(file);
    }
}

// The decoder's name for a kind, and the kind's name in messages.
const char* TypeName(ImageKind kind)
{
    switch (kind) {
    case ImageKind::Png: return "PNG";
    case ImageKind::Jpeg: return "JPG";
    case ImageKind::Bmp: return "BMP";
    }
    return "";
}

const char* KindName(ImageKind kind)
{
    return kind == ImageKind::Jpeg ? "JPEG" : TypeName(kind);
}

bool WithinLimits(long long width, long long height)
{
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

std::string SizeText(long long width, long long height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

} // namespace

bool ReadImageHeader(const std::string& path, ImageHeader& header, std::string& error)
{
    const FilePtr file = OpenRegularFile(path, error);
    if (!file) return false;
    unsigned char magic[8] = {};
    const size_t got = std::fread(magic, 1, sizeof magic, file.get());
    if (std::ferror(file.get())) {
        error = std::strerror(errno);
        return false;
    }
    bool complete = false;
    if (got == 8 && std::memcmp(magic, "\x89PNG\r\n\x1A\n", 8) == 0) {
        header.kind = ImageKind::Png;
        complete = ReadPngSize(file.get(), header);
    } else if (got >= 2 && magic[0] == 0xFF && magic[1] == 0xD8) {
        header.kind = ImageKind::Jpeg;
        complete = std::fseek(file.get(), 2, SEEK_SET) == 0 && ReadJpegSize(file.get(), header);
    } else if (got >= 2 && magic[0] == 'B' && magic[1] == 'M') {
        header.kind = ImageKind::Bmp;
        complete = std::fseek(file.get(), 2, SEEK_SET) == 0 && ReadBmpSize(file.get(), header);
    } else {
        error = "not a PNG, JPEG or BMP image";
        return false;
    }
    if (!complete) {
        error = std::string("damaged ") + KindName(header.kind) + " header";
        return false;
    }
    return true;
}

SurfacePtr LoadImageSurface(const std::string& path, const PictureBudget& budget, std::string& error,
                            std::string& warning)
{
    warning.clear();
    ImageHeader header;
    if (!ReadImageHeader(path, header, error)) return nullptr;
    if (!WithinLimits(header.width, header.height)) {
        error = "refused: the header claims " + SizeText(header.width, header.height) + " pixels (at most " +
                SizeText(kMaxImageSide, kMaxImageSide) + " and " + std::to_string(kMaxImagePixels) + " pixels)";
        return nullptr;
    }
    if (!budget.Fits(header.width, header.height, error)) return nullptr;
    SDL_RWops* stream = SDL_RWFromFile(path.c_str(), "rb");
    if (stream == nullptr) {
        error = TerminalText(SDL_GetError(), kLibraryTextShown);
        return nullptr;
    }
    StandardErrorCapture decoderLines;
    SurfacePtr surface(IMG_LoadTyped_RW(stream, 1, TypeName(header.kind)));
    const std::string said = decoderLines.Finish();
    if (!surface) {
        error = TerminalText(IMG_GetError(), kLibraryTextShown) + (said.empty() ? "" : " (" + said + ")");
        return nullptr;
    }
    // The decoder reads its own idea of the size; it must still be the one checked.
    if (!WithinLimits(surface->w, surface->h)) {
        error = "refused: decoded as " + SizeText(surface->w, surface->h) + " pixels";
        return nullptr;
    }
    if (!budget.Fits(surface->w, surface->h, error)) return nullptr;
    std::string damage = said;
    if (header.kind == ImageKind::Jpeg) {
        const FilePtr file(std::fopen(path.c_str(), "rb"));
        if (!file || !JpegReachesItsEnd(file.get()))
            damage = "the file ends before the picture does" + (said.empty() ? "" : "; " + said);
    }
    if (!damage.empty()) warning = std::string("damaged ") + KindName(header.kind) + ": " + damage;
    return surface;
}

} // namespace platform
