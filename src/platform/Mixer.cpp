#include "platform/Mixer.h"

#include <algorithm>

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

void MixerVoice::MixTailInto(int32_t* sum, size_t frames)
{
    // A straight fade to silence; the tail ends early where the sound itself ends.
    const size_t count = std::min({frames, mTailLeft, mFrameCount - mTailPosition});
    const int16_t* source = mSamples.data() + mTailPosition * kMixChannels;
    for (size_t i = 0; i < count; ++i) {
        const auto gain = static_cast<int32_t>(mTailLeft - i);
        for (size_t c = 0; c < kMixChannels; ++c) {
            sum[i * kMixChannels + c] += source[i * kMixChannels + c] * gain / static_cast<int32_t>(kTailFrames + 1);
        }
    }
    mTailPosition += count;
    mTailLeft = count < frames ? 0 : mTailLeft - count;
}

void MixerVoice::MixInto(int32_t* sum, size_t frames)
{
    if (mTailLeft > 0) MixTailInto(sum, frames);
    size_t done = 0;
    while (done < frames && mPlaying) {
        const size_t count = std::min(frames - done, mFrameCount - mPosition);
        const int16_t* source = mSamples.data() + mPosition * kMixChannels;
        int32_t* target = sum + done * kMixChannels;
        for (size_t i = 0; i < count * kMixChannels; ++i) target[i] += source[i];
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
            for (MixerVoice* voice : mVoices) voice->MixInto(sum, block);
        }
        // Only this thread mixes, so the limiter needs no lock.
        mLimiter.Process(sum, output, block);
        output += values;
        frames -= block;
    }
}

} // namespace platform
