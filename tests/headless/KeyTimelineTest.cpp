#include <gtest/gtest.h>

#include <sstream>

#include "app/KeyTimeline.h"
#include "app/TraceWriter.h"
#include "platform/Keyboard.h"

namespace {

TEST(KeyTimelineTest, KeysAreHeldFromTheirFrameUntilTheNextLine)
{
    std::istringstream text("# start\n10 Right Up   # jump\n\n12 Right\n20\n30 Escape\n");
    KeyTimeline timeline;
    std::string error;
    ASSERT_TRUE(timeline.Parse(text, "keys.txt", error)) << error;
    EXPECT_TRUE(timeline.KeysAt(1).empty());
    EXPECT_TRUE(timeline.KeysAt(9).empty());
    EXPECT_EQ(timeline.KeysAt(10), (std::vector<int>{platform::VK_RIGHT, platform::VK_UP}));
    EXPECT_EQ(timeline.KeysAt(11), (std::vector<int>{platform::VK_RIGHT, platform::VK_UP}));
    EXPECT_EQ(timeline.KeysAt(19), (std::vector<int>{platform::VK_RIGHT}));
    EXPECT_TRUE(timeline.KeysAt(25).empty());
    EXPECT_EQ(timeline.KeysAt(1000), (std::vector<int>{platform::VK_ESCAPE}));
}

// The text is read word by word as it streams, never a line at once: words end at white space,
// at a comment and at the end of the text, and errors still name their line.
TEST(KeyTimelineTest, WordsEndAtSpacesCommentsAndTheEndOfTheText)
{
    const struct {
        const char* text;
        long frame;
        std::vector<int> keys;
    } cases[] = {
        {"5 Left\r\n6 Up\r\n", 5, {platform::VK_LEFT}},
        {"5\tLeft#Up\n", 5, {platform::VK_LEFT}},
        {"5 Left", 5, {platform::VK_LEFT}},
        {"\n\n  # a comment only\n5 Left\n7", 8, {}},
        {"data 3f2a extra words\nopen 2 more\n5 Left\n", 5, {platform::VK_LEFT}},
        {"clock 0 5 5x2#7\n5 Left Up\n", 5, {platform::VK_LEFT, platform::VK_UP}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::istringstream text(c.text);
        KeyTimeline timeline;
        std::string error;
        ASSERT_TRUE(timeline.Parse(text, "keys.txt", error)) << error;
        EXPECT_EQ(timeline.KeysAt(c.frame), c.keys);
    }
    std::istringstream text("1 Left\n\n# note\nclock 0 3 3x2 3\n4 Up\r\n9 Jump");
    KeyTimeline timeline;
    std::string error;
    EXPECT_FALSE(timeline.Parse(text, "keys.txt", error));
    EXPECT_EQ(error, "keys.txt:6: unknown key 'Jump' (Left Right Up Down Space Enter Escape A C G H M N O P Z)");
    ASSERT_EQ(timeline.ClockReadings().size(), 1u);
    EXPECT_EQ(timeline.ClockReadings()[0].count, 4u);
}

TEST(KeyTimelineTest, LinesOutOfOrderAreSortedAndTheLastOfAFrameCounts)
{
    std::istringstream text("20 Left Left\n10 Right\n10 Up Down\n");
    KeyTimeline timeline;
    std::string error;
    ASSERT_TRUE(timeline.Parse(text, "keys.txt", error)) << error;
    EXPECT_TRUE(timeline.KeysAt(9).empty());
    EXPECT_EQ(timeline.KeysAt(10), (std::vector<int>{platform::VK_UP, platform::VK_DOWN}));
    EXPECT_EQ(timeline.KeysAt(25), (std::vector<int>{platform::VK_LEFT}));
    EXPECT_EQ(timeline.LastFrame(), 20); // the last line names frame 10, the timeline runs to 20
}

TEST(KeyTimelineTest, ARecordingCarriesItsDataStampClockReadingsAndEnd)
{
    std::istringstream text(
        "data 00ff\nstages 0a0b\nclock 0 1234\n1\n30 Enter P\nclock 31 900x3 901\n31 FocusLost\n32\n99 Escape\n");
    KeyTimeline timeline;
    std::string error;
    ASSERT_TRUE(timeline.Parse(text, "run.keys", error)) << error;
    EXPECT_EQ(timeline.DataStamp(), "00ff");
    EXPECT_EQ(timeline.StagesStamp(), "0a0b");
    std::vector<std::pair<long, uint32_t>> readings;
    for (const auto& r : timeline.ClockReadings()) {
        for (uint32_t i = 0; i < r.count; ++i) readings.emplace_back(r.frame, r.value);
    }
    EXPECT_EQ(readings, (std::vector<std::pair<long, uint32_t>>{{0, 1234}, {31, 900}, {31, 900}, {31, 900}, {31, 901}}));
    EXPECT_EQ(timeline.KeysAt(30), (std::vector<int>{platform::VK_RETURN, platform::VK_P}));
    EXPECT_EQ(timeline.KeysAt(31), (std::vector<int>{platform::VK_FOCUS_LOST}));
    EXPECT_EQ(timeline.EscapeFrame(), 99);
}

TEST(KeyTimelineTest, MalformedLinesAreNamed)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"5 Right\nx Left\n", "keys.txt:2: 'x' is not a frame number"},
        {"0 Left\n", "keys.txt:1: '0' is not a frame number"},
        {"3 Jump\n", "keys.txt:1: unknown key 'Jump'"},
        {"7abc Left\n", "keys.txt:1: '7abc' is not a frame number"},
        {"clock\n", "keys.txt:1: 'clock' needs a frame number"},
        {"clock 3 12 4x\n", "keys.txt:1: '4x' is not a clock reading"},
        {"data\n", "keys.txt:1: 'data' needs the stamp"},
    };
    for (const auto& c : cases) {
        std::istringstream text(c.text);
        KeyTimeline timeline;
        std::string error;
        EXPECT_FALSE(timeline.Parse(text, "keys.txt", error)) << c.text;
        EXPECT_EQ(error.rfind(c.message, 0), 0u) << error;
    }
}

