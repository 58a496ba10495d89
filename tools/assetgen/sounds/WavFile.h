#pragma once
#include <filesystem>

#include "sounds/Signal.h"

namespace sfx {

// Writes a mono 16-bit PCM RIFF WAVE file ("fmt " of 16 bytes, then "data").
// Samples are rounded and clamped to the 16-bit range. Reports a failure on standard error.
bool WriteWav(const std::filesystem::path& path, const Signal& samples, int rate);

} // namespace sfx
