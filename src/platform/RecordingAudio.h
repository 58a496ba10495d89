#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/Audio.h"
#include "platform/SoundBudget.h"

namespace platform {

// A silent audio device that records every operation made on its buffers. It converts every
// sound as the real device does, so it refuses what the real device refuses, with the same reasons.
class RecordingAudio final : public AudioDevice {
public:
    explicit RecordingAudio(long long soundBudgetBytes = kSoundBudgetBytes) : mSounds(soundBudgetBytes) {}

    struct Operation {
        std::string file;
        std::string op; // "play", "restart", "loop", "stop", "mode"
    };

    std::unique_ptr<SoundBuffer> CreateBuffer(const std::string& name, const WaveFormat& format,
                                              std::span<const uint8_t> samples, std::string& error) override;

    const std::vector<Operation>& Operations() const { return mOperations; }
    // Returns the operations recorded since the last call and forgets them.
    std::vector<Operation> TakeOperations();
    void Record(const std::string& file, const char* op)
    {
        if (mKeepOperations) mOperations.push_back({file, op});
    }
    // Off: nothing is kept, so that a long benchmark keeps no growing log.
    void SetKeepOperations(bool keep) { mKeepOperations = keep; }
    int BuffersAlive() const { return mBuffersAlive; }
    const SoundBudget& Sounds() const { return mSounds; }
    int BuffersCreated() const { return mBuffersCreated; }

    // Volumes and groups are kept apart from the operations: they are not heard in a trace.
    void SetVolumes(float music, float effects) override
    {
        mMusicVolume = music;
        mEffectsVolume = effects;
    }
    void SetPaused(bool paused) override { mPaused = paused; }
    bool Paused() const { return mPaused; }
    float MusicVolume() const { return mMusicVolume; }
    float EffectsVolume() const { return mEffectsVolume; }
    // The group of each sound made so far, by name; effects unless set.
    SoundGroup GroupOf(const std::string& name) const
    {
        const auto it = mGroups.find(name);
        return it != mGroups.end() ? it->second : SoundGroup::Effects;
    }

private:
    friend class RecordingSoundBuffer;
    std::map<std::string, SoundGroup> mGroups;
    bool mPaused = false;
    float mMusicVolume = 1.0f;
    float mEffectsVolume = 1.0f;
    std::vector<Operation> mOperations;
    bool mKeepOperations = true;
    int mBuffersAlive = 0;
    int mBuffersCreated = 0;
    SoundBudget mSounds;
};

} // namespace platform
