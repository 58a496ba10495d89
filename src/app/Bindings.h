#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/Controls.h"

// The player's actions that keys and controller buttons can be bound to. The game's rules read
// each action as the virtual key it always had (Jump is Up, Bubble is Space, ...), so recordings
// and key timelines, which name those keys, mean the same whatever the bindings.
enum class Action : int {
    WalkLeft,
    WalkRight,
    Jump,
    Form,
    Bubble,
    Start,
    Pause,
    Title,
    Again,
    Next,
    Ghost,
    Options,
    Count,
};
inline constexpr int kActionCount = static_cast<int>(Action::Count);

struct ActionInfo {
    const char* id; // its name in the settings file
    int virtualKey;
    std::array<const char*, 2> keys;    // the defaults, by key name (nullptr: none)
    std::array<const char*, 2> buttons; // the defaults, by controller button name
};
const ActionInfo& InfoOf(Action action);
std::optional<Action> ActionNamed(const std::string& id);

// Which keys and buttons stand for each action.
struct Bindings {
    std::array<std::vector<std::string>, kActionCount> keys;
    std::array<std::vector<std::string>, kActionCount> buttons;

    std::vector<std::string>& Keys(Action a) { return keys[static_cast<size_t>(a)]; }
    const std::vector<std::string>& Keys(Action a) const { return keys[static_cast<size_t>(a)]; }
    std::vector<std::string>& Buttons(Action a) { return buttons[static_cast<size_t>(a)]; }
    const std::vector<std::string>& Buttons(Action a) const { return buttons[static_cast<size_t>(a)]; }
    bool operator==(const Bindings&) const = default;
};

Bindings DefaultBindings();

// The action a key or button already stands for (names compare without regard to case).
std::optional<Action> ActionUsingKey(const Bindings& bindings, const std::string& key);
std::optional<Action> ActionUsingButton(const Bindings& bindings, const std::string& button);

// Keys and buttons that keep their meaning whatever the bindings: Escape and the controller's
// Back quit, F11 switches full screen.
bool IsReservedKey(const std::string& key);
bool IsReservedButton(const std::string& button);

// What the platform maps: the testing aids (A, C, Z) first, so that a player's binding of one
// of those keys takes it over, then every binding.
platform::InputMap ToInputMap(const Bindings& bindings);

// How a key or button is named on the screen, in the game's upper-case lettering. With
// `arrows`, the arrow keys are drawn as arrows (TextDrawing's glyphs).
std::string KeyLabel(const std::string& key, bool arrows = false);
std::string ButtonLabel(const std::string& button);
// The first key of an action as KeyLabel names it; "-" when it has none.
std::string FirstKeyLabel(const Bindings& bindings, Action action, bool arrows = false);
// Whether every listed action keeps its default keys (the screens' pictures name those).
bool KeysAtDefaults(const Bindings& bindings, std::initializer_list<Action> actions);
