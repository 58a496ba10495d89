// A sound file as the game loads it: read whole within the bound, then converted to the mixer's
// format as every audio device converts it.
#include <cstdlib>
#include <vector>

#include "AllocationBudget.h"
#include "InputFile.h"
#include "SdlAllocations.h"
#include "app/SoundFile.h"
#include "platform/SoundConversion.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    CountSdlAllocations();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = InputFile(data, size);
    SoundFile sound;
    bool read = false;
    // The samples, the format's extra bytes and the reader's stream buffer.
    WithinBudget(size, 3, 64 * 1024, [&] {
        std::string error;
        read = ReadSoundFile(path, sound, error);
    });
    if (!read) return 0;
    if (sound.samples.size() > size || sound.samples.size() > platform::kMaxSoundBytes) std::abort();
    // The converted sound, which may be 176 times the samples (8-bit mono at 1000 Hz) but never
    // more than the bound, and what SDL holds while it converts one step (at most about 4 MB).
    const size_t converted = platform::MixFramesOf(sound.format, sound.samples.size()) * platform::kMixChannels * 2;
    if (converted > platform::kMaxSoundBytes) std::abort();
    WithinBudget(size, 0, converted + 4 * 1024 * 1024, [&] {
        std::vector<int16_t> out;
        std::string error;
        if (platform::ConvertToMixFormat(sound.format, sound.samples, out, error) && out.size() * 2 != converted)
            std::abort();
    });
    return 0;
}
