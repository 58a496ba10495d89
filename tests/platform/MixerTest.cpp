#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "platform/Mixer.h"

namespace {

using platform::Mixer;
using platform::MixerVoice;

// A voice whose frame i holds (first + i) on the left and -(first + i) on the right,
// so every output frame tells which voice frame it came from.
std::unique_ptr<MixerVoice> Ramp(Mixer& mixer, int frames, int first = 1)
{
    std::vector<int16_t> samples;
    for (int i = 0; i < frames; ++i) {
        samples.push_back(static_cast<int16_t>(first + i));
        samples.push_back(static_cast<int16_t>(-(first + i)));
    }
    return mixer.CreateVoice(std::move(samples));
}

std::unique_ptr<MixerVoice> Constant(Mixer& mixer, int frames, int16_t value)
{
    return mixer.CreateVoice(std::vector<int16_t>(static_cast<size_t>(frames) * 2, value));
}

// The left channel of `frames` mixed frames (the right is checked to mirror it).
std::vector<int> Render(Mixer& mixer, int frames)
{
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2, 12345);
    mixer.Mix(out.data(), static_cast<size_t>(frames));
    std::vector<int> left;
    for (int i = 0; i < frames; ++i) {
        left.push_back(out[i * 2]);
        EXPECT_EQ(out[i * 2 + 1], -out[i * 2]) << "frame " << i;
    }
    return left;
}

// first, first + 1, ..., then zeros up to `length`.
std::vector<int> Expected(int first, int count, int length)
{
    std::vector<int> v(static_cast<size_t>(length), 0);
    for (int i = 0; i < count; ++i) v[i] = first + i;
    return v;
}

TEST(MixerTest, SilentUntilPlayedThenPlaysToTheEndAndRewinds)
{
    Mixer mixer;
    auto voice = Ramp(mixer, 300);
    EXPECT_EQ(Render(mixer, 100), Expected(0, 0, 100));

    voice->Play(false);
    EXPECT_TRUE(voice->IsPlaying());
    // Crosses the mixer's internal blocks and runs past the end of the voice.
    EXPECT_EQ(Render(mixer, 500), Expected(1, 300, 500));
    EXPECT_FALSE(voice->IsPlaying());
    EXPECT_EQ(voice->Position(), 0u);

    // Played again it starts from the beginning.
    voice->Play(false);
    EXPECT_EQ(Render(mixer, 100), Expected(1, 100, 100));
}

// A restart starts over at once; what was playing fades out beside it instead of stopping dead.
TEST(MixerTest, RestartStartsOverWhileTheCutSoundFadesOut)
{
    Mixer mixer;
    auto voice = Ramp(mixer, 300);
    voice->Play(false);
    Render(mixer, 120);
    voice->SetPosition(0);
    voice->Play(false);
    std::vector<int> expected = Expected(1, 300, 400);
    const int tail = static_cast<int>(MixerVoice::kTailFrames);
    // The tail ends where the sound does, 180 frames on.
    for (int i = 0; i < tail && 121 + i <= 300; ++i) expected[i] += (121 + i) * (tail - i) / (tail + 1);
    const std::vector<int> got = Render(mixer, 400);
    for (size_t i = 0; i < got.size(); ++i) ASSERT_EQ(got[i], expected[i]) << "frame " << i;

    // A voice that is not playing has nothing to fade: a rewind is only a rewind.
    voice->SetPosition(0);
    voice->Play(false);
    EXPECT_EQ(Render(mixer, 400), Expected(1, 300, 400));
}

TEST(MixerTest, PlayWhilePlayingChangesNothing)
{
    Mixer mixer;
    auto voice = Ramp(mixer, 300);
    voice->Play(false);
    Render(mixer, 120);
    voice->Play(false);
    voice->Play(true); // not even the looping flag
    EXPECT_EQ(Render(mixer, 300), Expected(121, 180, 300));
    EXPECT_FALSE(voice->IsPlaying());
}

TEST(MixerTest, StopKeepsThePositionAndPlayResumes)
{
    Mixer mixer;
    auto voice = Ramp(mixer, 300);
    voice->Play(false);
    Render(mixer, 130);
    voice->Stop();
    EXPECT_FALSE(voice->IsPlaying());
    EXPECT_EQ(Render(mixer, 200), Expected(0, 0, 200));
    EXPECT_EQ(voice->Position(), 130u);
    voice->Play(false);
    EXPECT_EQ(Render(mixer, 200), Expected(131, 170, 200));
}

TEST(MixerTest, LoopWrapsWithoutAGap)
{
    Mixer mixer;
    auto voice = Ramp(mixer, 90);
    voice->Play(true);
    // 90-frame loop over several calls of odd sizes: every frame follows the one before.
    std::vector<int> all;
    for (int frames : {37, 256, 300, 7}) {
        const std::vector<int> part = Render(mixer, frames);
        all.insert(all.end(), part.begin(), part.end());
    }
    for (size_t i = 0; i < all.size(); ++i) ASSERT_EQ(all[i], static_cast<int>(i % 90) + 1) << "frame " << i;
    EXPECT_TRUE(voice->IsPlaying());
    voice->Stop();
    EXPECT_EQ(Render(mixer, 10), Expected(0, 0, 10));
}

