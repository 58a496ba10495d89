#include "app/KeyTimeline.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <utility>

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

// A whole decimal number within [least, most]; false for anything else.
// A word of the file as a message quotes it: at most 24 characters, control characters as '?'.
std::string Quote(const std::string& word)
{
    std::string text;
    for (const char c : word.substr(0, 24)) text += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    if (word.size() > 24) text += "...";
    return "'" + text + "'";
}

// A line is a frame and a few key names, or a clock line of a frame's readings; none is longer.
constexpr size_t kMaxLineBytes = 1u << 20;

// Reads one line into `line`, keeping no more than the bound (`tooLong` says it was longer);
// false at the end of the text.
bool ReadLine(std::istream& in, std::string& line, bool& tooLong)
{
    line.clear();
    tooLong = false;
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr) return false;
    for (int c = buffer->sbumpc();; c = buffer->sbumpc()) {
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            return !line.empty() || tooLong;
        }
        if (c == '\n') return true;
        if (line.size() < kMaxLineBytes) line += static_cast<char>(c);
        else tooLong = true;
    }
}

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

bool KeyTimeline::ParseClockLine(std::istringstream& words, std::string& problem)
{
    std::string word;
    long long frame = 0;
    if (!(words >> word) || !ReadNumber(word, 0, kLastFrame, frame)) {
        problem = "'clock' needs a frame number (0 or more)";
        return false;
    }
    while (words >> word) {
        const auto times = word.find('x');
        long long value = 0;
        long long count = 1;
        if (!ReadNumber(word.substr(0, times), 0, UINT32_MAX, value) ||
            (times != std::string::npos && !ReadNumber(word.substr(times + 1), 1, 100000, count))) {
            problem = Quote(word) + " is not a clock reading (MS or MSxCOUNT)";
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
    return true;
}

bool KeyTimeline::Parse(std::istream& in, const std::string& name, std::string& error)
{
    std::string line;
    int lineNumber = 0;
    size_t bytes = 0;
    bool tooLong = false;
    while (ReadLine(in, line, tooLong)) {
        ++lineNumber;
        bytes += line.size() + 1;
        if (tooLong) {
            error = name + ":" + std::to_string(lineNumber) + ": longer than " + std::to_string(kMaxLineBytes) +
                    " bytes; not a line of a key timeline";
            return false;
        }
        if (bytes > kMaxBytes) {
            error = name + ": longer than " + std::to_string(kMaxBytes) + " bytes; not a key timeline";
            return false;
        }
        const std::string where = name + ":" + std::to_string(lineNumber) + ": ";
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string first;
        if (!(words >> first)) continue;
        if (first == "data") {
            if (!(words >> mDataStamp) || mDataStamp.size() > 32) {
                error = where + "'data' needs the stamp of the game data";
                return false;
            }
            continue;
        }
        if (first == "open") {
            long long count = 0;
            std::string word;
            if (!(words >> word) || !ReadNumber(word, 1, 1000, count)) {
                error = where + "'open' needs how many of the game's stages were open (1 or more)";
                return false;
            }
            mOpenStages = static_cast<int>(count);
            continue;
        }
        if (first == "clock") {
            std::string problem;
            if (!ParseClockLine(words, problem)) {
                error = where + problem;
                return false;
            }
            continue;
        }
        long long frame = 0;
        if (!ReadNumber(first, 1, kLastFrame, frame)) {
            error = where + Quote(first) + " is not a frame number (1 or more)";
            return false;
        }
        Change change{static_cast<int32_t>(frame), 0};
        for (std::string key; words >> key;) {
            const int index = KeyIndexOf(key);
            if (index < 0) {
                error = where + "unknown key " + Quote(key) + " (Left Right Up Down Space Enter Escape A C G H M N O P Z)";
                return false;
            }
            change.keys = static_cast<uint32_t>(change.keys | (1u << index));
        }
        mChanges.push_back(change);
    }
    if (in.bad()) {
        error = name + ": cannot read the key timeline";
        return false;
    }
    // By frame; of two lines for one frame the later one counts.
    std::stable_sort(mChanges.begin(), mChanges.end(), [](const Change& a, const Change& b) { return a.frame < b.frame; });
    auto last = std::unique(mChanges.rbegin(), mChanges.rend(),
                            [](const Change& a, const Change& b) { return a.frame == b.frame; });
    mChanges.erase(mChanges.begin(), last.base());
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
