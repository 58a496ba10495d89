#include "app/KeyTimeline.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "app/Quote.h"
#include "platform/Keyboard.h"

namespace {

constexpr std::array<std::pair<const char*, int>, 17> kKeyNames = {{
    {"Left", platform::VK_LEFT},     {"Right", platform::VK_RIGHT}, {"Up", platform::VK_UP},
    {"Down", platform::VK_DOWN},     {"Space", platform::VK_SPACE}, {"Enter", platform::VK_RETURN},
    {"Escape", platform::VK_ESCAPE}, {"A", platform::VK_A},         {"C", platform::VK_C},
    {"G", platform::VK_G},           {"M", platform::VK_M},         {"Z", platform::VK_Z},
    {"P", platform::VK_P},           {"N", platform::VK_N},         {"H", platform::VK_H},
    {"FocusLost", platform::VK_FOCUS_LOST}, {"O", platform::VK_O},
}};

int KeyIndexOf(const std::string& keyName)
{
    for (size_t i = 0; i < kKeyNames.size(); ++i) {
        if (keyName == kKeyNames[i].first) return static_cast<int>(i);
    }
    return -1;
}

// How much of a word of the file a message quotes.
constexpr size_t kQuotedChars = 24;
// The most equal readings one "MSxCOUNT" word may stand for.
constexpr long long kMostEqualReadings = 100000;
// A stamp is a few hex digits; no line holds a longer one.
constexpr size_t kMostStampChars = 32;

// A whole decimal number within [least, most]; false for anything else.
bool ReadNumber(const std::string& text, long long least, long long most, long long& out)
{
    if (text.empty() || text.size() > 12 || !std::all_of(text.begin(), text.end(), ::isdigit)) return false;
    out = std::stoll(text);
    return out >= least && out <= most;
}

} // namespace

int KeyTimeline::VirtualKeyOf(const std::string& keyName)
{
    const int index = KeyIndexOf(keyName);
    return index < 0 ? -1 : kKeyNames[static_cast<size_t>(index)].second;
}

std::string KeyTimeline::KeyNameOf(int virtualKey)
{
    for (const auto& [name, vk] : kKeyNames) {
        if (vk == virtualKey) return name;
    }
    return {};
}

// The words of the text line by line, read as they stream: only the word being read is held,
// never its line. A word is kept to its first kWordChars characters: no word of a timeline is
// that long (a frame or a reading has at most 12 digits, a stamp 32 characters), and a message
// quotes fewer.
class KeyTimeline::WordStream {
public:
    enum class Next { Word, EndOfLine, EndOfText, TooLong };

    explicit WordStream(std::istream& in) : mIn(in), mBuffer(in.rdbuf()) {}

    // The next word of the line into `word`; EndOfLine once at the end of each line (a '#' starts
    // a comment that runs to it), EndOfText after the last line. TooLong when the line or the
    // text is longer than a timeline's may be; Failure() then says which, in words.
    Next Read(std::string& word)
    {
        word.clear();
        if (mEndPending) {
            mEndPending = false;
            mLineEnded = true;
            return Next::EndOfLine;
        }
        if (mLineEnded) {
            mLineEnded = false;
            mComment = false;
            mLineBytes = 0;
            ++mLine;
        }
        for (;;) {
            const int c = mBuffer != nullptr ? mBuffer->sbumpc() : std::char_traits<char>::eof();
            if (c == std::char_traits<char>::eof()) {
                mIn.setstate(std::ios::eofbit);
                if (!word.empty()) return Next::Word;
                if (mLineBytes == 0) return Next::EndOfText;
                mLineEnded = true; // a last line without its newline
                return Next::EndOfLine;
            }
            if (++mTotalBytes > kMaxBytes) {
                mFailure = ": longer than " + std::to_string(kMaxBytes) + " bytes; not a key timeline";
                return Next::TooLong;
            }
            if (c == '\n') {
                if (word.empty()) {
                    mLineEnded = true;
                    return Next::EndOfLine;
                }
                mEndPending = true;
                return Next::Word;
            }
            if (++mLineBytes > kMaxLineBytes) {
                mFailure = ":" + std::to_string(mLine) + ": longer than " + std::to_string(kMaxLineBytes) +
                           " bytes; not a line of a key timeline";
                return Next::TooLong;
            }
            if (mComment) continue;
            if (c == '#' || std::isspace(c)) {
                mComment = c == '#';
                if (!word.empty()) return Next::Word;
                continue;
            }
            if (word.size() < kWordChars) word += static_cast<char>(c);
        }
    }
    // Reads the rest of the line; false when it is too long.
    bool SkipLine()
    {
        std::string word;
        Next next = Next::Word;
        while ((next = Read(word)) == Next::Word) {
        }
        return next != Next::TooLong;
    }
    int Line() const { return mLine; }
    // Whether a read met a line or a text longer than they may be, and what Failure then says
    // after the text's name: the line's number and what is too long.
    bool TooLong() const { return !mFailure.empty(); }
    const std::string& Failure() const { return mFailure; }

private:
    // A line is a frame and a few key names, or a clock line of a frame's readings; none is longer.
    static constexpr size_t kMaxLineBytes = 1u << 20;
    static constexpr size_t kWordChars = 64;

    std::istream& mIn;
    std::streambuf* mBuffer = nullptr;
    int mLine = 1;
    size_t mLineBytes = 0;
    size_t mTotalBytes = 0;
    bool mComment = false;
    bool mLineEnded = false;
    bool mEndPending = false; // a word ended at the newline: the end of the line comes next
    std::string mFailure;
};

