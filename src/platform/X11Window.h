#pragma once
#include <SDL.h>

namespace platform {

// The X server's own idea of an SDL window, which can differ from SDL's (full screen without a
// window manager). Both do nothing and answer false when the window is not an X window.
bool X11WindowSize(SDL_Window* window, int& width, int& height);
bool X11MoveResizeWindow(SDL_Window* window, const SDL_Rect& place);

} // namespace platform
