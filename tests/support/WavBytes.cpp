#include "support/WavBytes.h"

namespace wavbytes {

std::string Le16(uint16_t value)
{
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string Le32(uint32_t value)
{
    return Le16(static_cast<uint16_t>(value & 0xFFFF)) + Le16(static_cast<uint16_t>(value >> 16));
}

std::string Chunk(const std::string& id, const std::string& body, uint32_t declaredSize)
{
    std::string chunk = id + Le32(declaredSize) + body;
    if (body.size() % 2 == 1) chunk += '\0';
    return chunk;
}

std::string Chunk(const std::string& id, const std::string& body)
{
    return Chunk(id, body, static_cast<uint32_t>(body.size()));
}

std::string Riff(const std::string& chunks)
{
    return "RIFF" + Le32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

std::string FormatFields(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits)
{
    const uint16_t blockAlign = static_cast<uint16_t>(channels * bits / 8);
    return Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * blockAlign) + Le16(blockAlign) + Le16(bits);
}

std::string PcmFile(uint16_t channels, uint32_t rate, uint16_t bits, const std::string& samples)
{
    return Riff(Chunk("fmt ", FormatFields(1, channels, rate, bits)) + Chunk("data", samples));
}

} // namespace wavbytes
