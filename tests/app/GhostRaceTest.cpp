// The ghost of the best run: its compact file, read with its bounds, and the race it runs.
#include <gtest/gtest.h>

#include <fstream>

#include "app/BestResults.h"
#include "app/GhostRace.h"
#include "support/TempDir.h"

namespace {

GhostPath Walk(size_t frames, float speed)
{
    GhostPath path;
    for (size_t f = 0; f < frames; ++f) {
        GhostFrame frame;
        frame.x = 200.0f + speed * static_cast<float>(f);
        frame.y = 1322.5f;
        frame.width = 45;
        frame.height = 75;
        frame.anim = 1;
        frame.cell = static_cast<uint8_t>(f % 8);
        frame.facing = f % 50 < 40 ? 1 : -1;
        path.Add(frame);
    }
    return path;
}

TEST(GhostPathTest, ThePathReadsBackFrameByFrameAndSaysWhenItReachedEachPlace)
{
    const GhostPath path = Walk(300, 5.0f);
    const std::string bytes = path.Encode("0123456789abcdef");
    EXPECT_EQ(bytes.size(), GhostPath::kHeaderBytes + 300 * GhostPath::kFrameBytes);
    GhostPath read;
    std::string stamp;
    std::string problem;
    ASSERT_TRUE(read.Decode(bytes, stamp, problem)) << problem;
    EXPECT_EQ(stamp, "0123456789abcdef");
    ASSERT_EQ(read.Size(), 300u);
    for (size_t f = 0; f < 300; ++f) {
        EXPECT_EQ(read.At(f).x, path.At(f).x);
        EXPECT_EQ(read.At(f).cell, path.At(f).cell);
        EXPECT_EQ(read.At(f).facing, path.At(f).facing);
    }
    // 5 pixels a frame from x 200: the column from x 400 is first reached in frame 40.
    EXPECT_EQ(read.FirstFrameAt(410.0f), 40u);
    EXPECT_EQ(read.FirstFrameAt(100.0f), 0u);
    EXPECT_FALSE(read.FirstFrameAt(5000.0f).has_value());
}

TEST(GhostPathTest, DamagedFilesAreRefusedWithTheirReason)
{
    const std::string good = Walk(10, 5.0f).Encode("stamp");
    std::string wrongCount = good;
    wrongCount[GhostPath::kHeaderBytes - 4] = 11;
    std::string badFacing = good;
    badFacing[GhostPath::kHeaderBytes + 12] = 3;
    std::string huge = good;
    huge[GhostPath::kHeaderBytes - 1] = 0x7F; // claims two billion frames
    // A picture the hero never shows, in the second frame: another box, row or cell.
    const auto showing = [&good](size_t field, char value) {
        std::string bytes = good;
        bytes[GhostPath::kHeaderBytes + GhostPath::kFrameBytes + field] = value;
        return bytes;
    };
    const struct {
        std::string bytes;
        const char* problem;
    } cases[] = {
        {"", "not a ghost file"},
        {"ZEMGHOSX" + good.substr(8), "not a ghost file"},
        {good.substr(0, 8) + std::string("\x02\0\0\0", 4) + good.substr(12), "another version"},
        {good.substr(0, good.size() - 1), "damaged: it claims 10 frames"},
        {wrongCount, "damaged: it claims 11 frames"},
        {huge, "damaged: it claims"},
        {badFacing, "damaged at frame 1"},
        {showing(8, 46), "damaged at frame 2: not one of the hero's pictures"},
        {showing(9, 96), "damaged at frame 2: not one of the hero's pictures"},
        {showing(10, 6), "damaged at frame 2: not one of the hero's pictures"},
        {showing(10, 99), "damaged at frame 2: not one of the hero's pictures"},
        {showing(11, 8), "damaged at frame 2: not one of the hero's pictures"},
    };
    for (const auto& c : cases) {
        GhostPath path = Walk(3, 1.0f);
        std::string stamp;
        std::string problem;
        EXPECT_FALSE(path.Decode(c.bytes, stamp, problem));
        EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        EXPECT_EQ(path.Size(), 3u) << "a refused file changes nothing";
    }
}

TEST(GhostRaceTest, AFasterRunBecomesTheGhostAndOtherDataOrDamageShowNone)
{
    TempDir dir;
    CBestResultsFile bests(dir.Path() / "best-results.txt");
    CGhostRace race;
    race.BeginStage("2", &bests, "stamp-a", false);
    EXPECT_EQ(race.Ghost(), nullptr);
    for (size_t f = 0; f < 120; ++f) race.Record(Walk(120, 4.0f).At(f));
    ASSERT_TRUE(race.KeepRun("2", bests, "stamp-a"));
    const auto file = CGhostRace::FileFor(bests, "2");
    EXPECT_EQ(file.filename(), "ghost-2.bin");
    ASSERT_NE(race.Ghost(), nullptr);
    EXPECT_EQ(race.Ghost()->Size(), 120u);

    // Played again, a fresh run records from nothing and races the kept one; H switches it off.
    race.BeginStage("2", &bests, "stamp-a", false);
    EXPECT_EQ(race.Run().Size(), 0u);
    ASSERT_NE(race.Ghost(), nullptr);
    race.Toggle();
    EXPECT_EQ(race.Ghost(), nullptr);
    race.Toggle();

    // Read afresh by another game: the same ghost, unless made on other data or damaged.
    const struct {
        std::string stamp;
        std::string bytes; // written over the file first, when not empty
        bool shown;
        const char* message;
    } cases[] = {
        {"stamp-a", "", true, ""},
        {"stamp-b", "", false, "made on other game data"},
        {"stamp-a", "ZEMGHOST", false, "not a ghost file"},
        // A stamp's bytes reach the message escaped.
        {"stamp-a", Walk(10, 1.0f).Encode("\x1b]0;x\a"), false, "(stamp '\\e]0;x\\a', this game's is 'stamp-a')"},
    };
    for (const auto& c : cases) {
        if (!c.bytes.empty()) std::ofstream(file, std::ios::binary) << c.bytes;
        CGhostRace other;
        testing::internal::CaptureStderr();
        other.BeginStage("2", &bests, c.stamp, false);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(other.Ghost() != nullptr, c.shown) << c.stamp;
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), c.shown ? 0 : 1) << err;
    }
    // A file larger than any ghost is refused before it is read.
    std::ofstream(file, std::ios::binary) << std::string(GhostPath::kHeaderBytes + GhostPath::kMaxFrames * 13 + 1, 'x');
    CGhostRace oversized;
    testing::internal::CaptureStderr();
    oversized.BeginStage("2", &bests, "stamp-a", false);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("larger than any ghost"), std::string::npos);
    EXPECT_EQ(oversized.Ghost(), nullptr);
}

} // namespace
