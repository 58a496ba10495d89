#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// Which physical keys and controller buttons stand for which virtual keys, by name: keys by
// their names on the keyboard ("Left", "Space", "W", "Keypad Enter"), buttons by the
// controller names ("a", "dpup", "leftshoulder"). A name the platform does not know is skipped.
struct InputMap {
    std::vector<std::pair<std::string, int>> keys;
    std::vector<std::pair<std::string, int>> buttons;
};

// A key or button pressed since the last frame, by the same names as InputMap.
struct PhysicalPress {
    enum class Kind { Key, Button };
    Kind kind = Kind::Key;
    std::string name;
};

// What the options screen changes on the machine: which keys and buttons stand for the
// game's keys, and full screen. A run that has no keyboard of its own (scripted, recorded or
// replayed) takes no presses, so whatever it does stays replayable.
class Controls {
public:
    virtual ~Controls() = default;
    virtual void SetInputMap(const InputMap&) {}
    virtual bool TakesPresses() const { return false; }
    // The first key or button pressed since the last frame, once.
    virtual std::optional<PhysicalPress> TakePress() { return std::nullopt; }
    virtual bool Fullscreen() const { return false; }
    virtual void SetFullscreen(bool) {}
};

// Whether the name is one of the platform's key or button names (case does not matter).
bool IsKeyName(const std::string& name);
bool IsButtonName(const std::string& name);

} // namespace platform
