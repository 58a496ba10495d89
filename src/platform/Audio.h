#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace platform {

// A wave format record: the 16 bytes of a "fmt " chunk plus the extra bytes.
struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    std::vector<uint8_t> extra; // extra size is extra.size()
};

enum class Sound3DMode : int {
    Normal = 0,
    HeadRelative = 1,
    Disabled = 2,
};

// What a sound is for: the options set the volume of each group.
enum class SoundGroup : int {
    Effects = 0,
    Music = 1,
};

// One voice holding a whole sound, as a hardware buffer behaves: playing while playing
// changes nothing; reaching the end stops and rewinds; Stop keeps the position.
class SoundBuffer {
public:
    virtual ~SoundBuffer() = default;
    virtual void SetCurrentPosition(uint32_t bytePosition) = 0;
    virtual void Play(bool looping) = 0;
    virtual void Stop() = 0;
    virtual void Set3DMode(Sound3DMode mode) = 0;
    virtual bool IsPlaying() const = 0;
    // Effects unless said otherwise.
    virtual void SetGroup(SoundGroup) {}
};

class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    // `name` identifies the sound in recordings (the file name without its folder).
    // Null with a reason in `error` when the format cannot be played.
    virtual std::unique_ptr<SoundBuffer> CreateBuffer(const std::string& name, const WaveFormat& format,
                                                      std::span<const uint8_t> samples, std::string& error) = 0;
    // Holds every sound where it is (a paused game) or lets them all go on.
    virtual void SetPaused(bool) {}
    // Scales the music and the effects, 0 (silent) to 1 (as recorded); heard at once.
    virtual void SetVolumes(float /*music*/, float /*effects*/) {}
};

} // namespace platform
