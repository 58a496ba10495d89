#pragma once
#include <bitset>
#include <initializer_list>

#include "platform/Keyboard.h"

namespace platform {

// A keyboard whose keys are set by a script or a test.
class ScriptedKeyboard final : public Keyboard {
public:
    bool IsDown(int virtualKey) const override
    {
        return virtualKey >= 0 && virtualKey < 256 && mDown.test(static_cast<size_t>(virtualKey));
    }
    void Press(int virtualKey) { if (virtualKey >= 0 && virtualKey < 256) mDown.set(static_cast<size_t>(virtualKey)); }
    void Release(int virtualKey) { if (virtualKey >= 0 && virtualKey < 256) mDown.reset(static_cast<size_t>(virtualKey)); }
    void ReleaseAll() { mDown.reset(); }
    void Hold(std::initializer_list<int> keys)
    {
        ReleaseAll();
        for (int k : keys) Press(k);
    }

private:
    std::bitset<256> mDown;
};

} // namespace platform
