// The press the options screen binds, as the window's event pump names it.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/SdlSystem.h"

namespace {

void PushKey(SDL_Scancode code, Uint16 mod = KMOD_NONE)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.scancode = code;
    event.key.keysym.mod = mod;
    SDL_PushEvent(&event);
}

TEST(PressTest, TheFirstKeyOfAFrameByItsNameOnce)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    platform::StartupFailure failure = platform::StartupFailure::None;
    std::string detail;
    platform::SdlOptions options;
    options.fullscreen = platform::FullscreenChoice::Windowed;
    options.hidden = true;
    options.controllers = false;
    auto system = platform::SdlSystem::Create(options, failure, detail);
    ASSERT_TRUE(system) << detail;
    EXPECT_TRUE(system->TakesPresses());

    PushKey(SDL_SCANCODE_KP_4);
    PushKey(SDL_SCANCODE_W);
    system->PumpEvents();
    const auto press = system->TakePress();
    ASSERT_TRUE(press);
    EXPECT_EQ(press->kind, platform::PhysicalPress::Kind::Key);
    EXPECT_EQ(press->name, "Keypad 4");
    EXPECT_TRUE(platform::IsKeyName(press->name)) << "a name the settings file takes back";
    EXPECT_FALSE(system->TakePress()) << "taken once";

    // Alt+Enter switches full screen and is no press; nothing pressed in a frame, nothing taken.
    PushKey(SDL_SCANCODE_RETURN, KMOD_LALT);
    system->PumpEvents();
    EXPECT_FALSE(system->TakePress());
    system->PumpEvents();
    EXPECT_FALSE(system->TakePress());
}

} // namespace
