#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/Limiter.h"

namespace platform {

// The mixer's output, and the format every voice holds its samples in.
constexpr int kMixRate = 44100;
constexpr int kMixChannels = 2; // 16-bit samples, interleaved left and right

class Mixer;

// One sound at the mixer's format and where it is playing, as a hardware buffer behaves:
// Play while playing changes nothing; reaching the end stops and rewinds to 0 (a looping
// voice wraps to 0 instead); Stop keeps the position so a later Play resumes there.
// Moving a playing voice (a restart) does not cut it dead: what it was playing fades out
// over kTailFrames beside the new start, so a restart mid-note does not click.
// Every call is safe while another thread mixes.
class MixerVoice {
public:
    // Leaves the mixer first: once the destructor has begun, Mix no longer touches the voice.
    ~MixerVoice();
    MixerVoice(const MixerVoice&) = delete;
    MixerVoice& operator=(const MixerVoice&) = delete;

    // Positions are in frames; a position past the end is taken as the end.
    void SetPosition(size_t frame);
    void Play(bool looping);
    void Stop();
    bool IsPlaying() const;
    size_t Position() const;
    size_t FrameCount() const { return mFrameCount; }
    // Which of the mixer's volumes scales this voice (0: effects, the default; 1: music).
    void SetGroup(int group);

    // About 4 ms: long enough to take the click out of a cut, short enough not to be heard.
    static constexpr size_t kTailFrames = 192;

private:
    friend class Mixer;
    MixerVoice(Mixer& mixer, std::vector<int16_t> samples);
    // Adds up to `frames` frames into `sum`, scaled by `gain` (Mixer::kUnityGain: as recorded);
    // called with the mixer locked.
    void MixInto(int32_t* sum, size_t frames, int32_t gain);
    void MixTailInto(int32_t* sum, size_t frames, int32_t gain);

    Mixer& mMixer;
    std::vector<int16_t> mSamples;
    size_t mFrameCount = 0;
    size_t mPosition = 0;
    bool mPlaying = false;
    bool mLooping = false;
    size_t mTailPosition = 0; // where the cut-off sound goes on, fading
    size_t mTailLeft = 0;     // frames of the fade still to play; 0 without a tail
    int mGroup = 0;
};

// Sums every playing voice into 16-bit stereo through a limiter, so sounds that peak
// together are turned down instead of clipping. Each voice is scaled by its group's volume
// before the sum, so the limiter's headroom applies to what is heard; at full volume a voice
// adds exactly its samples. Mix runs on the audio
// thread: it never allocates and holds the lock only while it adds samples up; the game
// thread's calls hold it for a few instructions.
class Mixer {
public:
    Mixer() = default;
    // Every voice must be gone before its mixer.
    ~Mixer() = default;
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // `samples` are interleaved stereo frames; a trailing half frame is dropped.
    std::unique_ptr<MixerVoice> CreateVoice(std::vector<int16_t> samples);
    // Writes `frames` stereo frames to `output`; one thread at a time.
    void Mix(int16_t* output, size_t frames);

    static constexpr int kGroupCount = 2;
    static constexpr int32_t kUnityGain = 1 << 15;
    // A group's volume, 0 (silent) to 1 (as recorded); from the next mixed block on.
    void SetVolume(int group, float volume);

private:
    friend class MixerVoice;
    mutable std::mutex mMutex;
    int32_t mGains[kGroupCount] = {kUnityGain, kUnityGain};
    std::vector<MixerVoice*> mVoices;
    Limiter mLimiter; // used by Mix alone, on the audio thread
};

} // namespace platform
