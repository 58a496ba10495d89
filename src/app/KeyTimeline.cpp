#include "app/KeyTimeline.h"

#include <algorithm>
#include <sstream>

#include "platform/Keyboard.h"

namespace {

const std::map<std::string, int>& KeyNames()
{
    static const std::map<std::string, int> names = {
        {"Left", platform::VK_LEFT},     {"Right", platform::VK_RIGHT}, {"Up", platform::VK_UP},
        {"Down", platform::VK_DOWN},     {"Space", platform::VK_SPACE}, {"Enter", platform::VK_RETURN},
        {"Escape", platform::VK_ESCAPE}, {"A", platform::VK_A},         {"C", platform::VK_C},
        {"G", platform::VK_G},           {"M", platform::VK_M},         {"Z", platform::VK_Z},
        {"P", platform::VK_P},           {"FocusLost", platform::VK_FOCUS_LOST},
    };
    return names;
}

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
    const auto found = KeyNames().find(keyName);
    return found == KeyNames().end() ? -1 : found->second;
}

std::string KeyTimeline::KeyNameOf(int virtualKey)
{
    for (const auto& [name, vk] : KeyNames()) {
        if (vk == virtualKey) return name;
    }
    return {};
}

bool KeyTimeline::ParseClockLine(std::istringstream& words, std::string& problem)
{
    std::string word;
    long long frame = 0;
    if (!(words >> word) || !ReadNumber(word, 0, 1LL << 40, frame)) {
        problem = "'clock' needs a frame number (0 or more)";
        return false;
    }
    while (words >> word) {
        const auto times = word.find('x');
        long long value = 0;
        long long count = 1;
        if (!ReadNumber(word.substr(0, times), 0, UINT32_MAX, value) ||
            (times != std::string::npos && !ReadNumber(word.substr(times + 1), 1, 100000, count))) {
            problem = "'" + word + "' is not a clock reading (MS or MSxCOUNT)";
            return false;
        }
        for (long long i = 0; i < count; ++i) {
            mClockReadings.push_back({static_cast<long>(frame), static_cast<uint32_t>(value)});
        }
    }
    return true;
}

bool KeyTimeline::Parse(std::istream& in, const std::string& name, std::string& error)
{
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string where = name + ":" + std::to_string(lineNumber) + ": ";
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string first;
        if (!(words >> first)) continue;
        if (first == "data") {
            if (!(words >> mDataStamp)) {
                error = where + "'data' needs the stamp of the game data";
                return false;
            }
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
        if (!ReadNumber(first, 1, 1LL << 40, frame)) {
            error = where + "'" + first + "' is not a frame number (1 or more)";
            return false;
        }
        std::vector<int> keys;
        for (std::string key; words >> key;) {
            const int vk = VirtualKeyOf(key);
            if (vk < 0) {
                error = where + "unknown key '" + key + "' (Left Right Up Down Space Enter Escape A C G M P Z)";
                return false;
            }
            keys.push_back(vk);
        }
        mChanges[static_cast<long>(frame)] = keys;
    }
    return true;
}

const std::vector<int>& KeyTimeline::KeysAt(long frame) const
{
    static const std::vector<int> none;
    auto next = mChanges.upper_bound(frame);
    if (next == mChanges.begin()) return none;
    return std::prev(next)->second;
}

long KeyTimeline::EscapeFrame() const
{
    for (const auto& [frame, keys] : mChanges) {
        if (std::find(keys.begin(), keys.end(), platform::VK_ESCAPE) != keys.end()) return frame;
    }
    return 0;
}
