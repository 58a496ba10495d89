#include "platform/Controls.h"

#include <SDL.h>

// SDL's own names, known without a window or SDL_Init, so that reading the settings file needs
// nothing else of the platform.
namespace platform {

namespace {

// SDL reads a name only as far as a NUL byte, so "Space" followed by a NUL and more would name
// Space while comparing unequal to it: a settings file could bind one key to two actions.
bool Whole(const std::string& name)
{
    return !name.empty() && name.find('\0') == std::string::npos;
}

} // namespace

bool IsKeyName(const std::string& name)
{
    return Whole(name) && SDL_GetScancodeFromName(name.c_str()) != SDL_SCANCODE_UNKNOWN;
}

bool IsButtonName(const std::string& name)
{
    return Whole(name) && SDL_GameControllerGetButtonFromString(name.c_str()) != SDL_CONTROLLER_BUTTON_INVALID;
}

} // namespace platform