bool KeyTimeline::ParseClockLine(WordStream& words, std::string& problem)
{
    std::string word;
    long long frame = 0;
    if (words.Read(word) != WordStream::Next::Word || !ReadNumber(word, 0, kLastFrame, frame)) {
        problem = "'clock' needs a frame number (0 to " + std::to_string(kLastFrame) + ")";
        return false;
    }
    WordStream::Next next = WordStream::Next::Word;
    while ((next = words.Read(word)) == WordStream::Next::Word) {
        const auto times = word.find('x');
        long long value = 0;
        long long count = 1;
        if (!ReadNumber(word.substr(0, times), 0, UINT32_MAX, value) ||
            (times != std::string::npos && !ReadNumber(word.substr(times + 1), 1, kMostEqualReadings, count))) {
            problem = Quote(word, kQuotedChars) + " is not a clock reading (MS from 0 to " +
                      std::to_string(UINT32_MAX) + ", or MSxCOUNT with COUNT from 1 to " +
                      std::to_string(kMostEqualReadings) + ")";
            return false;
        }
        // Equal readings of one frame are one entry, however they are written.
        if (!mClockReadings.empty()) {
            ClockReading& last = mClockReadings.back();
            if (last.frame == frame && last.value == value && last.count <= UINT32_MAX - count) {
                last.count += static_cast<uint32_t>(count);
                continue;
            }
        }
        mClockReadings.push_back({static_cast<int32_t>(frame), static_cast<uint32_t>(value), static_cast<uint32_t>(count)});
    }
    return next != WordStream::Next::TooLong;
}

bool KeyTimeline::ParseKeyLine(const std::string& first, WordStream& words, std::string& problem)
{
    long long frame = 0;
    if (!ReadNumber(first, 1, kLastFrame, frame)) {
        problem = Quote(first, kQuotedChars) + " is not a frame number (1 to " + std::to_string(kLastFrame) + ")";
        return false;
    }
    Change change{static_cast<int32_t>(frame), 0};
    std::string key;
    WordStream::Next next = WordStream::Next::Word;
    while ((next = words.Read(key)) == WordStream::Next::Word) {
        const int index = KeyIndexOf(key);
        if (index < 0) {
            problem = "unknown key " + Quote(key, kQuotedChars) + " (Left Right Up Down Space Enter Escape A C G H M N O P Z)";
            return false;
        }
        change.keys = static_cast<uint32_t>(change.keys | (1u << index));
    }
    if (next == WordStream::Next::TooLong) return false;
    // A later line for the frame just read replaces it at once.
    if (!mChanges.empty() && mChanges.back().frame == change.frame) mChanges.back() = change;
    else mChanges.push_back(change);
    return true;
}

bool KeyTimeline::Parse(std::istream& in, const std::string& name, std::string& error)
{
    WordStream words(in);
    std::string first;
    for (WordStream::Next next; (next = words.Read(first)) != WordStream::Next::EndOfText;) {
        if (next == WordStream::Next::EndOfLine) continue;
        std::string problem;
        bool ok = next == WordStream::Next::Word;
        if (ok && (first == "data" || first == "stages")) {
            std::string& stamp = first == "data" ? mDataStamp : mStagesStamp;
            ok = words.Read(stamp) == WordStream::Next::Word && stamp.size() <= kMostStampChars;
            if (!ok) {
                problem = first == "data" ? "'data' needs the stamp of the game data"
                                          : "'stages' needs the stamp of the player's stages";
            }
            ok = ok && words.SkipLine();
        } else if (ok && first == "open") {
            long long count = 0;
            std::string word;
            ok = words.Read(word) == WordStream::Next::Word && ReadNumber(word, 1, kMostOpenStages, count);
            if (!ok) {
                problem = "'open' needs how many of the game's stages were open (1 to " +
                          std::to_string(kMostOpenStages) + ")";
            }
            mOpenStages = static_cast<int>(count);
            ok = ok && words.SkipLine();
        } else if (ok && first == "clock") {
            ok = ParseClockLine(words, problem);
        } else if (ok) {
            ok = ParseKeyLine(first, words, problem);
        }
        if (!ok) {
            error = QuotePath(name) +
                    (words.TooLong() ? words.Failure() : ":" + std::to_string(words.Line()) + ": " + problem);
            return false;
        }
    }
    if (in.bad()) {
        error = QuotePath(name) + ": cannot read the key timeline";
        return false;
    }
    // By frame; of two lines for one frame the later one counts. Lines in order (as every
    // recording writes them) need no sorting.
    const auto byFrame = [](const Change& a, const Change& b) { return a.frame < b.frame; };
    if (!std::is_sorted(mChanges.begin(), mChanges.end(), byFrame)) {
        std::stable_sort(mChanges.begin(), mChanges.end(), byFrame);
        auto last = std::unique(mChanges.rbegin(), mChanges.rend(),
                                [](const Change& a, const Change& b) { return a.frame == b.frame; });
        mChanges.erase(mChanges.begin(), last.base());
    }
    return true;
}

std::vector<int> KeyTimeline::KeysAt(long frame) const
{
    const auto next = std::upper_bound(mChanges.begin(), mChanges.end(), frame,
                                       [](long f, const Change& change) { return f < change.frame; });
    std::vector<int> keys;
    if (next == mChanges.begin()) return keys;
    const uint32_t held = std::prev(next)->keys;
    for (size_t i = 0; i < kKeyNames.size(); ++i) {
        if (held & (1u << i)) keys.push_back(kKeyNames[i].second);
    }
    return keys;
}

long KeyTimeline::EscapeFrame() const
{
    const uint32_t escape = static_cast<uint32_t>(1u << KeyIndexOf("Escape"));
    for (const Change& change : mChanges) {
        if (change.keys & escape) return change.frame;
    }
    return 0;
}
