#pragma once
#include <cstdint>
#include <string>

// Little pieces of RIFF WAVE files, put together byte by byte by the tests.
namespace wavbytes {

std::string Le16(uint16_t value);
std::string Le32(uint32_t value);
// A chunk with its header; `declaredSize` overrides the size field (the body stays as given).
// An odd-sized body gets its pad byte.
std::string Chunk(const std::string& id, const std::string& body);
std::string Chunk(const std::string& id, const std::string& body, uint32_t declaredSize);
// "RIFF", the size of what follows, "WAVE", then the chunks.
std::string Riff(const std::string& chunks);
// The 16 fields every "fmt " chunk starts with.
std::string FormatFields(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits);
// A whole plain PCM file: a 16-byte "fmt " chunk and a "data" chunk.
std::string PcmFile(uint16_t channels, uint32_t rate, uint16_t bits, const std::string& samples);

} // namespace wavbytes
