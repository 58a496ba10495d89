#include <SDL.h>
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/RecordingAudio.h"
#include "platform/SdlAudio.h"
#include "platform/SoundConversion.h"

namespace {

platform::WaveFormat Pcm(uint16_t channels, uint32_t rate, uint16_t bits)
{
    platform::WaveFormat f;
    f.formatTag = 1;
    f.channels = channels;
    f.samplesPerSec = rate;
    f.blockAlign = static_cast<uint16_t>(channels * bits / 8);
    f.avgBytesPerSec = rate * f.blockAlign;
    f.bitsPerSample = bits;
    return f;
}

TEST(SdlAudioTest, ConvertsEightBitMonoAt22050ToTheMixFormat)
{
    // A constant 8-bit level 192: 64 steps above the unsigned middle, 16384 in 16 bits.
    // Short sounds too: the resampler must hand back the end of every sound.
    for (size_t sourceFrames : {size_t{2205}, size_t{300}}) {
        SCOPED_TRACE(sourceFrames);
        const std::vector<uint8_t> samples(sourceFrames, 192);
        std::vector<int16_t> out;
        std::string error;
        ASSERT_TRUE(platform::ConvertToMixFormat(Pcm(1, 22050, 8), samples, out, error)) << error;
        const size_t frames = sourceFrames * 2;
        ASSERT_EQ(out.size(), frames * 2);
        // Away from the edges (where the resampler meets silence) every frame is the level on both sides.
        for (size_t i = 32; i + 32 < frames; ++i) {
            ASSERT_NEAR(out[i * 2], 16384, 200) << "frame " << i;
            ASSERT_EQ(out[i * 2 + 1], out[i * 2]) << "frame " << i;
        }
    }
}

TEST(SdlAudioTest, SixteenBitStereoAtTheMixRateIsKeptAsItIs)
{
    std::vector<int16_t> source;
    for (int i = 0; i < 1000; ++i) {
        source.push_back(static_cast<int16_t>(i * 30 - 15000));
        source.push_back(static_cast<int16_t>(-i));
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(source.data());
    // An odd byte at the end is a torn frame and is dropped.
    std::vector<uint8_t> samples(bytes, bytes + source.size() * 2);
    samples.push_back(0x7F);
    std::vector<int16_t> out;
    std::string error;
    ASSERT_TRUE(platform::ConvertToMixFormat(Pcm(2, 44100, 16), samples, out, error)) << error;
    EXPECT_EQ(out, source);
}

TEST(SdlAudioTest, RefusesFormatsItCannotPlayWithAReason)
{
    platform::WaveFormat floatFormat = Pcm(2, 44100, 32);
    floatFormat.formatTag = 3;
    platform::WaveFormat badAlign = Pcm(2, 44100, 16);
    badAlign.blockAlign = 3;
    struct Case {
        const char* name;
        platform::WaveFormat format;
        const char* reason;
    };
    const Case cases[] = {
        {"not PCM", floatFormat, "unsupported wave format 3"},
        {"24-bit", Pcm(2, 44100, 24), "unsupported 24-bit samples"},
        {"no channels", Pcm(0, 44100, 16), "unsupported 0 channels"},
        {"six channels", Pcm(6, 44100, 16), "unsupported 6 channels"},
        {"rate 0", Pcm(1, 0, 8), "unsupported sample rate 0 Hz"},
        {"block alignment", badAlign, "block alignment 3 does not match"},
    };
    const std::vector<uint8_t> samples(64, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int16_t> out;
        std::string error;
        EXPECT_FALSE(platform::ConvertToMixFormat(c.format, samples, out, error));
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        // A silent run refuses the same formats with the same words.
        platform::RecordingAudio recording;
        std::string recordingError;
        EXPECT_EQ(recording.CreateBuffer("x.wav", c.format, samples, recordingError), nullptr);
        EXPECT_EQ(recordingError, error);
    }
}

// While it lives, counts the bytes SDL holds beyond what it held when the watch began, and the
// most it held at once.
class SdlMemoryWatch {
public:
    SdlMemoryWatch()
    {
        SDL_GetMemoryFunctions(&sMalloc, &sCalloc, &sRealloc, &sFree);
        sHeld = 0;
        sPeak = 0;
        SDL_SetMemoryFunctions(&Malloc, &Calloc, &Realloc, &Free);
    }
    ~SdlMemoryWatch() { SDL_SetMemoryFunctions(sMalloc, sCalloc, sRealloc, sFree); }
    SdlMemoryWatch(const SdlMemoryWatch&) = delete;
    SdlMemoryWatch& operator=(const SdlMemoryWatch&) = delete;

    long long PeakBytes() const { return sPeak; }

private:
    static void* Counted(void* p)
    {
        if (p != nullptr) sPeak = std::max<long long>(sPeak, sHeld += static_cast<long long>(malloc_usable_size(p)));
        return p;
    }
    static void Uncount(void* p)
    {
        if (p != nullptr) sHeld -= static_cast<long long>(malloc_usable_size(p));
    }
    static void* SDLCALL Malloc(size_t size) { return Counted(sMalloc(size)); }
    static void* SDLCALL Calloc(size_t count, size_t size) { return Counted(sCalloc(count, size)); }
    static void* SDLCALL Realloc(void* p, size_t size)
    {
        Uncount(p);
        return Counted(sRealloc(p, size));
    }
    static void SDLCALL Free(void* p)
    {
        Uncount(p);
        sFree(p);
    }

    static inline SDL_malloc_func sMalloc = nullptr;
    static inline SDL_calloc_func sCalloc = nullptr;
    static inline SDL_realloc_func sRealloc = nullptr;
    static inline SDL_free_func sFree = nullptr;
    static inline std::atomic<long long> sHeld = 0;
    static inline std::atomic<long long> sPeak = 0;
};

TEST(SdlAudioTest, ASoundThatGrowsTakesLittleMoreThanItsResultWhileItIsConverted)
{
    // 100 s at 1000 Hz in 8 bits: 100 KB that become 17.6 MB in the mixer's format.
    const std::vector<uint8_t> samples(100000, 200);
    std::vector<int16_t> out;
    std::string error;
    {
        SdlMemoryWatch watch;
        ASSERT_TRUE(platform::ConvertToMixFormat(Pcm(1, 1000, 8), samples, out, error)) << error;
        EXPECT_LT(watch.PeakBytes(), 4 << 20);
    }
    EXPECT_EQ(out.size(), size_t{4410000} * 2);
    EXPECT_EQ(out.capacity(), out.size());
}

// The conversion goes in steps, and SDL's resampler starts each step afresh: a step that ended
// inside a frame of the mixer lost that part, and a long sound drifted ever further behind.
TEST(SdlAudioTest, ALongResampledSoundKeepsInTimeToItsEnd)
{
    constexpr double kPi = 3.14159265358979;
    constexpr double kTone = 351.0;
    for (const uint32_t rate : {48000u, 1000u}) {
        SCOPED_TRACE(rate);
        const double tone = rate > 2 * kTone ? kTone : 100.0;
        std::vector<int16_t> source(static_cast<size_t>(rate) * 40);
        for (size_t i = 0; i < source.size(); ++i)
            source[i] = static_cast<int16_t>(8000 * std::sin(2 * kPi * tone * static_cast<double>(i) / rate));
        const auto* bytes = reinterpret_cast<const uint8_t*>(source.data());
        std::vector<int16_t> out;
        std::string error;
        ASSERT_TRUE(platform::ConvertToMixFormat(Pcm(1, rate, 16), {bytes, source.size() * 2}, out, error)) << error;
        ASSERT_EQ(out.size(), size_t{platform::kMixRate} * 40 * 2);
        // Less than a frame of the mixer off anywhere (a frame is 8000 * 2 pi * 351 / 44100 = 400 here).
        double worst = 0;
        for (size_t j = 500; j + 500 < out.size() / 2; j += 101) {
            const double wanted = 8000 * std::sin(2 * kPi * tone * static_cast<double>(j) / platform::kMixRate);
            worst = std::max(worst, std::abs(out[j * 2] - wanted));
        }
        EXPECT_LT(worst, rate == 1000u ? 1000.0 : 400.0);
    }
}

TEST(SdlAudioTest, EveryDeviceRefusesASoundLongerOrLargerThanTheBoundWithTheSameReason)
{
    struct Case {
        const char* name;
        platform::WaveFormat format;
        size_t bytes;
        const char* reason; // nullptr: the sound is taken
    };
    const Case cases[] = {
        {"8-bit mono at 1000 Hz, two minutes", Pcm(1, 1000, 8), 120000, nullptr},
        {"a frame longer", Pcm(1, 1000, 8), 120001, "refused: the sound lasts 120.001 s, longer than the 120 s"},
        {"the mix format, a frame longer", Pcm(2, 44100, 16), platform::kMaxSoundBytes + 4, "more than the 21168000"},
        {"stereo at 384000 Hz, 14 s", Pcm(2, 384000, 16), platform::kMaxSoundBytes + 4,
         "refused: 21168004 bytes of samples, more than the 21168000 a sound may hold"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> samples(c.bytes, 0x80);
        std::vector<int16_t> out;
        std::string error;
        const bool taken = platform::ConvertToMixFormat(c.format, samples, out, error);
        platform::RecordingAudio recording;
        std::string recordingError;
        const bool recorded = recording.CreateBuffer("x.wav", c.format, samples, recordingError) != nullptr;
        platform::SdlAudio audio(platform::SdlAudio::Output::Manual);
        std::string deviceError;
        const bool played = audio.CreateBuffer("x.wav", c.format, samples, deviceError) != nullptr;
        if (c.reason == nullptr) {
            EXPECT_TRUE(taken && recorded && played) << error << recordingError << deviceError;
            EXPECT_EQ(out.size(), platform::kMaxSoundFrames * 2);
            continue;
        }
        EXPECT_FALSE(taken || recorded || played);
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_EQ(recordingError, error);
        EXPECT_EQ(deviceError, error);
        EXPECT_TRUE(out.empty());
    }
}

// Every device holds its sounds within one budget for all of them: a sound past it is refused
// before it is converted, and what a sound held comes back when it goes.
TEST(SdlAudioTest, SoundsPastTheBudgetForAllSoundsAreRefusedUntilOthersGo)
{
    const platform::WaveFormat mix = Pcm(2, 44100, 16); // converts byte for byte
    const std::vector<uint8_t> sixHundred(600, 0), fourHundred(400, 0);
    platform::RecordingAudio recording(1000);
    platform::SdlAudio audio(platform::SdlAudio::Output::Manual, 1000);
    struct Device {
        platform::AudioDevice& device;
        const platform::SoundBudget& budget;
    };
    for (const Device& d : {Device{recording, recording.Sounds()}, Device{audio, audio.Sounds()}}) {
        std::string error;
        auto first = d.device.CreateBuffer("a.wav", mix, sixHundred, error);
        ASSERT_TRUE(first) << error;
        EXPECT_EQ(d.budget.Held(), 600);
        EXPECT_FALSE(d.device.CreateBuffer("b.wav", mix, sixHundred, error));
        EXPECT_EQ(error, "refused: its 600 bytes in the mixer's format would take the sounds held past their "
                         "budget of 1000 bytes (600 held)");
        auto second = d.device.CreateBuffer("c.wav", mix, fourHundred, error); // exactly to the budget
        ASSERT_TRUE(second) << error;
        EXPECT_EQ(d.budget.Held(), 1000);
        first.reset();
        EXPECT_EQ(d.budget.Held(), 400);
        EXPECT_TRUE(d.device.CreateBuffer("b.wav", mix, sixHundred, error)) << error; // made and gone at once
        EXPECT_EQ(d.budget.Held(), 400);
    }
}

TEST(SdlAudioTest, ASoundStopsAtItsEndAndMusicLoopsOn)
{
    // Mixed by hand: the positions depend on the frames mixed, never on a clock.
    platform::SdlAudio audio(platform::SdlAudio::Output::Manual);
    std::string error;
    EXPECT_EQ(audio.CreateBuffer("bad", Pcm(2, 44100, 24), std::vector<uint8_t>(60, 0), error), nullptr);
    EXPECT_NE(error.find("24-bit"), std::string::npos) << error;

    // 50 ms of sound.
    auto sound = audio.CreateBuffer("blip", Pcm(1, 22050, 8), std::vector<uint8_t>(1102, 200), error);
    ASSERT_NE(sound, nullptr) << error;
    sound->Set3DMode(platform::Sound3DMode::Disabled);
    sound->SetCurrentPosition(0);
    sound->Play(false);
    audio.MixManually(platform::kMixRate * 40 / 1000);
    EXPECT_TRUE(sound->IsPlaying());
    audio.MixManually(platform::kMixRate * 20 / 1000);
    EXPECT_FALSE(sound->IsPlaying());

    auto music = audio.CreateBuffer("tune", Pcm(2, 44100, 16), std::vector<uint8_t>(400, 0), error);
    ASSERT_NE(music, nullptr) << error;
    music->Play(true);
    audio.MixManually(platform::kMixRate);
    EXPECT_TRUE(music->IsPlaying());
    music.reset(); // a buffer may go while it plays
}

TEST(SdlAudioTest, TheDummyDevicePlaysASoundOut)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    platform::SdlAudio audio;
    ASSERT_TRUE(audio.IsOpen());
    std::string error;
    auto sound = audio.CreateBuffer("blip", Pcm(1, 22050, 8), std::vector<uint8_t>(1102, 200), error);
    ASSERT_NE(sound, nullptr) << error;
    sound->Play(false);
    // The device's own thread mixes it to its end; the bound only keeps a broken device from hanging the test.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (sound->IsPlaying() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(sound->IsPlaying());
}

} // namespace

namespace {

TEST(SdlAudioTest, WithoutADeviceTheGamePlaysSilentlyAndSaysSoOnce)
{
    // SDL names the driver it was asked for: the name from the environment reaches the line escaped.
    setenv("SDL_AUDIODRIVER", "no-such-driver\x1b]0;PWNED\a", 1);
    testing::internal::CaptureStderr();
    std::string error;
    {
        platform::SdlAudio audio;
        EXPECT_FALSE(audio.IsOpen());
        // Every buffer is still made and takes every call.
        auto click = audio.CreateBuffer("click", Pcm(1, 22050, 8), std::vector<uint8_t>(2205, 200), error);
        ASSERT_NE(click, nullptr) << error;
        click->SetCurrentPosition(0);
        click->Play(false);
        // A one-shot sound is over at once: nothing waits forever for its end.
        EXPECT_FALSE(click->IsPlaying());
        auto music = audio.CreateBuffer("tune", Pcm(2, 44100, 16), std::vector<uint8_t>(400, 0), error);
        ASSERT_NE(music, nullptr) << error;
        music->Play(true);
        EXPECT_TRUE(music->IsPlaying());
        music->Stop();
        EXPECT_FALSE(music->IsPlaying());
    }
    const std::string err = testing::internal::GetCapturedStderr();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EQ(err.rfind("zem: no sound: ", 0), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("no-such-driver\\e]0;PWNED\\a"), std::string::npos) << err;
    EXPECT_EQ(err.find('\x1b'), std::string::npos) << err;
}

} // namespace
