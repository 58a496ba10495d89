#include "KeyTimeline.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <utility>

#include "platform/Keyboard.h"

namespace {

constexpr std::array<std::pair<const char*, int>, 12> kKeyNames = {{
    {"Left", platform::VK_LEFT},   {"Right", platform::VK_RIGHT}, {"Up", platform::VK_UP},
    {"Down", platform::VK_DOWN},   {"Space", platform::VK_SPACE}, {"Enter", platform::VK_RETURN},
    {"Escape", platform::VK_ESCAPE}, {"A", platform::VK_A},       {"C", platform::VK_C},
    {"G", platform::VK_G},         {"M", platform::VK_M},         {"Z", platform::VK_Z},
}};

int KeyIndexOf(const std::string& keyName)
{
    for (size_t i = 0; i < kKeyNames.size(); ++i) {
        if (keyName == kKeyNames[i].first) return static_cast<int>(i);
    }
    return -1;
}

} // namespace

int KeyTimeline::VirtualKeyOf(const std::string& keyName)
{
    const int index = KeyIndexOf(keyName);
    return index < 0 ? -1 : kKeyNames[static_cast<size_t>(index)].second;
}

bool KeyTimeline::Parse(std::istream& in, const std::string& name, std::string& error)
{
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string first;
        if (!(words >> first)) continue;
        long frame = 0;
        try {
            size_t used = 0;
            frame = std::stol(first, &used);
            if (used != first.size() || frame < 1) throw std::invalid_argument(first);
        } catch (const std::exception&) {
            error = name + ":" + std::to_string(lineNumber) + ": '" + first + "' is not a frame number (1 or more)";
            return false;
        }
        Change change{frame, 0};
        for (std::string key; words >> key;) {
            const int index = KeyIndexOf(key);
            if (index < 0) {
                error = name + ":" + std::to_string(lineNumber) + ": unknown key '" + key +
                        "' (Left Right Up Down Space Enter Escape A C G M Z)";
                return false;
            }
            change.keys = static_cast<uint16_t>(change.keys | (1u << index));
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
    const uint16_t held = std::prev(next)->keys;
    for (size_t i = 0; i < kKeyNames.size(); ++i) {
        if (held & (1u << i)) keys.push_back(kKeyNames[i].second);
    }
    return keys;
}
