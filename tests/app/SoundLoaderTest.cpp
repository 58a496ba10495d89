#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/GameFrame.h"
#include "app/Sound.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "support/WavBytes.h"

namespace {

using namespace wavbytes;

// Remembers what the loader hands to the device; refuses when told to.
class CapturingAudio final : public platform::AudioDevice {
public:
    std::unique_ptr<platform::SoundBuffer> CreateBuffer(const std::string& name, const platform::WaveFormat& format,
                                                        std::span<const uint8_t> samples, std::string& error) override
    {
        mName = name;
        mFormat = format;
        mSamples.assign(samples.begin(), samples.end());
        if (!mRefusal.empty()) {
            error = mRefusal;
            return nullptr;
        }
        return mRecording.CreateBuffer(name, format, samples, error);
    }

    platform::RecordingAudio mRecording;
    std::string mRefusal;
    std::string mName;
    platform::WaveFormat mFormat;
    std::vector<uint8_t> mSamples;
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

TEST(SoundLoaderTest, GoodFileGivesABufferNamedAfterTheFile)
{
    TempDir dir;
    dir.Write("Resource/Sound/jump.wav", PcmFile(1, 22050, 8, "\x10\x20\x30"));
    ScopedWorkingDir cwd(dir.Path());
    FakePlatform fake;
    CGameFrameConstruct frame(fake.Services());

    std::unique_ptr<platform::SoundBuffer> sound;
    testing::internal::CaptureStderr();
    frame.LoadSound(sound, "Resource/Sound/jump.wav");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_NE(sound, nullptr);
    RestartSound(sound.get());
    ASSERT_EQ(fake.audio.Operations().size(), 1u);
    EXPECT_EQ(fake.audio.Operations()[0].file, "jump.wav");
    EXPECT_EQ(fake.audio.Operations()[0].op, "restart");
}

TEST(SoundLoaderTest, HandsTheDeviceTheFormatAndEverySample)
{
    TempDir dir;
    dir.Write("Resource/Sound/音.wav", PcmFile(2, 44100, 16, "\x01\x02\x03\x04\x05\x06\x07\x08"));
    ScopedWorkingDir cwd(dir.Path());
    FakePlatform fake;
    CapturingAudio audio;
    platform::Platform services = fake.Services();
    services.audio = &audio;
    CGameFrameConstruct frame(services);

    std::unique_ptr<platform::SoundBuffer> sound;
    frame.LoadSound(sound, "Resource/Sound/音.wav");
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(audio.mName, "音.wav");
    EXPECT_EQ(audio.mFormat.channels, 2);
    EXPECT_EQ(audio.mFormat.samplesPerSec, 44100u);
    EXPECT_EQ(audio.mFormat.bitsPerSample, 16);
    EXPECT_EQ(audio.mSamples, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(SoundLoaderTest, UnplayableFileLeavesNullAndSaysWhyOnOneLine)
{
    struct Case {
        const char* name;
        const char* file; // nullptr: the file is not there
        std::string content;
        const char* refusal; // what the device says, if it refuses
        const char* reason;
    };
    const Case cases[] = {
        {"missing", nullptr, "", "", "No such file"},
        {"not RIFF", "Resource/Sound/x.wav", "ID3 not a wave at all", "", "not a RIFF WAVE file"},
        {"no data chunk", "Resource/Sound/x.wav", Riff(Chunk("fmt ", FormatFields(1, 1, 8000, 8))), "",
         "no \"data\" chunk"},
        {"device refuses the format", "Resource/Sound/x.wav", PcmFile(1, 8000, 8, "\x80"), "unsupported 24-bit",
         "unsupported 24-bit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (c.file != nullptr) dir.Write(c.file, c.content);
        ScopedWorkingDir cwd(dir.Path());
        FakePlatform fake;
        CapturingAudio audio;
        audio.mRefusal = c.refusal;
        platform::Platform services = fake.Services();
        services.audio = &audio;
        CGameFrameConstruct frame(services);

        // Whatever `out` held before is dropped.
        std::string unused;
        std::unique_ptr<platform::SoundBuffer> sound = audio.mRecording.CreateBuffer("old", {}, {}, unused);
        testing::internal::CaptureStderr();
        frame.LoadSound(sound, "Resource/Sound/x.wav");
        const std::vector<std::string> lines = Lines(testing::internal::GetCapturedStderr());
        EXPECT_EQ(sound, nullptr);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].rfind("zem: Resource/Sound/x.wav: ", 0), 0u) << lines[0];
        EXPECT_NE(lines[0].find(c.reason), std::string::npos) << lines[0];
        // Every call on the sound that did not load is skipped.
        RestartSound(sound.get());
        StopSound(sound.get());
        Disable3D(sound.get());
    }
}

TEST(SoundLoaderTest, ASoundPastTheBoundIsRefusedInOneLineBeforeItsSamplesAreRead)
{
    // A frame more than two minutes at 1000 Hz: 120 KB of file, 21 MB in the mixer's format.
    TempDir dir;
    dir.Write("Resource/Sound/long.wav", PcmFile(1, 1000, 8, std::string(120001, '\x80')));
    ScopedWorkingDir cwd(dir.Path());
    FakePlatform fake;
    CapturingAudio audio;
    platform::Platform services = fake.Services();
    services.audio = &audio;
    CGameFrameConstruct frame(services);

    std::unique_ptr<platform::SoundBuffer> sound;
    testing::internal::CaptureStderr();
    frame.LoadSound(sound, "Resource/Sound/long.wav");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "zem: Resource/Sound/long.wav: refused: the sound lasts 120.001 s, longer than the 120 s a sound may last\n");
    EXPECT_EQ(sound, nullptr);
    EXPECT_TRUE(audio.mName.empty()) << "the device was handed the sound";
}

TEST(SoundLoaderTest, DataCutShortLoadsWhatIsThereAndSaysSo)
{
    TempDir dir;
    dir.Write("Resource/Sound/cut.wav",
              Riff(Chunk("fmt ", FormatFields(1, 1, 8000, 8)) + "data" + Le32(1000000) + "\x11\x22\x33\x44"));
    ScopedWorkingDir cwd(dir.Path());
    FakePlatform fake;
    CapturingAudio audio;
    platform::Platform services = fake.Services();
    services.audio = &audio;
    CGameFrameConstruct frame(services);

    std::unique_ptr<platform::SoundBuffer> sound;
    testing::internal::CaptureStderr();
    frame.LoadSound(sound, "Resource/Sound/cut.wav");
    const std::vector<std::string> lines = Lines(testing::internal::GetCapturedStderr());
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(audio.mSamples, (std::vector<uint8_t>{0x11, 0x22, 0x33, 0x44}));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("zem: Resource/Sound/cut.wav: ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find("999996 bytes"), std::string::npos) << lines[0];
}

} // namespace
