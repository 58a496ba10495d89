#pragma once
#include <SDL.h>

#include <array>
#include <bitset>
#include <vector>

#include "platform/Controls.h"

namespace platform {

// The game controllers plugged in, read as the keys they stand for. Buttons and the d-pad
// become virtual-key codes, the left stick pushed past half way becomes Left or Right, so
// the game's own edge rules apply to a button exactly as to its key.
class SdlControllers {
public:
    // Starts SDL's controller support and opens every controller already plugged in. Without
    // controller support the game goes on with the keyboard (one line says so).
    SdlControllers();
    ~SdlControllers();
    SdlControllers(const SdlControllers&) = delete;
    SdlControllers& operator=(const SdlControllers&) = delete;

    // Opens a controller plugged in during play, closes one pulled out. True when the event
    // is a press of the button that stands for Escape.
    bool HandleEvent(const SDL_Event& event);

    // The virtual keys held on any controller now.
    std::bitset<256> HeldKeys() const;

    size_t Count() const { return mControllers.size(); }

    // From now on Back and the buttons of the map alone mean anything (Back always quits).
    void SetInputMap(const InputMap& map);

private:
    void Open(int deviceIndex);
    int VirtualKeyOf(SDL_GameControllerButton button) const;

    std::vector<SDL_GameController*> mControllers;
    bool mStarted = false;
    // Each button's virtual key; until a map is set, VirtualKeyOfButton's.
    std::array<int16_t, SDL_CONTROLLER_BUTTON_MAX> mVirtualKeyOf{};
};

// The virtual key a controller button stands for before the game's settings; -1 for a button
// without a meaning.
int VirtualKeyOfButton(SDL_GameControllerButton button);

} // namespace platform
