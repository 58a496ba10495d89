#include "KeyTimeline.h"

#include <sstream>

#include "platform/Keyboard.h"

int KeyTimeline::VirtualKeyOf(const std::string& keyName)
{
    static const std::map<std::string, int> names = {
        {"Left", platform::VK_LEFT},     {"Right", platform::VK_RIGHT}, {"Up", platform::VK_UP},
        {"Down", platform::VK_DOWN},     {"Space", platform::VK_SPACE}, {"Enter", platform::VK_RETURN},
        {"Escape", platform::VK_ESCAPE}, {"A", platform::VK_A},         {"C", platform::VK_C},
        {"G", platform::VK_G},           {"M", platform::VK_M},         {"Z", platform::VK_Z},
    };
    const auto found = names.find(keyName);
    return found == names.end() ? -1 : found->second;
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
        std::vector<int> keys;
        for (std::string key; words >> key;) {
            const int vk = VirtualKeyOf(key);
            if (vk < 0) {
                error = name + ":" + std::to_string(lineNumber) + ": unknown key '" + key +
                        "' (Left Right Up Down Space Enter Escape A C G M Z)";
                return false;
            }
            keys.push_back(vk);
        }
        mChanges[frame] = keys;
    }
    if (in.bad()) {
        error = name + ": cannot read the key timeline";
        return false;
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
