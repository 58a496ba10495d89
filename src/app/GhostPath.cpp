#include "app/GhostPath.h"

#include <cmath>
#include <cstring>
#include <fstream>

#include "app/Geometry.h"

namespace {

constexpr char kMagic[8] = {'Z', 'E', 'M', 'G', 'H', 'O', 'S', 'T'};
constexpr uint32_t kVersion = 1;
constexpr size_t kStampBytes = 16;
constexpr uint32_t kNever = 0xFFFFFFFF;

void Put32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

uint32_t Get32(const std::string& in, size_t at)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(in[at + i])) << (8 * i);
    return v;
}

uint32_t BitsOf(float f)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

float FloatOf(uint32_t bits)
{
    float f = 0.0f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

int ColumnOf(float x)
{
    if (!(x > 0.0f)) return 0;
    return std::min(static_cast<int>(x / kCellSize), kMapCols - 1);
}

} // namespace

bool GhostPath::ShowsAHeroPicture(const GhostFrame& frame)
{
    constexpr uint8_t kLastBigRow = 5;
    constexpr uint8_t kMiniRow = 255;
    constexpr uint8_t kLastCell = 7;
    const bool big = frame.width == 45 && frame.height == 75;
    const bool mini = frame.width == 40 && frame.height == 40;
    return (big || mini) && (frame.anim <= kLastBigRow || frame.anim == kMiniRow) && frame.cell <= kLastCell;
}

void GhostPath::Add(const GhostFrame& frame)
{
    if (Full()) return;
    mFrames.push_back(frame);
    const int column = ColumnOf(frame.x);
    if (mReach.empty()) mReach.assign(kMapCols, kNever);
    for (int c = 0; c <= column; ++c) {
        if (mReach[static_cast<size_t>(c)] == kNever) mReach[static_cast<size_t>(c)] = static_cast<uint32_t>(mFrames.size() - 1);
    }
}

void GhostPath::IndexReach()
{
    mReach.assign(kMapCols, kNever);
    for (size_t f = 0; f < mFrames.size(); ++f) {
        for (int c = 0; c <= ColumnOf(mFrames[f].x); ++c) {
            if (mReach[static_cast<size_t>(c)] == kNever) mReach[static_cast<size_t>(c)] = static_cast<uint32_t>(f);
        }
    }
}

std::optional<size_t> GhostPath::FirstFrameAt(float x) const
{
    if (mReach.empty()) return std::nullopt;
    const uint32_t frame = mReach[static_cast<size_t>(ColumnOf(x))];
    if (frame == kNever) return std::nullopt;
    return frame;
}

std::string GhostPath::Encode(const std::string& dataStamp) const
{
    std::string out(kMagic, sizeof kMagic);
    Put32(out, kVersion);
    std::string stamp = dataStamp.substr(0, kStampBytes);
    stamp.resize(kStampBytes, ' ');
    out += stamp;
    Put32(out, 0); // reserved
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(mFrames.size()));
    for (const GhostFrame& f : mFrames) {
        Put32(out, BitsOf(f.x));
        Put32(out, BitsOf(f.y));
        out += static_cast<char>(f.width);
        out += static_cast<char>(f.height);
        out += static_cast<char>(f.anim);
        out += static_cast<char>(f.cell);
        out += static_cast<char>(f.facing);
    }
    return out;
}

bool GhostPath::Decode(const std::string& bytes, std::string& dataStamp, std::string& problem)
{
    if (bytes.size() < kHeaderBytes || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
        problem = "not a ghost file";
        return false;
    }
    if (Get32(bytes, 8) != kVersion) {
        problem = "a ghost of another version of the game";
        return false;
    }
    const uint32_t count = Get32(bytes, kHeaderBytes - 4);
    if (count > kMaxFrames || bytes.size() != kHeaderBytes + count * kFrameBytes) {
        problem = "damaged: it claims " + std::to_string(count) + " frames in " + std::to_string(bytes.size()) + " bytes";
        return false;
    }
    std::vector<GhostFrame> frames;
    frames.reserve(count);
    for (size_t at = kHeaderBytes; at < bytes.size(); at += kFrameBytes) {
        GhostFrame f;
        f.x = FloatOf(Get32(bytes, at));
        f.y = FloatOf(Get32(bytes, at + 4));
        f.width = static_cast<uint8_t>(bytes[at + 8]);
        f.height = static_cast<uint8_t>(bytes[at + 9]);
        f.anim = static_cast<uint8_t>(bytes[at + 10]);
        f.cell = static_cast<uint8_t>(bytes[at + 11]);
        f.facing = static_cast<int8_t>(bytes[at + 12]);
        if (!std::isfinite(f.x) || !std::isfinite(f.y) || std::fabs(f.x) > 1e6f || std::fabs(f.y) > 1e6f ||
            (f.facing != 1 && f.facing != -1)) {
            problem = "damaged at frame " + std::to_string(frames.size() + 1);
            return false;
        }
        if (!ShowsAHeroPicture(f)) {
            problem = "damaged at frame " + std::to_string(frames.size() + 1) + ": not one of the hero's pictures";
            return false;
        }
        frames.push_back(f);
    }
    dataStamp = bytes.substr(12, kStampBytes);
    while (!dataStamp.empty() && dataStamp.back() == ' ') dataStamp.pop_back();
    mFrames = std::move(frames);
    IndexReach();
    return true;
}

bool GhostPath::Load(const std::filesystem::path& file, std::string& dataStamp, std::string& problem)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        problem = std::filesystem::exists(file, error) ? "not a regular file" : "missing";
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    const std::uintmax_t largest = kHeaderBytes + kMaxFrames * kFrameBytes;
    if (error || size > largest) {
        problem = "larger than any ghost (" + std::to_string(largest) + " bytes)";
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in || static_cast<size_t>(in.gcount()) != bytes.size()) {
        problem = "cannot be read";
        return false;
    }
    return Decode(bytes, dataStamp, problem);
}
