#include "app/Bindings.h"

#include <algorithm>
#include <cctype>

#include "app/FontSheet.h"
#include "platform/Keyboard.h"

namespace {

using namespace platform;

constexpr std::array<ActionInfo, kActionCount> kActions = {{
    {"left", VK_LEFT, {"Left", nullptr}, {"dpleft", nullptr}},
    {"right", VK_RIGHT, {"Right", nullptr}, {"dpright", nullptr}},
    {"jump", VK_UP, {"Up", nullptr}, {"a", "dpup"}},
    {"form", VK_DOWN, {"Down", nullptr}, {"y", "dpdown"}},
    {"bubble", VK_SPACE, {"Space", nullptr}, {"b", "x"}},
    {"start", VK_RETURN, {"Return", "Keypad Enter"}, {"start", nullptr}},
    {"pause", VK_P, {"P", nullptr}, {"guide", nullptr}},
    {"title", VK_M, {"M", nullptr}, {"leftshoulder", nullptr}},
    {"again", VK_G, {"G", nullptr}, {"rightshoulder", nullptr}},
    {"next", VK_N, {"N", nullptr}, {nullptr, nullptr}},
    {"ghost", VK_H, {"H", nullptr}, {nullptr, nullptr}},
    {"options", VK_O, {"O", nullptr}, {nullptr, nullptr}},
}};

std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Upper(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool Contains(const std::vector<std::string>& names, const std::string& name)
{
    const std::string wanted = Lower(name);
    return std::ranges::any_of(names, [&](const std::string& n) { return Lower(n) == wanted; });
}

std::optional<Action> ActionUsing(const std::array<std::vector<std::string>, kActionCount>& table,
                                  const std::string& name)
{
    for (int a = 0; a < kActionCount; ++a) {
        if (Contains(table[static_cast<size_t>(a)], name)) return static_cast<Action>(a);
    }
    return std::nullopt;
}

} // namespace

const ActionInfo& InfoOf(Action action)
{
    return kActions[static_cast<size_t>(action)];
}

std::optional<Action> ActionNamed(const std::string& id)
{
    for (int a = 0; a < kActionCount; ++a) {
        if (id == kActions[static_cast<size_t>(a)].id) return static_cast<Action>(a);
    }
    return std::nullopt;
}

Bindings DefaultBindings()
{
    Bindings bindings;
    for (int a = 0; a < kActionCount; ++a) {
        for (const char* key : kActions[static_cast<size_t>(a)].keys)
            if (key != nullptr) bindings.keys[static_cast<size_t>(a)].emplace_back(key);
        for (const char* button : kActions[static_cast<size_t>(a)].buttons)
            if (button != nullptr) bindings.buttons[static_cast<size_t>(a)].emplace_back(button);
    }
    return bindings;
}

std::optional<Action> ActionUsingKey(const Bindings& bindings, const std::string& key)
{
    return ActionUsing(bindings.keys, key);
}

std::optional<Action> ActionUsingButton(const Bindings& bindings, const std::string& button)
{
    return ActionUsing(bindings.buttons, button);
}

bool IsReservedKey(const std::string& key)
{
    const std::string name = Lower(key);
    return name == "escape" || name == "f11";
}

bool IsReservedButton(const std::string& button)
{
    return Lower(button) == "back";
}

platform::InputMap ToInputMap(const Bindings& bindings)
{
    platform::InputMap map;
    map.keys = {{"A", VK_A}, {"C", VK_C}, {"Z", VK_Z}};
    for (int a = 0; a < kActionCount; ++a) {
        const int vk = kActions[static_cast<size_t>(a)].virtualKey;
        for (const std::string& key : bindings.keys[static_cast<size_t>(a)]) map.keys.emplace_back(key, vk);
        for (const std::string& button : bindings.buttons[static_cast<size_t>(a)]) map.buttons.emplace_back(button, vk);
    }
    return map;
}

std::string KeyLabel(const std::string& key, bool arrows)
{
    const std::string name = Lower(key);
    if (arrows) {
        if (name == "left") return kArrowLeft;
        if (name == "right") return kArrowRight;
        if (name == "up") return kArrowUp;
        if (name == "down") return kArrowDown;
    }
    if (name == "return") return "ENTER";
    if (name == "escape") return "ESC";
    if (name.starts_with("keypad ")) return "KP " + Upper(key.substr(7));
    return Upper(key);
}

std::string ButtonLabel(const std::string& button)
{
    static constexpr std::array<std::pair<const char*, const char*>, 11> kNames = {{
        {"back", "BACK"},
        {"guide", "GUIDE"},
        {"start", "START"},
        {"leftstick", "LS"},
        {"rightstick", "RS"},
        {"leftshoulder", "LB"},
        {"rightshoulder", "RB"},
        {"dpup", "D-PAD UP"},
        {"dpdown", "D-PAD DOWN"},
        {"dpleft", "D-PAD LEFT"},
        {"dpright", "D-PAD RIGHT"},
    }};
    const std::string name = Lower(button);
    for (const auto& [id, label] : kNames) {
        if (name == id) return label;
    }
    return Upper(button);
}

std::string FirstKeyLabel(const Bindings& bindings, Action action, bool arrows)
{
    const auto& keys = bindings.Keys(action);
    return keys.empty() ? std::string("-") : KeyLabel(keys.front(), arrows);
}

bool KeysAtDefaults(const Bindings& bindings, std::initializer_list<Action> actions)
{
    static const Bindings kDefaults = DefaultBindings();
    return std::ranges::all_of(actions, [&](Action a) { return bindings.Keys(a) == kDefaults.Keys(a); });
}