// A number out of range is refused with the range it must be in, and the file's name is shown
// escaped like every word that comes from outside.
TEST(KeyTimelineTest, ARefusedLineSaysTheTrueReason)
{
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"open 1001\n", "run.keys:1: 'open' needs how many of the game's stages were open (1 to 1000)"},
        {"open 0\n", "run.keys:1: 'open' needs how many of the game's stages were open (1 to 1000)"},
        {"2147483648 Left\n", "run.keys:1: '2147483648' is not a frame number (1 to 2147483647)"},
        {"clock 2147483648 5\n", "run.keys:1: 'clock' needs a frame number (0 to 2147483647)"},
        {"clock 1 5x100001\n", "run.keys:1: '5x100001' is not a clock reading (MS from 0 to 4294967295, or MSxCOUNT "
                               "with COUNT from 1 to 100000)"},
        {"stages\n", "run.keys:1: 'stages' needs the stamp of the player's stages"},
    };
    for (const auto& c : cases) {
        std::istringstream text(c.text);
        KeyTimeline timeline;
        std::string error;
        EXPECT_FALSE(timeline.Parse(text, "run.keys", error)) << c.text;
        EXPECT_EQ(error, c.message);
    }
    std::istringstream text("x\n");
    KeyTimeline timeline;
    std::string error;
    EXPECT_FALSE(timeline.Parse(text, "runs/x\x1b]0;PWNED\a\xc2\x9b.keys", error));
    EXPECT_EQ(error, "runs/x\\e]0;PWNED\\a\\u009b.keys:1: 'x' is not a frame number (1 to 2147483647)");
}

TEST(TraceWriterTest, NestedObjectsArraysAndNumbers)
{
    CTraceWriter trace;
    trace.Field("frame", 3);
    trace.Field("x", 0.1f);
    trace.Field("ok", true);
    trace.Field("scene", "ti\"tle");
    trace.BeginArray("respawn");
    trace.Value(1.5f);
    trace.Value(2);
    trace.EndArray();
    trace.BeginArray("sounds");
    trace.BeginObject();
    trace.Field("file", "a.wav");
    trace.EndObject();
    trace.BeginObject();
    trace.EndObject();
    trace.EndArray();
    trace.BeginObject("player");
    trace.BeginArray("open");
    EXPECT_EQ(trace.Finish(), "{\"frame\":3,\"x\":0.100000001,\"ok\":true,\"scene\":\"ti\\\"tle\","
                              "\"respawn\":[1.5,2],\"sounds\":[{\"file\":\"a.wav\"},{}],\"player\":{\"open\":[]}}");
}

} // namespace

namespace {

// What a hostile timeline can make the reader hold or say: equal clock readings are one entry
// however they are written, a line past the bound is refused without being held, and a quoted
// word is cut short with its control characters shown escaped.
TEST(KeyTimelineBoundsTest, HostileTextHoldsLittleAndIsQuotedShort)
{
    {
        std::string text = "clock 5";
        for (int i = 0; i < 100000; ++i) text += " 0";
        std::istringstream in(text + "\n");
        KeyTimeline timeline;
        std::string error;
        ASSERT_TRUE(timeline.Parse(in, "zeros.keys", error)) << error;
        ASSERT_EQ(timeline.ClockReadings().size(), 1u);
        EXPECT_EQ(timeline.ClockReadings()[0].count, 100000u);
    }
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {std::string(2u << 20, '7') + "\n", "long.keys:1: longer than 1048576 bytes; not a line of a key timeline"},
        {"1 Left \x1b[31mRED" + std::string(100, 'x') + "\n",
         "long.keys:1: unknown key '\\e[31mREDxxxxxxxxxxxxxxxx...'"},
        {"99999999999 Left\n", "long.keys:1: '99999999999' is not a frame number"},
        {"data " + std::string(40, 'f') + "\n", "'data' needs the stamp"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        KeyTimeline timeline;
        std::string error;
        EXPECT_FALSE(timeline.Parse(in, "long.keys", error));
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
        EXPECT_LT(error.size(), 200u);
    }
}

} // namespace
