#pragma once
#include "platform/Keyboard.h"
#include "platform/Window.h"

namespace platform {

// A window without a screen: it ends the loop when the (scripted) Escape key is down.
class HeadlessWindow final : public Window {
public:
    explicit HeadlessWindow(const Keyboard& keyboard) : mKeyboard(keyboard) {}
    bool PumpEvents() override { return !mKeyboard.IsDown(VK_ESCAPE); }
    bool TakeFocusLost() override { return mKeyboard.IsDown(VK_FOCUS_LOST); }

private:
    const Keyboard& mKeyboard;
};

} // namespace platform
