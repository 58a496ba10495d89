#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Audio.h"

// A sound file read whole, as the game loads it: its format and every sample byte it holds.
struct SoundFile {
    platform::WaveFormat format;
    std::vector<uint8_t> samples;
    uint64_t missingBytes = 0; // what the "data" chunk claims beyond the end of the file
};

// Reads the sound at `path` into `out`. A format no device plays, or more samples than a device
// may hold (platform::CheckSoundSize), is refused before a sample is read, so a file never makes
// the game take more memory than the bound. False with a reason in `error` otherwise.
bool ReadSoundFile(const std::string& path, SoundFile& out, std::string& error);
