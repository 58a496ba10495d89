#pragma once
#include <SDL.h>

// A game controller made of SDL's virtual joystick, which a test plugs in, presses and pulls out.
// It starts SDL's controller support for its lifetime.
class VirtualPad {
public:
    VirtualPad();
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool Plugged() const { return mJoystick != nullptr; }
    void Button(SDL_GameControllerButton button, bool down);
    void StickX(Sint16 value);
    void Unplug();

private:
    SDL_Joystick* mJoystick = nullptr;
};
