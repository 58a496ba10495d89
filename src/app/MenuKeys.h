#pragma once
#include <bitset>

#include "app/FrameInput.h"

// Presses as one menu sees them: it keeps the keys it saw down at its last look, so reading them
// leaves the rules' press flags (the run's TapLatch) as they were, and a key already held when
// the menu starts looking is no press until it is let go.
class CMenuKeys {
public:
    // Takes the keys held now as already seen.
    void Prime(const FrameInput& input);
    // Once a frame, before Pressed.
    void Update(const FrameInput& input);
    // Down now and not at the last look.
    bool Pressed(int virtualKey) const;

private:
    std::bitset<256> mDown;
    std::bitset<256> mWasDown;
};
