#pragma once
#include <cstdint>
#include <deque>
#include <istream>
#include <string>
#include <utility>
#include <vector>

// A key timeline: each line "FRAME KEY KEY ..." holds those keys from that frame on until
// the next line; a frame with no keys releases everything; '#' starts a comment.
// A recorded run adds four kinds of line: "open N", how many of the game's own stages were open
// when it began, "data STAMP", the game data it was played on, "stages STAMP", the player's own
// stages its title listed (none without the line), and "clock FRAME READING ...", the clock
// readings the game seeded its generator from in that frame (0: before the first frame),
// "VALUExN" standing for N equal readings. A later line for the same frame replaces the earlier
// one. The text is read word by word, never a whole line at once; each line is kept as a frame
// and a set of keys and each run of equal readings as one entry, in lists that grow in blocks
// (never copied to grow), so a timeline holds at most about six times its text (a clock line of
// alternating one-digit readings: 12 bytes for 2).
class KeyTimeline {
public:
    // `count` equal readings in one frame, kept as one entry however many they are.
    struct ClockReading {
        int32_t frame = 0;
        uint32_t value = 0;
        uint32_t count = 1;
    };
    // The last frame a timeline can name (a year at 60 frames a second), and the longest text
    // it is read from: a timeline never holds much more than a few times its text.
    static constexpr long long kLastFrame = INT32_MAX;
    static constexpr size_t kMaxBytes = 64u << 20;
    // The most stages an "open" line can say were open.
    static constexpr int kMostOpenStages = 1000;

    // False with a message naming the line when the text is malformed or cannot be read.
    bool Parse(std::istream& in, const std::string& name, std::string& error);
    // The virtual-key codes held during `frame` (frames count from 1), in the order of the key names.
    std::vector<int> KeysAt(long frame) const;
    // The first frame that holds Escape (the run ends before it); 0 when none does.
    long EscapeFrame() const;
    // The last frame a line of the timeline names; 0 for an empty timeline.
    long LastFrame() const { return mChanges.empty() ? 0 : mChanges.back().frame; }

    const std::string& DataStamp() const { return mDataStamp; }
    // The stamp of the player's own stages the run's title listed; empty when it listed none.
    const std::string& StagesStamp() const { return mStagesStamp; }
    // How many of the game's own stages the run had open; 0 when it does not say.
    int OpenStages() const { return mOpenStages; }
    const std::deque<ClockReading>& ClockReadings() const { return mClockReadings; }
    // Hands the readings over (to a replay) without copying them.
    std::deque<ClockReading> TakeClockReadings() { return std::move(mClockReadings); }

    static int VirtualKeyOf(const std::string& keyName); // -1 when unknown
    static std::string KeyNameOf(int virtualKey);        // empty when the key has no name

private:
    class WordStream;
    // Each reads the rest of its line; false with a message (after the line's place) in `problem`.
    bool ParseClockLine(WordStream& words, std::string& problem);
    bool ParseKeyLine(const std::string& first, WordStream& words, std::string& problem);

    struct Change {
        int32_t frame = 0;
        uint32_t keys = 0; // one bit per key name
    };
    std::deque<Change> mChanges; // by frame, one per frame
    std::string mDataStamp;
    std::string mStagesStamp;
    int mOpenStages = 0;
    std::deque<ClockReading> mClockReadings;
};
