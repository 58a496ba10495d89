// The music's and the effects' volumes in what the mixer sends out.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Audio.h"
#include "platform/Limiter.h"
#include "platform/Mixer.h"
#include "platform/SdlAudio.h"

namespace {

using platform::Mixer;

constexpr int kMusic = static_cast<int>(platform::SoundGroup::Music);
constexpr int kEffects = static_cast<int>(platform::SoundGroup::Effects);

std::unique_ptr<platform::MixerVoice> Constant(Mixer& mixer, int16_t value, int group)
{
    auto voice = mixer.CreateVoice(std::vector<int16_t>(2 * 4096, value));
    voice->SetGroup(group);
    voice->Play(true);
    return voice;
}

int16_t FirstSample(Mixer& mixer)
{
    std::vector<int16_t> out(2 * 64);
    mixer.Mix(out.data(), 64);
    return out[0];
}

TEST(MixerVolumeTest, EachGroupIsScaledOnItsOwn)
{
    Mixer mixer;
    const auto effect = Constant(mixer, 8000, kEffects);
    const auto music = Constant(mixer, 4000, kMusic);
    struct Case {
        float music;
        float effects;
        int16_t heard;
    };
    const Case cases[] = {
        {1.0f, 1.0f, 12000},                      // as recorded: every sample exactly
        {0.25f, 1.0f, 9000},                      // the music a quarter, the effects as they were
        {1.0f, 0.5f, 8000},  {0.0f, 1.0f, 8000},  // 0 mutes the music
        {1.0f, 0.0f, 4000},                       // and the effects
        {0.0f, 0.0f, 0},     {1.0f, 1.0f, 12000}, // and back
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.music) + " " + std::to_string(c.effects));
        mixer.SetVolume(kMusic, c.music);
        mixer.SetVolume(kEffects, c.effects);
        EXPECT_EQ(FirstSample(mixer), c.heard);
    }
}

// The limiter works on what is heard: sounds that would clip together at full volume pass
// unchanged once turned down below its ceiling, and are still limited at full volume.
TEST(MixerVolumeTest, TheLimiterActsAfterTheVolumes)
{
    Mixer mixer;
    const auto a = Constant(mixer, 20000, kEffects);
    const auto b = Constant(mixer, 20000, kMusic);
    EXPECT_LT(FirstSample(mixer), 32767);
    EXPECT_GT(FirstSample(mixer), platform::Limiter::kCeiling - 2000);
    Mixer quiet;
    const auto c = Constant(quiet, 20000, kEffects);
    const auto d = Constant(quiet, 20000, kMusic);
    quiet.SetVolume(kEffects, 0.5f);
    quiet.SetVolume(kMusic, 0.25f);
    EXPECT_EQ(FirstSample(quiet), 15000);
}

// The game's sound device passes the volumes to its mixer, by each buffer's group.
TEST(MixerVolumeTest, TheSoundDeviceScalesItsBuffersByGroup)
{
    platform::SdlAudio audio(platform::SdlAudio::Output::Manual);
    platform::WaveFormat format;
    format.formatTag = 1;
    format.channels = 2;
    format.samplesPerSec = 44100;
    format.bitsPerSample = 16;
    format.blockAlign = 4;
    format.avgBytesPerSec = 44100 * 4;
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 4096 * 2; ++i) {
        bytes.push_back(0x40); // 0x1F40 = 8000
        bytes.push_back(0x1F);
    }
    std::string error;
    auto effect = audio.CreateBuffer("blip", format, bytes, error);
    auto music = audio.CreateBuffer("tune", format, bytes, error);
    ASSERT_TRUE(effect && music) << error;
    music->SetGroup(platform::SoundGroup::Music);
    effect->Play(true);
    music->Play(true);
    audio.SetVolumes(0.25f, 0.5f);
    std::vector<int16_t> out(2 * 256);
    audio.MixInto(out.data(), 256);
    EXPECT_EQ(out[200], 2000 + 4000);
}

} // namespace
