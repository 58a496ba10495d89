#pragma once
#include <string>
#include <vector>

#include "platform/Audio.h"

namespace platform {

// A silent audio device that records every operation made on its buffers. It converts every
// sound as the real device does, so it refuses what the real device refuses, with the same reasons.
class RecordingAudio final : public AudioDevice {
public:
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
    int BuffersCreated() const { return mBuffersCreated; }

private:
    friend class RecordingSoundBuffer;
    std::vector<Operation> mOperations;
    bool mKeepOperations = true;
    int mBuffersAlive = 0;
    int mBuffersCreated = 0;
};

} // namespace platform
