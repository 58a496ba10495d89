#pragma once
#include <SDL.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/Audio.h"
#include "platform/Mixer.h"
#include "platform/SoundBudget.h"

namespace platform {

// The sound device: the default output at 44100 Hz, 16-bit, stereo, fed by a mixer of every
// playing buffer. Each buffer is converted once, when it is made, within the budget for all
// sounds (ConvertWithinBudget). When no
// output can be opened the game goes on silent: buffers are still made and take every call.
// Every buffer must be destroyed before the device.
class SdlAudio final : public AudioDevice {
public:
    // Manual opens no device: sounds advance only when MixManually is called, so a test
    // can play them out frame by frame.
    enum class Output { Device, Manual };
    explicit SdlAudio(Output output = Output::Device, long long soundBudgetBytes = kSoundBudgetBytes);
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    std::unique_ptr<SoundBuffer> CreateBuffer(const std::string& name, const WaveFormat& format,
                                              std::span<const uint8_t> samples, std::string& error) override;

    void SetPaused(bool paused) override;
    void SetVolumes(float music, float effects) override;
    // What the mixer would send to the device next (tests of what is heard).
    void MixInto(int16_t* output, size_t frames) { mMixer.Mix(output, frames); }

    bool IsOpen() const { return mDevice != 0; }
    const SoundBudget& Sounds() const { return mSounds; }
    // Mixes (and discards) the next `frames` frames of every playing buffer; only without a device.
    void MixManually(size_t frames);

private:
    static void SDLCALL FillOutput(void* userdata, Uint8* stream, int length);

    Mixer mMixer;
    SoundBudget mSounds;
    SDL_AudioDeviceID mDevice = 0;
    bool mSubsystemStarted = false;
    bool mManual = false; // mixed by hand: sounds run to their end as on a device
};

} // namespace platform
