// Game controllers through SDL's virtual joystick: each button stands for its key.
#include <SDL.h>
#include <gtest/gtest.h>

#include <bitset>

#include "app/FrameInput.h"
#include "app/TapLatch.h"
#include "platform/SdlControllers.h"
#include "platform/SdlSystem.h"
#include "support/VirtualPad.h"

namespace {

using platform::VK_DOWN;
using platform::VK_ESCAPE;
using platform::VK_G;
using platform::VK_LEFT;
using platform::VK_M;
using platform::VK_RETURN;
using platform::VK_RIGHT;
using platform::VK_SPACE;
using platform::VK_UP;

// Handles every waiting event as the window's pump does; true when Escape's button was pressed.
bool Pump(platform::SdlControllers& controllers)
{
    bool escape = false;
    SDL_Event event;
    while (SDL_PollEvent(&event)) escape = controllers.HandleEvent(event) || escape;
    return escape;
}

std::bitset<256> Keys(std::initializer_list<int> keys)
{
    std::bitset<256> held;
    for (int key : keys) held.set(static_cast<size_t>(key));
    return held;
}

TEST(SdlControllersTest, EachButtonAndTheStickHoldTheirKey)
{
    VirtualPad pad; // plugged in before the game starts
    ASSERT_TRUE(pad.Plugged()) << SDL_GetError();
    platform::SdlControllers controllers;
    Pump(controllers);
    ASSERT_EQ(controllers.Count(), 1u);

    struct Case {
        SDL_GameControllerButton button;
        std::bitset<256> keys;
    };
    const Case cases[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, Keys({VK_LEFT})},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, Keys({VK_RIGHT})},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, Keys({VK_UP})},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, Keys({VK_DOWN})},
        {SDL_CONTROLLER_BUTTON_A, Keys({VK_UP})},
        {SDL_CONTROLLER_BUTTON_B, Keys({VK_SPACE})},
        {SDL_CONTROLLER_BUTTON_X, Keys({VK_SPACE})},
        {SDL_CONTROLLER_BUTTON_Y, Keys({VK_DOWN})},
        {SDL_CONTROLLER_BUTTON_START, Keys({VK_RETURN})},
        {SDL_CONTROLLER_BUTTON_BACK, Keys({VK_ESCAPE})},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, Keys({VK_M})},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, Keys({VK_G})},
        // Guide pauses; the stick clicks mean nothing (yet).
        {SDL_CONTROLLER_BUTTON_GUIDE, Keys({platform::VK_P})},
        {SDL_CONTROLLER_BUTTON_LEFTSTICK, Keys({})},
        {SDL_CONTROLLER_BUTTON_RIGHTSTICK, Keys({})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(SDL_GameControllerGetStringForButton(c.button));
        pad.Button(c.button, true);
        const bool escape = Pump(controllers);
        EXPECT_EQ(controllers.HeldKeys(), c.keys);
        EXPECT_EQ(escape, c.keys.test(VK_ESCAPE));
        pad.Button(c.button, false);
        Pump(controllers);
        EXPECT_EQ(controllers.HeldKeys(), Keys({}));
    }

    struct StickCase {
        Sint16 x;
        std::bitset<256> keys;
    };
    const StickCase sticks[] = {
        {-32768, Keys({VK_LEFT})}, {-16384, Keys({VK_LEFT})}, {-16383, Keys({})}, {0, Keys({})},
        {16383, Keys({})},         {16384, Keys({VK_RIGHT})}, {32767, Keys({VK_RIGHT})},
    };
    for (const StickCase& s : sticks) {
        SCOPED_TRACE(s.x);
        pad.StickX(s.x);
        Pump(controllers);
        EXPECT_EQ(controllers.HeldKeys(), s.keys);
    }
}

TEST(SdlControllersTest, AControllerPluggedInDuringPlayWorksUntilPulledOut)
{
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    platform::SdlControllers controllers;
    Pump(controllers);
    EXPECT_EQ(controllers.Count(), 0u);
    {
        VirtualPad pad;
        ASSERT_TRUE(pad.Plugged()) << SDL_GetError();
        Pump(controllers);
        ASSERT_EQ(controllers.Count(), 1u);
        pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
        pad.Button(SDL_CONTROLLER_BUTTON_A, true);
        Pump(controllers);
        EXPECT_EQ(controllers.HeldKeys(), Keys({VK_RIGHT, VK_UP}));
        pad.Unplug();
        Pump(controllers);
        EXPECT_EQ(controllers.Count(), 0u);
        EXPECT_EQ(controllers.HeldKeys(), Keys({}));
    }
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

// A button is a key to the game's edge table: held is not pressed again, two buttons of the
// same key are one key, and the keyboard and the controller share the key's flag.
TEST(SdlControllersTest, ButtonsFollowTheKeyEdgeRules)
{
    VirtualPad pad;
    ASSERT_TRUE(pad.Plugged()) << SDL_GetError();
    platform::SdlControllers controllers;
    platform::SdlKeyboard keyboard;
    TapLatch latch;
    auto pressed = [&](int vk) { return latch.Test(FrameInput::Read(&keyboard), vk); };
    auto frame = [&] {
        Pump(controllers);
        keyboard.Refresh(controllers.HeldKeys());
    };

    frame();
    EXPECT_FALSE(pressed(VK_SPACE));
    pad.Button(SDL_CONTROLLER_BUTTON_X, true);
    frame();
    EXPECT_TRUE(keyboard.IsDown(VK_SPACE));
    EXPECT_TRUE(pressed(VK_SPACE));
    frame();
    EXPECT_FALSE(pressed(VK_SPACE)); // held
    // B taken over from X without a gap: still the same held key.
    pad.Button(SDL_CONTROLLER_BUTTON_B, true);
    frame();
    pad.Button(SDL_CONTROLLER_BUTTON_X, false);
    frame();
    EXPECT_FALSE(pressed(VK_SPACE));
    pad.Button(SDL_CONTROLLER_BUTTON_B, false);
    frame();
    EXPECT_FALSE(pressed(VK_SPACE));
    pad.Button(SDL_CONTROLLER_BUTTON_B, true);
    frame();
    EXPECT_TRUE(pressed(VK_SPACE));
}

} // namespace
