#include "platform/SdlControllers.h"

#include <algorithm>
#include <cstdio>

#include "platform/Keyboard.h"
#include "platform/TerminalText.h"

namespace platform {

namespace {

// Half way: a resting or slightly worn stick never walks by itself.
constexpr Sint16 kStickPushed = 16384;

} // namespace

int VirtualKeyOfButton(SDL_GameControllerButton button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return VK_LEFT;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return VK_RIGHT;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return VK_UP;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return VK_DOWN;
    case SDL_CONTROLLER_BUTTON_A: return VK_UP; // jump
    case SDL_CONTROLLER_BUTTON_B:
    case SDL_CONTROLLER_BUTTON_X: return VK_SPACE; // bubble
    case SDL_CONTROLLER_BUTTON_Y: return VK_DOWN;  // form change or bubble platform
    case SDL_CONTROLLER_BUTTON_START: return VK_RETURN;
    case SDL_CONTROLLER_BUTTON_BACK: return VK_ESCAPE;
    case SDL_CONTROLLER_BUTTON_GUIDE: return VK_P; // pause
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return VK_M;  // back to the title
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return VK_G; // play again / continue
    default: return -1;
    }
}

SdlControllers::SdlControllers()
{
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) {
        mVirtualKeyOf[static_cast<size_t>(b)] =
            static_cast<int16_t>(VirtualKeyOfButton(static_cast<SDL_GameControllerButton>(b)));
    }
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "zem: no game controllers: %s\n", TerminalText(SDL_GetError(), kLibraryTextShown).c_str());
        return;
    }
    mStarted = true;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) Open(i);
}

SdlControllers::~SdlControllers()
{
    for (SDL_GameController* controller : mControllers) SDL_GameControllerClose(controller);
    if (mStarted) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlControllers::SetInputMap(const InputMap& map)
{
    mVirtualKeyOf.fill(-1);
    mVirtualKeyOf[SDL_CONTROLLER_BUTTON_BACK] = VK_ESCAPE;
    for (const auto& [name, vk] : map.buttons) {
        const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(name.c_str());
        if (button == SDL_CONTROLLER_BUTTON_INVALID || button == SDL_CONTROLLER_BUTTON_BACK || vk < 0 || vk >= 256)
            continue;
        mVirtualKeyOf[static_cast<size_t>(button)] = static_cast<int16_t>(vk);
    }
}

int SdlControllers::VirtualKeyOf(SDL_GameControllerButton button) const
{
    return button >= 0 && button < SDL_CONTROLLER_BUTTON_MAX ? mVirtualKeyOf[static_cast<size_t>(button)] : -1;
}

void SdlControllers::Open(int deviceIndex)
{
    if (!SDL_IsGameController(deviceIndex)) return;
    // A controller that was open at start also announces itself: open it once.
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    for (SDL_GameController* controller : mControllers)
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller)) == id) return;
    if (SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex)) mControllers.push_back(controller);
}

bool SdlControllers::HandleEvent(const SDL_Event& event)
{
    if (!mStarted) return false;
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        Open(event.cdevice.which);
        return false;
    case SDL_CONTROLLERDEVICEREMOVED: {
        const auto gone = std::ranges::find_if(mControllers, [&](SDL_GameController* controller) {
            return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller)) == event.cdevice.which;
        });
        if (gone != mControllers.end()) {
            SDL_GameControllerClose(*gone);
            mControllers.erase(gone);
        }
        return false;
    }
    case SDL_CONTROLLERBUTTONDOWN:
        return VirtualKeyOf(static_cast<SDL_GameControllerButton>(event.cbutton.button)) == VK_ESCAPE;
    default:
        return false;
    }
}

std::bitset<256> SdlControllers::HeldKeys() const
{
    std::bitset<256> held;
    for (SDL_GameController* controller : mControllers) {
        for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) {
            const auto button = static_cast<SDL_GameControllerButton>(b);
            const int vk = VirtualKeyOf(button);
            if (vk >= 0 && SDL_GameControllerGetButton(controller, button)) held.set(static_cast<size_t>(vk));
        }
        const Sint16 x = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
        if (x <= -kStickPushed) held.set(VK_LEFT);
        if (x >= kStickPushed) held.set(VK_RIGHT);
    }
    return held;
}

} // namespace platform
