#include "app/Keys.h"

#include <array>
#include <cstddef>

namespace {
const platform::Keyboard* gKeyboard = nullptr;
std::array<bool, 256> gPressedFlags{};
} // namespace

void SetKeyboard(const platform::Keyboard* keyboard)
{
    gKeyboard = keyboard;
}

const platform::Keyboard* CurrentKeyboard()
{
    return gKeyboard;
}

bool IsKeyDown(int virtualKey)
{
    return gKeyboard != nullptr && gKeyboard->IsDown(virtualKey);
}

bool IsKeyPressed(int virtualKey)
{
    if (virtualKey < 0 || virtualKey >= 256) return false;
    bool& flag = gPressedFlags[static_cast<size_t>(virtualKey)];
    if (IsKeyDown(virtualKey)) {
        if (flag) return false;
        flag = true;
        return true;
    }
    flag = false;
    return false;
}

void ResetKeyPressed()
{
    gPressedFlags.fill(false);
}
