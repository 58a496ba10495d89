#pragma once
#include "platform/Audio.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Device.h"
#include "platform/Keyboard.h"
#include "platform/Sprite.h"
#include "platform/Window.h"

namespace platform {

// The services one run of the game uses, borrowed from whoever built them
// (the SDL platform, the headless runner or a test).
struct Platform {
    Window* window = nullptr;
    Device* device = nullptr;
    Sprite* sprite = nullptr;
    Keyboard* keyboard = nullptr;
    Clock* clock = nullptr;
    AudioDevice* audio = nullptr;
    // Key bindings and full screen, changed by the options screen; none: they cannot change.
    Controls* controls = nullptr;
};

} // namespace platform
