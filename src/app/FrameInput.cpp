#include "app/FrameInput.h"

#include "platform/Keyboard.h"

FrameInput FrameInput::Read(const platform::Keyboard* keyboard)
{
    FrameInput input;
    if (keyboard == nullptr) return input;
    for (int vk = 0; vk < kKeyCount; ++vk) {
        if (keyboard->IsDown(vk)) input.mHeld.set(static_cast<size_t>(vk));
    }
    return input;
}

bool FrameInput::Held(int virtualKey) const
{
    return virtualKey >= 0 && virtualKey < kKeyCount && mHeld.test(static_cast<size_t>(virtualKey));
}

void FrameInput::Hold(int virtualKey)
{
    if (virtualKey >= 0 && virtualKey < kKeyCount) mHeld.set(static_cast<size_t>(virtualKey));
}
