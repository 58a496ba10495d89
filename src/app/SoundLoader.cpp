#include <cstdio>
#include <filesystem>

#include "app/GameFrame.h"
#include "app/Quote.h"
#include "app/SoundFile.h"

// A sound is read whole and handed to the audio device once; a file that cannot be played
// leaves `out` null (every later call on it is skipped) after one line on standard error.
void CGameFrameConstruct::LoadSound(std::unique_ptr<platform::SoundBuffer>& out, const std::string& path)
{
    out.reset();
    if (mPlatform.audio == nullptr) return;

    SoundFile sound;
    std::string error;
    if (!ReadSoundFile(path, sound, error)) {
        std::fprintf(stderr, "zem: %s: %s\n", QuotePath(path).c_str(), error.c_str());
        return;
    }
    const std::string name = std::filesystem::path(path).filename().string();
    out = mPlatform.audio->CreateBuffer(name, sound.format, sound.samples, error);
    if (!out) {
        std::fprintf(stderr, "zem: %s: %s\n", QuotePath(path).c_str(), error.c_str());
        return;
    }
    if (sound.missingBytes != 0) {
        std::fprintf(stderr,
                     "zem: %s: the \"data\" chunk claims %llu bytes more than the file holds; they stay silent\n",
                     QuotePath(path).c_str(), static_cast<unsigned long long>(sound.missingBytes));
    }
}
