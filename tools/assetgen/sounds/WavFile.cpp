#include "sounds/WavFile.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

namespace sfx {
namespace {

void PutU16(std::vector<char>& out, uint32_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(std::vector<char>& out, uint32_t value)
{
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

void PutTag(std::vector<char>& out, const char (&tag)[5])
{
    out.insert(out.end(), tag, tag + 4);
}

int16_t Quantize(double sample)
{
    const double scaled = std::round(sample * 32767.0);
    if (scaled > 32767.0) return 32767;
    if (scaled < -32768.0) return -32768;
    return static_cast<int16_t>(scaled);
}

} // namespace

bool WriteWav(const std::filesystem::path& path, const Signal& samples, int rate)
{
    constexpr uint32_t kChannels = 1;
    constexpr uint32_t kBytesPerSample = 2;
    const uint64_t dataBytes = static_cast<uint64_t>(samples.size()) * kBytesPerSample;
    if (dataBytes > std::numeric_limits<uint32_t>::max() - 36u) {
        std::fprintf(stderr, "zem-assetgen: %s: too long for a WAVE file\n", path.c_str());
        return false;
    }

    std::vector<char> bytes;
    bytes.reserve(44 + dataBytes);
    PutTag(bytes, "RIFF");
    PutU32(bytes, static_cast<uint32_t>(36 + dataBytes));
    PutTag(bytes, "WAVE");
    PutTag(bytes, "fmt ");
    PutU32(bytes, 16);
    PutU16(bytes, 1); // PCM
    PutU16(bytes, kChannels);
    PutU32(bytes, static_cast<uint32_t>(rate));
    PutU32(bytes, static_cast<uint32_t>(rate) * kChannels * kBytesPerSample);
    PutU16(bytes, kChannels * kBytesPerSample);
    PutU16(bytes, 16);
    PutTag(bytes, "data");
    PutU32(bytes, static_cast<uint32_t>(dataBytes));
    for (double sample : samples) PutU16(bytes, static_cast<uint16_t>(Quantize(sample)));

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "zem-assetgen: %s: cannot write the file\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace sfx
