#include "platform/RecordingAudio.h"

#include "platform/SoundConversion.h"

namespace platform {

// A restart is a rewind followed by a play; the recording folds the two into one "restart".
class RecordingSoundBuffer final : public SoundBuffer {
public:
    RecordingSoundBuffer(RecordingAudio& owner, std::string name, HeldBudget::Share share)
        : mOwner(owner), mName(std::move(name)), mShare(std::move(share))
    {
        ++mOwner.mBuffersAlive;
        ++mOwner.mBuffersCreated;
    }
    ~RecordingSoundBuffer() override { --mOwner.mBuffersAlive; }

    void SetCurrentPosition(uint32_t bytePosition) override { mRewound = bytePosition == 0; }
    void Play(bool looping) override
    {
        mOwner.Record(mName, looping ? "loop" : (mRewound ? "restart" : "play"));
        mRewound = false;
        mPlaying = true;
        mLooping = looping;
    }
    void Stop() override
    {
        mOwner.Record(mName, "stop");
        mPlaying = false;
    }
    void Set3DMode(Sound3DMode) override {}
    void SetGroup(SoundGroup group) override { mOwner.mGroups[mName] = group; }
    // Nothing is heard here, so a sound played once has played out at once; a loop plays until stopped.
    bool IsPlaying() const override { return mPlaying && mLooping; }

private:
    RecordingAudio& mOwner;
    std::string mName;
    HeldBudget::Share mShare; // what the real device would hold of this sound
    bool mRewound = false;
    bool mPlaying = false;
    bool mLooping = false;
};

std::unique_ptr<SoundBuffer> RecordingAudio::CreateBuffer(const std::string& name, const WaveFormat& format,
                                                          std::span<const uint8_t> samples, std::string& error)
{
    // Converted as the real device converts, and dropped: a silent run refuses what the game
    // refuses and takes, for a moment, the memory the game holds.
    std::vector<int16_t> converted;
    HeldBudget::Share share;
    if (!ConvertWithinBudget(format, samples, mSounds, converted, share, error)) return nullptr;
    return std::make_unique<RecordingSoundBuffer>(*this, name, std::move(share));
}

std::vector<RecordingAudio::Operation> RecordingAudio::TakeOperations()
{
    std::vector<Operation> taken;
    taken.swap(mOperations);
    return taken;
}

} // namespace platform
