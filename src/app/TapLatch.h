#pragma once
#include <bitset>

#include "app/FrameInput.h"

// The rules' presses: one flag per virtual-key code, all clear when a run begins. A test of a
// held key whose flag is clear sets it and reports a press; a test of a key that is up clears
// its flag. A flag changes only when its key is tested, so holding a key never repeats and a
// key tested twice in one frame is pressed at most once. The latch belongs to the run (a stage
// snapshot copies it); the frame's input itself is never changed by a test.
class TapLatch {
public:
    bool Test(const FrameInput& input, int virtualKey);
    bool operator==(const TapLatch&) const = default;

private:
    std::bitset<FrameInput::kKeyCount> mFlags;
};
