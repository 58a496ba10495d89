#include "platform/Controls.h"

#include <SDL.h>

// SDL's own names, known without a window or SDL_Init, so that reading the settings file needs
// nothing else of the platform.
namespace platform {

bool IsKeyName(const std::string& name)
{
    return !name.empty() && SDL_GetScancodeFromName(name.c_str()) != SDL_SCANCODE_UNKNOWN;
}

bool IsButtonName(const std::string& name)
{
    return !name.empty() && SDL_GameControllerGetButtonFromString(name.c_str()) != SDL_CONTROLLER_BUTTON_INVALID;
}

} // namespace platform
