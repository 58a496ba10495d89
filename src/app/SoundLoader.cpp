#include <cstdio>
#include <filesystem>
#include <vector>

#include "app/GameFrame.h"
#include "app/WavReader.h"

// A sound is read whole and handed to the audio device once; a file that cannot be played
// leaves `out` null (every later call on it is skipped) after one line on standard error.
void CGameFrameConstruct::LoadSound(std::unique_ptr<platform::SoundBuffer>& out, const std::string& path)
{
    out.reset();
    if (mPlatform.audio == nullptr) return;

    CWavReader reader;
    if (reader.Open(path) != CWavReader::kOk) {
        std::fprintf(stderr, "zem: %s: %s\n", path.c_str(), reader.Error().c_str());
        return;
    }
    // DataSize never exceeds what the file holds, whatever the data chunk claims.
    std::vector<uint8_t> samples(reader.DataSize());
    uint32_t bytesRead = 0;
    if (reader.Read(static_cast<uint32_t>(samples.size()), samples.data(), bytesRead) != CWavReader::kOk) {
        std::fprintf(stderr, "zem: %s: %s\n", path.c_str(), reader.Error().c_str());
        return;
    }
    reader.Close();

    std::string error;
    const std::string name = std::filesystem::path(path).filename().string();
    out = mPlatform.audio->CreateBuffer(name, *reader.Format(), samples, error);
    if (!out) {
        std::fprintf(stderr, "zem: %s: %s\n", path.c_str(), error.c_str());
        return;
    }
    if (reader.MissingDataBytes() != 0) {
        std::fprintf(stderr, "zem: %s: the \"data\" chunk claims %llu bytes more than the file holds; they stay silent\n",
                     path.c_str(), static_cast<unsigned long long>(reader.MissingDataBytes()));
    }
}
