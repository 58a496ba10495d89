#include "platform/SdlAudio.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <optional>

#include "platform/SoundConversion.h"
#include "platform/TerminalText.h"

namespace platform {

namespace {

constexpr int kDeviceFrames = 1024; // about 23 ms a callback

// While it lives, what is written to standard error goes nowhere: the sound libraries that SDL
// tries in turn print lines of their own when the machine has no sound card, and the game says
// what became of the sound in one line of its own.
class QuietStandardError {
public:
    QuietStandardError()
    {
        std::fflush(stderr);
        mSaved = ::dup(STDERR_FILENO);
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (mSaved >= 0 && nowhere >= 0) ::dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0) ::close(nowhere);
    }
    ~QuietStandardError()
    {
        std::fflush(stderr);
        if (mSaved < 0) return;
        ::dup2(mSaved, STDERR_FILENO);
        ::close(mSaved);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int mSaved = -1;
};

// A buffer of the SDL device: a mixer voice plus what it takes to turn the game's byte
// positions (in the file's own format) into frames of the mixer.
class SdlSoundBuffer final : public SoundBuffer {
public:
    SdlSoundBuffer(std::unique_ptr<MixerVoice> voice, HeldBudget::Share share, uint32_t sourceBlockAlign,
                   uint32_t sourceRate, bool audible)
        : mVoice(std::move(voice)), mShare(std::move(share)), mSourceBlockAlign(sourceBlockAlign),
          mSourceRate(sourceRate), mAudible(audible)
    {
    }

    void SetCurrentPosition(uint32_t bytePosition) override
    {
        const uint64_t sourceFrame = bytePosition / mSourceBlockAlign;
        mVoice->SetPosition(static_cast<size_t>(sourceFrame * kMixRate / mSourceRate));
    }
    void Play(bool looping) override
    {
        // Without a device nothing ever plays a sound to its end: a silent one-shot sound is
        // over at once, so nobody keeps it waiting for its end. Music still plays on until stopped.
        if (!mAudible && !looping) return;
        mVoice->Play(looping);
    }
    void Stop() override { mVoice->Stop(); }
    // Sounds are never placed in space: every mode sounds the same.
    void Set3DMode(Sound3DMode) override {}
    bool IsPlaying() const override { return mVoice->IsPlaying(); }
    void SetGroup(SoundGroup group) override { mVoice->SetGroup(static_cast<int>(group)); }

private:
    std::unique_ptr<MixerVoice> mVoice;
    HeldBudget::Share mShare; // the voice's samples, of the budget for all sounds
    uint32_t mSourceBlockAlign = 1;
    uint32_t mSourceRate = kMixRate;
    bool mAudible = true;
};

} // namespace

SdlAudio::SdlAudio(Output output, long long soundBudgetBytes) : mSounds(soundBudgetBytes)
{
    mManual = output == Output::Manual;
    if (mManual) return;
    std::optional<QuietStandardError> quiet(std::in_place);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        quiet.reset();
        std::fprintf(stderr, "zem: no sound: cannot start SDL audio (%s)\n",
                     TerminalText(SDL_GetError(), kLibraryTextShown).c_str());
        return;
    }
    mSubsystemStarted = true;

    SDL_AudioSpec wanted{};
    wanted.freq = kMixRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kMixChannels;
    wanted.samples = kDeviceFrames;
    wanted.callback = &SdlAudio::FillOutput;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware wants behind the callback.
    mDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    quiet.reset();
    if (mDevice == 0) {
        std::fprintf(stderr, "zem: no sound: cannot open the sound device (%s)\n",
                     TerminalText(SDL_GetError(), kLibraryTextShown).c_str());
        return;
    }
    SDL_PauseAudioDevice(mDevice, 0);
}

SdlAudio::~SdlAudio()
{
    // Closing waits for a running callback, so the mixer is idle before it goes.
    if (mDevice != 0) SDL_CloseAudioDevice(mDevice);
    if (mSubsystemStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SDLCALL SdlAudio::FillOutput(void* userdata, Uint8* stream, int length)
{
    auto* self = static_cast<SdlAudio*>(userdata);
    const size_t frameBytes = kMixChannels * sizeof(int16_t);
    const size_t frames = static_cast<size_t>(length) / frameBytes;
    self->mMixer.Mix(reinterpret_cast<int16_t*>(stream), frames);
    SDL_memset(stream + frames * frameBytes, 0, static_cast<size_t>(length) - frames * frameBytes);
}

void SdlAudio::MixManually(size_t frames)
{
    if (mDevice != 0) return;
    std::vector<int16_t> output(frames * kMixChannels);
    mMixer.Mix(output.data(), frames);
}

std::unique_ptr<SoundBuffer> SdlAudio::CreateBuffer(const std::string&, const WaveFormat& format,
                                                    std::span<const uint8_t> samples, std::string& error)
{
    std::vector<int16_t> converted;
    HeldBudget::Share share;
    if (!ConvertWithinBudget(format, samples, mSounds, converted, share, error)) return nullptr;
    return std::make_unique<SdlSoundBuffer>(mMixer.CreateVoice(std::move(converted)), std::move(share),
                                            format.blockAlign, format.samplesPerSec, IsOpen() || mManual);
}

void SdlAudio::SetVolumes(float music, float effects)
{
    mMixer.SetVolume(static_cast<int>(SoundGroup::Music), music);
    mMixer.SetVolume(static_cast<int>(SoundGroup::Effects), effects);
}

void SdlAudio::SetPaused(bool paused)
{
    if (mDevice != 0) SDL_PauseAudioDevice(mDevice, paused ? 1 : 0);
}

} // namespace platform
