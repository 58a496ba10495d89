// A sound file as the game loads it: its format and all its sample bytes, then the format check.
#include <vector>

#include "AllocationBudget.h"
#include "InputFile.h"
#include "app/WavReader.h"
#include "platform/WaveFormatCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = InputFile(data, size);
    // The samples, the format's extra bytes and the reader's stream buffer.
    WithinBudget(size, 3, 64 * 1024, [&] {
        CWavReader reader;
        if (reader.Open(path) != CWavReader::kOk) return;
        std::vector<uint8_t> samples(reader.DataSize());
        uint32_t bytesRead = 0;
        if (reader.Read(static_cast<uint32_t>(samples.size()), samples.data(), bytesRead) != CWavReader::kOk) return;
        if (bytesRead > samples.size()) std::abort();
        std::string error;
        platform::CheckWaveFormat(*reader.Format(), error);
    });
    return 0;
}
