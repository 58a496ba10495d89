// Kept apart: Xlib's headers define macros (None, Status, ...) that clash with the game's names.
#include "platform/X11Window.h"

#include <SDL_syswm.h>

namespace platform {

#if defined(SDL_VIDEO_DRIVER_X11) && defined(ZEM_HAVE_X11)

namespace {

bool X11Handles(SDL_Window* window, Display*& display, ::Window& handle)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return false;
    display = info.info.x11.display;
    handle = info.info.x11.window;
    return true;
}

} // namespace

bool X11WindowSize(SDL_Window* window, int& width, int& height)
{
    Display* display = nullptr;
    ::Window handle = 0;
    if (!X11Handles(window, display, handle)) return false;
    XWindowAttributes real{};
    if (XGetWindowAttributes(display, handle, &real) == 0) return false;
    width = real.width;
    height = real.height;
    return true;
}

bool X11MoveResizeWindow(SDL_Window* window, const SDL_Rect& place)
{
    Display* display = nullptr;
    ::Window handle = 0;
    if (!X11Handles(window, display, handle) || place.w <= 0 || place.h <= 0) return false;
    XMoveResizeWindow(display, handle, place.x, place.y, static_cast<unsigned>(place.w), static_cast<unsigned>(place.h));
    XFlush(display);
    return true;
}

#else

bool X11WindowSize(SDL_Window*, int&, int&)
{
    return false;
}

bool X11MoveResizeWindow(SDL_Window*, const SDL_Rect&)
{
    return false;
}

#endif

} // namespace platform
