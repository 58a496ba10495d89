#pragma once

namespace platform {

// Virtual-key codes the game reads.
enum VirtualKey : int {
    VK_RETURN = 13,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_A = 65,
    VK_C = 67,
    VK_G = 71,
    VK_H = 72, // the ghost on or off, on the pause screen (the game's own addition)
    VK_M = 77,
    VK_N = 78, // the next stage, on the result screen (the game's own addition)
    VK_O = 79, // the options, from the title and the pause screen (the game's own addition)
    VK_P = 80, // pause (the game's own addition)
    VK_Z = 90,
    // Not a key: set in a recorded or scripted run for the frame in which the window lost the
    // focus, so that a replay pauses where the run paused.
    VK_FOCUS_LOST = 255,
};

// The keyboard as read once per frame.
class Keyboard {
public:
    virtual ~Keyboard() = default;
    virtual bool IsDown(int virtualKey) const = 0;
};

} // namespace platform
