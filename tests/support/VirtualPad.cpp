#include "support/VirtualPad.h"

VirtualPad::VirtualPad()
{
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "test pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index >= 0) mJoystick = SDL_JoystickOpen(index);
}

VirtualPad::~VirtualPad()
{
    Unplug();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void VirtualPad::Button(SDL_GameControllerButton button, bool down)
{
    SDL_JoystickSetVirtualButton(mJoystick, button, down ? 1 : 0);
}

void VirtualPad::StickX(Sint16 value)
{
    SDL_JoystickSetVirtualAxis(mJoystick, SDL_CONTROLLER_AXIS_LEFTX, value);
}

void VirtualPad::Unplug()
{
    if (mJoystick == nullptr) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(mJoystick);
    SDL_JoystickClose(mJoystick);
    mJoystick = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
}