TEST(MixerTest, VoicesAreSummedExactlyBelowTheCeiling)
{
    Mixer mixer;
    auto a = Ramp(mixer, 200, 1000);
    auto b = Ramp(mixer, 100, 5);
    a->Play(false);
    b->Play(false);
    std::vector<int> expected(300, 0);
    for (int i = 0; i < 200; ++i) expected[i] = 1000 + i + (i < 100 ? 5 + i : 0);
    EXPECT_EQ(Render(mixer, 300), expected);

    // One sound at the effects' level (-3 dBFS) alone is not touched either.
    auto effect = Constant(mixer, 300, 23197);
    effect->Play(false);
    std::vector<int16_t> out(600);
    mixer.Mix(out.data(), 300);
    for (int16_t s : out) ASSERT_EQ(s, 23197);
}

// A sine voice of `seconds` at `hz` and `level` of full scale, in phase on both channels.
std::unique_ptr<MixerVoice> Tone(Mixer& mixer, double hz, double level, double seconds)
{
    std::vector<int16_t> samples;
    const int frames = static_cast<int>(seconds * platform::kMixRate);
    for (int i = 0; i < frames; ++i) {
        const auto v = static_cast<int16_t>(std::lround(level * 32767.0 * std::sin(2.0 * M_PI * hz * i / platform::kMixRate)));
        samples.push_back(v);
        samples.push_back(v);
    }
    return mixer.CreateVoice(std::move(samples));
}

TEST(MixerTest, SoundsPeakingTogetherWithTheMusicAreTurnedDownNotClipped)
{
    // The worst case: three effects at -3 dBFS and the music at -6 dBFS start together;
    // their sum reaches about 2.6 times full scale.
    Mixer mixer;
    std::vector<std::unique_ptr<MixerVoice>> voices;
    voices.push_back(Tone(mixer, 110.0, 0.5, 1.0));
    for (double hz : {220.0, 330.0, 440.0}) voices.push_back(Tone(mixer, hz, 0.708, 0.5));
    for (auto& voice : voices) voice->Play(false);
    const size_t frames = platform::kMixRate;
    std::vector<int16_t> out(frames * 2);
    mixer.Mix(out.data(), frames);

    int loudest = 0;
    size_t bent = 0; // samples above the ceiling: only during the gain's short attack
    for (size_t i = 0; i < out.size(); ++i) {
        const int magnitude = std::abs(static_cast<int>(out[i]));
        loudest = std::max(loudest, magnitude);
        bent += magnitude > platform::Limiter::kCeiling;
        ASSERT_EQ(out[i], out[i ^ 1u]) << "both channels share one gain, at " << i;
    }
    EXPECT_LT(loudest, 32767) << "a sample reached the rail: a hard clip";
    EXPECT_GT(loudest, platform::Limiter::kCeiling * 9 / 10) << "still loud";
    EXPECT_LT(bent, out.size() / 1000);

    // Once the loud part is over the gain comes back, and a quiet sound plays as recorded.
    voices.clear();
    std::vector<int16_t> silence(frames * 2);
    mixer.Mix(silence.data(), frames / 2);
    auto quiet = Ramp(mixer, 300);
    quiet->Play(false);
    EXPECT_EQ(Render(mixer, 300), Expected(1, 300, 300));
}

// A tone restarted at the top of its wave, again and again as the game restarts its effects:
// no step between two samples is much larger than the tone's own steepest slope.
TEST(MixerTest, RestartingAPlayingToneDoesNotClick)
{
    Mixer mixer;
    const double hz = 441.0; // 100 samples a cycle: the peak falls on frame 25 of each
    const double level = 0.3;
    auto voice = Tone(mixer, hz, level, 0.5);
    voice->Play(false);
    std::vector<int> left;
    auto render = [&](size_t frames) {
        std::vector<int16_t> out(frames * 2);
        mixer.Mix(out.data(), frames);
        for (size_t i = 0; i < frames; ++i) left.push_back(out[i * 2]);
    };
    for (size_t restart = 0; restart < 6; ++restart) {
        render(825 + restart * 100);
        voice->SetPosition(0);
        voice->Play(false);
    }
    render(2000);

    const double slope = 2.0 * M_PI * hz / platform::kMixRate * level * 32767.0; // about 620
    int largest = 0;
    for (size_t i = 1; i < left.size(); ++i) largest = std::max(largest, std::abs(left[i] - left[i - 1]));
    EXPECT_LT(largest, slope * 1.25) << "a cut without a fade jumps by " << level * 32767.0;
}

TEST(MixerTest, EmptyOrDestroyedVoicesAreSilent)
{
    Mixer mixer;
    auto empty = mixer.CreateVoice({});
    empty->Play(true); // would never finish a loop
    EXPECT_FALSE(empty->IsPlaying());
    auto voice = Ramp(mixer, 300);
    voice->Play(false);
    Render(mixer, 10);
    voice.reset();
    EXPECT_EQ(Render(mixer, 50), Expected(0, 0, 50));
}

TEST(MixerTest, GameThreadCallsAreSafeWhileMixing)
{
    Mixer mixer;
    auto music = Constant(mixer, 1000, 1);
    music->Play(true);
    std::atomic<bool> done = false;
    std::thread audioThread([&] {
        std::vector<int16_t> out(512 * 2);
        while (!done) mixer.Mix(out.data(), 512);
    });
    // Sounds made, played, restarted and destroyed mid-play, as scenes come and go.
    for (int round = 0; round < 2000; ++round) {
        auto effect = Ramp(mixer, 64 + round % 64);
        effect->Play(round % 2 == 0);
        effect->SetPosition(static_cast<size_t>(round % 50));
        effect->Play(false);
        if (round % 3 == 0) effect->Stop();
        music->SetPosition(0);
    }
    done = true;
    audioThread.join();
    EXPECT_TRUE(music->IsPlaying());
}

} // namespace
