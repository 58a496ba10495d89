#pragma once
#include <bitset>

namespace platform {
class Keyboard;
}

// What the player does in one frame: the keys the rules know (virtual-key codes, after the
// bindings) that are held, read once as the frame begins and handed to the scene as a value.
// Reading it changes nothing; presses are the run's TapLatch's business.
class FrameInput {
public:
    static constexpr int kKeyCount = 256;

    // The keys down on `keyboard` now; none without one.
    static FrameInput Read(const platform::Keyboard* keyboard);

    bool Held(int virtualKey) const;
    // Holds a key in this frame's input (scripted runs, the solver, tests).
    void Hold(int virtualKey);
    bool operator==(const FrameInput&) const = default;

private:
    std::bitset<kKeyCount> mHeld;
};
