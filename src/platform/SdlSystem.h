#pragma once
#include <SDL.h>

#include <array>
#include <bitset>
#include <memory>
#include <optional>
#include <string>

#include "platform/Controls.h"
#include "platform/Keyboard.h"
#include "platform/SdlControllers.h"
#include "platform/SdlRender.h"
#include "platform/Window.h"

namespace platform {

enum class StartupFailure {
    None,
    Video,    // the video system cannot start
    Window,   // no window could be made
    Renderer, // neither an accelerated nor the software renderer could be made
};

// How the start-up question about full screen is answered.
enum class FullscreenChoice {
    Ask,        // ZEM_FULLSCREEN=yes|no, or else a message box
    Windowed,   // --windowed, the settings, headless runs
    Fullscreen, // --fullscreen, the settings
};

// The words of the start-up question, in the player's language. The two "always" buttons
// answer and ask for the answer to be kept.
struct FullscreenQuestion {
    std::string caption = "確認";
    std::string text = "フルスクリーンにしますか？";
    std::string yes = "Yes";
    std::string no = "No";
    std::string yesAlways;
    std::string noAlways;
};

struct SdlOptions {
    FullscreenChoice fullscreen = FullscreenChoice::Ask;
    FullscreenQuestion question;
    bool hidden = false;      // no visible window (tests, headless runs)
    bool controllers = true;  // read game controllers (headless runs script their keys)
};

// The keyboard as SDL saw it at the last event pump, by virtual-key code, together with
// the keys the game controllers hold. A key that went down since the last refresh counts as
// held once even if it is already up again, so a tap shorter than a frame is not lost.
// Until the game hands it a map, each key stands for its own code (arrows, Space, Enter,
// Escape, letters, digits); with a map, Escape and the keys of the map alone.
class SdlKeyboard final : public Keyboard {
public:
    SdlKeyboard();
    bool IsDown(int virtualKey) const override
    {
        return virtualKey >= 0 && virtualKey < 256 && mDown.test(static_cast<size_t>(virtualKey));
    }
    // Every event of the pump passes here before the refresh that ends it.
    void NoteEvent(const SDL_Event& event);
    void Refresh(const std::bitset<256>& controllerKeys);
    void SetInputMap(const InputMap& map);
    // The virtual key a scancode stands for now; -1 for none.
    int VirtualKeyOf(SDL_Scancode code) const;

private:
    std::bitset<256> mDown;
    std::bitset<256> mPressedSinceRefresh;
    std::array<int16_t, SDL_NUM_SCANCODES> mVirtualKeyOf{};
};

// SDL itself, the window, the renderer and the sprite: everything the game draws through.
class SdlSystem final : public Window, public Controls {
public:
    // `rememberAnswer`, when given, tells whether the player asked for the start-up answer to be kept.
    static std::unique_ptr<SdlSystem> Create(const SdlOptions& options, StartupFailure& failure, std::string& detail,
                                             bool* rememberAnswer = nullptr);
    ~SdlSystem() override;
    SdlSystem(const SdlSystem&) = delete;
    SdlSystem& operator=(const SdlSystem&) = delete;

    bool PumpEvents() override;
    bool TakeFocusLost() override;
    // Desktop full screen (no cursor) or the window as it was (F11, Alt+Enter, the options).
    void SetFullscreen(bool fullscreen) override;
    bool Fullscreen() const override { return mFullscreen; }
    void SetInputMap(const InputMap& map) override;
    bool TakesPresses() const override { return true; }
    std::optional<PhysicalPress> TakePress() override;

    SdlDevice& Device() { return *mDevice; }
    SdlSprite& Sprite() { return *mSprite; }
    SdlKeyboard& Keyboard() { return mKeyboard; }
    SDL_Window* NativeWindow() const { return mWindow; }
    const SdlControllers* Controllers() const { return mControllers.get(); }

private:
    SdlSystem() = default;
    std::bitset<256> ControllerKeys() const;
    // Makes the real window agree with the size SDL draws for (see the definition).
    void KeepWindowAtDrawnSize();
    void NotePress(const SDL_Event& event);

    SDL_Window* mWindow = nullptr;
    SDL_Renderer* mRenderer = nullptr;
    std::unique_ptr<SdlDevice> mDevice;
    std::unique_ptr<SdlSprite> mSprite;
    SdlKeyboard mKeyboard;
    std::unique_ptr<SdlControllers> mControllers;
    bool mFullscreen = false;
    int mWindowedWidth = 1280; // the window's size before it went full screen
    int mWindowedHeight = 720;
    bool mQuit = false;
    bool mFocusLost = false;
    int mFramesAtWrongSize = 0; // frames in full screen with a window of another size
    std::optional<PhysicalPress> mPress; // the first press of the last pump
};

// An "ERROR" box (also used when no window exists); never fails loudly.
void ShowErrorBox(const std::string& caption, const std::string& text);

} // namespace platform
