#include <gtest/gtest.h>

#include <vector>

#include "app/WavReader.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "support/WavBytes.h"

namespace {

using namespace wavbytes;
using namespace std::string_literals;

const std::string kSamples = "\x01\x02\x03\x04\x05\x06\x07\x08";

std::vector<uint8_t> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

// Reads every sample byte the reader offers (asking for more than there is).
std::vector<uint8_t> ReadAll(CWavReader& reader)
{
    std::vector<uint8_t> data(reader.DataSize() + 16, 0xEE);
    uint32_t got = 0;
    EXPECT_EQ(reader.Read(static_cast<uint32_t>(data.size()), data.data(), got), CWavReader::kOk);
    data.resize(got);
    return data;
}

struct GoodCase {
    const char* name;
    std::string file;
    uint16_t formatTag;
    std::vector<uint8_t> extra;
};

TEST(WavReaderTest, ReadsFormatAndSamples)
{
    const std::string pcm = FormatFields(1, 2, 44100, 16);
    const GoodCase cases[] = {
        {"16-byte fmt", Riff(Chunk("fmt ", pcm) + Chunk("data", kSamples)), 1, {}},
        // The extra size field of a PCM record is ignored and recorded as 0.
        {"18-byte PCM fmt", Riff(Chunk("fmt ", pcm + Le16(7)) + Chunk("data", kSamples)), 1, {}},
        {"LIST between fmt and data",
         Riff(Chunk("fmt ", pcm) + Chunk("LIST", "INFOISFT\x04\0\0\0zem\0"s) + Chunk("data", kSamples)), 1, {}},
        // A 3-byte chunk is followed by a pad byte; missing it would land inside "data".
        {"odd-sized chunk padded", Riff(Chunk("fmt ", pcm) + Chunk("junk", "abc") + Chunk("data", kSamples)), 1, {}},
        {"data before fmt", Riff(Chunk("data", kSamples) + Chunk("fmt ", pcm)), 1, {}},
        {"non-PCM keeps its extra bytes",
         Riff(Chunk("fmt ", FormatFields(2, 1, 22050, 4) + Le16(4) + "\x0A\x0B\x0C\x0D") + Chunk("data", kSamples)), 2,
         {0x0A, 0x0B, 0x0C, 0x0D}},
        // A 16-byte record of another format has no extra size to read: "data" is not taken for one.
        {"non-PCM 16-byte fmt", Riff(Chunk("fmt ", FormatFields(3, 2, 44100, 32)) + Chunk("data", kSamples)), 3, {}},
        {"RIFF size larger than the file",
         "RIFF" + Le32(0x7FFFFFFF) + "WAVE" + Chunk("fmt ", pcm) + Chunk("data", kSamples), 1, {}},
    };
    TempDir dir;
    for (const GoodCase& c : cases) {
        SCOPED_TRACE(c.name);
        CWavReader reader;
        ASSERT_EQ(reader.Open(dir.Write("sound.wav", c.file).string()), CWavReader::kOk) << reader.Error();
        ASSERT_NE(reader.Format(), nullptr);
        EXPECT_EQ(reader.Format()->formatTag, c.formatTag);
        EXPECT_EQ(reader.Format()->extra, c.extra);
        EXPECT_EQ(reader.DataSize(), kSamples.size());
        EXPECT_EQ(reader.MissingDataBytes(), 0u);
        EXPECT_EQ(ReadAll(reader), Bytes(kSamples));
    }
}

TEST(WavReaderTest, FormatFieldsComeFromTheFile)
{
    TempDir dir;
    CWavReader reader;
    ASSERT_EQ(reader.Open(dir.Write("s.wav", PcmFile(1, 22050, 8, "\x80\x80")).string()), CWavReader::kOk);
    const platform::WaveFormat& f = *reader.Format();
    EXPECT_EQ(f.formatTag, 1);
    EXPECT_EQ(f.channels, 1);
    EXPECT_EQ(f.samplesPerSec, 22050u);
    EXPECT_EQ(f.avgBytesPerSec, 22050u);
    EXPECT_EQ(f.blockAlign, 1);
    EXPECT_EQ(f.bitsPerSample, 8);
}

TEST(WavReaderTest, ReadCountsDownAndRewindStartsOver)
{
    TempDir dir;
    CWavReader reader;
    ASSERT_EQ(reader.Open(dir.Write("s.wav", PcmFile(2, 44100, 16, kSamples)).string()), CWavReader::kOk);
    uint8_t part[3] = {};
    uint32_t got = 0;
    ASSERT_EQ(reader.Read(3, part, got), CWavReader::kOk);
    EXPECT_EQ(got, 3u);
    EXPECT_EQ(reader.DataSize(), 5u);
    EXPECT_EQ(ReadAll(reader), Bytes(kSamples.substr(3)));
    EXPECT_EQ(reader.DataSize(), 0u);
    ASSERT_EQ(reader.Read(3, part, got), CWavReader::kOk);
    EXPECT_EQ(got, 0u);

    ASSERT_EQ(reader.Rewind(), CWavReader::kOk);
    EXPECT_EQ(ReadAll(reader), Bytes(kSamples));
}

TEST(WavReaderTest, DataLongerThanTheFileIsReadAsFarAsTheFileGoes)
{
    const std::string pcm = Chunk("fmt ", FormatFields(1, 2, 44100, 16));
    struct Case {
        const char* name;
        uint32_t declared;
    };
    for (const Case& c : {Case{"cut short", 100}, Case{"size near 4 GB", 0xFFFFFFF0u}}) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        // The body is written without its declared length: the file ends after 8 sample bytes.
        const std::string file = Riff(pcm + "data" + Le32(c.declared) + kSamples);
        CWavReader reader;
        ASSERT_EQ(reader.Open(dir.Write("s.wav", file).string()), CWavReader::kOk) << reader.Error();
        EXPECT_EQ(reader.DataSize(), kSamples.size());
        EXPECT_EQ(reader.MissingDataBytes(), c.declared - kSamples.size());
        EXPECT_EQ(ReadAll(reader), Bytes(kSamples));
    }
}

