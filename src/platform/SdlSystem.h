#pragma once
#include <SDL.h>

#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/Keyboard.h"
#include "platform/SdlRender.h"
#include "platform/Window.h"

namespace platform {

enum class StartupFailure {
    None,
    Video,    // the video system cannot start
    Window,   // no window could be made
    Renderer, // neither an accelerated nor the software renderer could be made
};

struct SdlOptions {
    bool askFullscreen = true; // false: windowed without asking (headless runs)
    bool hidden = false;       // no visible window (tests, headless runs)
};

// The keyboard as SDL saw it at the last event pump, by virtual-key code.
class SdlKeyboard final : public Keyboard {
public:
    bool IsDown(int virtualKey) const override
    {
        return virtualKey >= 0 && virtualKey < 256 && mDown[virtualKey];
    }
    void Refresh();

private:
    bool mDown[256] = {};
};

class SdlClock final : public Clock {
public:
    uint32_t Now() override { return SDL_GetTicks(); }
    void Sleep(uint32_t milliseconds) override { SDL_Delay(milliseconds); }
};

// SDL itself, the window, the renderer and the sprite: everything the game draws through.
class SdlSystem final : public Window {
public:
    static std::unique_ptr<SdlSystem> Create(const SdlOptions& options, StartupFailure& failure, std::string& detail);
    ~SdlSystem() override;
    SdlSystem(const SdlSystem&) = delete;
    SdlSystem& operator=(const SdlSystem&) = delete;

    bool PumpEvents() override;

    SdlDevice& Device() { return *mDevice; }
    SdlSprite& Sprite() { return *mSprite; }
    SdlKeyboard& Keyboard() { return mKeyboard; }
    bool Fullscreen() const { return mFullscreen; }
    SDL_Window* NativeWindow() const { return mWindow; }

private:
    SdlSystem() = default;

    SDL_Window* mWindow = nullptr;
    SDL_Renderer* mRenderer = nullptr;
    std::unique_ptr<SdlDevice> mDevice;
    std::unique_ptr<SdlSprite> mSprite;
    SdlKeyboard mKeyboard;
    bool mFullscreen = false;
    bool mQuit = false;
};

// An "ERROR" box (also used when no window exists); never fails loudly.
void ShowErrorBox(const std::string& caption, const std::string& text);

} // namespace platform
