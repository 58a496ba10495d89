#include "platform/Mixer.h"

#include <algorithm>
#include <cmath>

namespace platform {

MixerVoice::MixerVoice(Mixer& mixer, std::vector<int16_t> samples)
    : mMixer(mixer), mSamples(std::move(samples)), mFrameCount(mSamples.size() / kMixChannels)
{
}

MixerVoice::~MixerVoice()
{
    std::lock_guard lock(mMixer.mMutex);
    std::erase(mMixer.mVoices, this);
}

void MixerVoice::SetPosition(size_t frame)
{
    std::lock_guard lock(mMixer.mMutex);
    const size_t target = std::min(frame, mFrameCount);
    if (mPlaying && target != mPosition) {
        mTailPosition = mPosition;
        mTailLeft = kTailFrames;
    }
    mPosition = target;
}

void MixerVoice::Play(bool looping)
{
    std::lock_guard lock(mMixer.mMutex);
    if (mPlaying || mFrameCount == 0) return;
    mPlaying = true;
    mLooping = looping;
}

void MixerVoice::Stop()
{
    std::lock_guard lock(mMixer.mMutex);
    mPlaying = false;
}

bool MixerVoice::IsPlaying() const
{
    std::lock_guard lock(mMixer.mMutex);
    return mPlaying;
}

size_t MixerVoice::Position() const
{
    std::lock_guard lock(mMixer.mMutex);
    return mPosition;
}

void MixerVoice::SetGroup(int group)
{
    std::lock_guard lock(mMixer.mMutex);
    mGroup = std::clamp(group, 0, Mixer::kGroupCount - 1);
}

namespace {

// A sample at a volume in 1/32768ths; exact at full volume.
int32_t Scaled(int32_t sample, int32_t gain)
{
    return gain == Mixer::kUnityGain ? sample : (sample * gain) / Mixer::kUnityGain;
}

} // namespace

void MixerVoice::MixTailInto(int32_t* sum, size_t frames, int32_t gain)
{
    // A straight fade to silence; the tail ends early where the sound itself ends.
    const size_t count = std::min({frames, mTailLeft, mFrameCount - mTailPosition});
    const int16_t* source = mSamples.data() + mTailPosition * kMixChannels;
    for (size_t i = 0; i < count; ++i) {
        const auto fade = static_cast<int32_t>(mTailLeft - i);
        for (size_t c = 0; c < kMixChannels; ++c) {
            sum[i * kMixChannels + c] +=
                Scaled(source[i * kMixChannels + c] * fade / static_cast<int32_t>(kTailFrames + 1), gain);
        }
    }
    mTailPosition += count;
    mTailLeft = count < frames ? 0 : mTailLeft - count;
}

void MixerVoice::MixInto(int32_t* sum, size_t frames, int32_t gain)
{
    if (mTailLeft > 0) MixTailInto(sum, frames, gain);
    size_t done = 0;
    while (done < frames && mPlaying) {
        const size_t count = std::min(frames - done, mFrameCount - mPosition);
        const int16_t* source = mSamples.data() + mPosition * kMixChannels;
        int32_t* target = sum + done * kMixChannels;
        if (gain == Mixer::kUnityGain) {
            for (size_t i = 0; i < count * kMixChannels; ++i) target[i] += source[i];
        } else {
            for (size_t i = 0; i < count * kMixChannels; ++i) target[i] += Scaled(source[i], gain);
        }
        done += count;
        mPosition += count;
        if (mPosition == mFrameCount) {
            // The next frame after the last is the first: a loop has no gap.
            mPosition = 0;
            mPlaying = mLooping;
        }
    }
}

std::unique_ptr<MixerVoice> Mixer::CreateVoice(std::vector<int16_t> samples)
{
    // The voice is built (and its memory taken) before the lock.
    std::unique_ptr<MixerVoice> voice(new MixerVoice(*this, std::move(samples)));
    std::lock_guard lock(mMutex);
    mVoices.push_back(voice.get());
    return voice;
}

void Mixer::SetVolume(int group, float volume)
{
    if (group < 0 || group >= kGroupCount) return;
    const auto gain = static_cast<int32_t>(std::lround(std::clamp(volume, 0.0f, 1.0f) * kUnityGain));
    std::lock_guard lock(mMutex);
    mGains[group] = gain;
}

void Mixer::Mix(int16_t* output, size_t frames)
{
    constexpr size_t kBlockFrames = 256;
    int32_t sum[kBlockFrames * kMixChannels];

    while (frames > 0) {
        const size_t block = std::min(frames, kBlockFrames);
        const size_t values = block * kMixChannels;
        {
            std::lock_guard lock(mMutex);
            std::fill_n(sum, values, 0);
            for (MixerVoice* voice : mVoices) voice->MixInto(sum, block, mGains[voice->mGroup]);
        }
        // Only this thread mixes, so the limiter needs no lock.
        mLimiter.Process(sum, output, block);
        output += values;
        frames -= block;
    }
}

} // namespace platform