TEST(WavReaderTest, RefusesMalformedFilesWithTheirReason)
{
    const std::string pcm = FormatFields(1, 2, 44100, 16);
    const std::string data = Chunk("data", kSamples);
    struct BadCase {
        const char* name;
        std::string file;
        const char* reason;
    };
    const BadCase cases[] = {
        {"empty file", "", "not a RIFF WAVE file"},
        {"shorter than a RIFF header", "RIFF\x04", "not a RIFF WAVE file"},
        {"not RIFF", "RIFX" + Le32(4) + "WAVE", "not a RIFF WAVE file"},
        {"RIFF of another form", "RIFF" + Le32(4) + "AVI ", "not a RIFF WAVE file"},
        {"no fmt chunk", Riff(data), "no \"fmt \" chunk"},
        {"fmt shorter than 16 bytes", Riff(Chunk("fmt ", pcm.substr(0, 14)) + data), "14 bytes, shorter than 16"},
        {"fmt cut by the end of the file", Riff("fmt " + Le32(16) + pcm.substr(0, 10)), "cut short"},
        {"extra size larger than the chunk",
         Riff(Chunk("fmt ", FormatFields(2, 1, 22050, 4) + Le16(40) + "\x01\x02") + data),
         "extra size 40 is larger than the chunk (20 bytes)"},
        {"no data chunk", Riff(Chunk("fmt ", pcm)), "no \"data\" chunk"},
        // Found by fuzzing: a "fmt " chunk claiming a gigabyte and 65528 extra bytes in a 59-byte file.
        {"extra bytes past the end of the file", ReadFile("fuzz/fuzz_wave/fmt-extra-larger-than-file.wav"), "cut short"},
        // A chunk that claims to run past the end hides everything after it.
        {"chunk size past the end", Riff(Chunk("fmt ", pcm) + Chunk("LIST", "abcd", 0xFFFFFFF0u) + data),
         "no \"data\" chunk"},
        // The RIFF chunk ends before "data": what lies beyond it is not part of the file.
        {"data outside the RIFF chunk", "RIFF" + Le32(4 + 24) + "WAVE" + Chunk("fmt ", pcm) + data,
         "no \"data\" chunk"},
    };
    TempDir dir;
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        CWavReader reader;
        EXPECT_NE(reader.Open(dir.Write("bad.wav", c.file).string()), CWavReader::kOk);
        EXPECT_NE(reader.Error().find(c.reason), std::string::npos) << reader.Error();
        uint8_t byte = 0;
        uint32_t got = 7;
        EXPECT_NE(reader.Read(1, &byte, got), CWavReader::kOk);
        EXPECT_EQ(got, 0u);
    }
}

TEST(WavReaderTest, MissingFileFails)
{
    TempDir dir;
    CWavReader reader;
    EXPECT_NE(reader.Open((dir.Path() / "absent.wav").string()), CWavReader::kOk);
    EXPECT_NE(reader.Error().find("No such file"), std::string::npos) << reader.Error();
    EXPECT_EQ(reader.Format(), nullptr);
}

} // namespace
