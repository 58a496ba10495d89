#pragma once

namespace platform {

// The window and its event queue.
class Window {
public:
    virtual ~Window() = default;
    // Handles every waiting event; false once the window was closed or Escape pressed.
    virtual bool PumpEvents() = 0;
    // True once after the window lost the input focus (the stage pauses itself then).
    virtual bool TakeFocusLost() { return false; }
};

} // namespace platform
