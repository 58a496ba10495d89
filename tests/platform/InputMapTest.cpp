// Bindings on the SDL keyboard and controllers: which physical key or button stands for which
// of the game's keys, and the press that the options screen binds.
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/Bindings.h"
#include "app/RunRecorder.h"
#include "platform/Keyboard.h"
#include "platform/ScriptedKeyboard.h"
#include "platform/SdlControllers.h"
#include "platform/SdlSystem.h"
#include "support/VirtualPad.h"

namespace {

using namespace platform;

SDL_Event KeyDown(SDL_Scancode code)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.scancode = code;
    return event;
}

// The virtual keys down after a tap of `code`.
std::bitset<256> AfterTap(SdlKeyboard& keyboard, SDL_Scancode code)
{
    keyboard.NoteEvent(KeyDown(code));
    keyboard.Refresh({});
    std::bitset<256> down;
    for (int vk = 0; vk < 256; ++vk) down[static_cast<size_t>(vk)] = keyboard.IsDown(vk);
    keyboard.Refresh({});
    return down;
}

std::bitset<256> Only(std::initializer_list<int> keys)
{
    std::bitset<256> set;
    for (int k : keys) set.set(static_cast<size_t>(k));
    return set;
}

TEST(InputMapTest, TheKeyboardFollowsTheBindings)
{
    SdlKeyboard keyboard;
    keyboard.SetInputMap(ToInputMap(DefaultBindings()));
    // The defaults are the keys the game always had.
    EXPECT_EQ(AfterTap(keyboard, SDL_SCANCODE_LEFT), Only({VK_LEFT}));
    EXPECT_EQ(AfterTap(keyboard, SDL_SCANCODE_KP_ENTER), Only({VK_RETURN}));
    EXPECT_EQ(AfterTap(keyboard, SDL_SCANCODE_O), Only({VK_O}));
    EXPECT_EQ(AfterTap(keyboard, SDL_SCANCODE_Z), Only({VK_Z}));

    Bindings bindings = DefaultBindings();
    bindings.Keys(Action::WalkLeft) = {"A"}; // takes a testing aid's key over
    bindings.Keys(Action::Jump) = {"Space"};
    bindings.Keys(Action::Bubble) = {"Left Shift"};
    keyboard.SetInputMap(ToInputMap(bindings));
    struct Case {
        SDL_Scancode code;
        std::bitset<256> down;
    };
    const Case cases[] = {
        {SDL_SCANCODE_A, Only({VK_LEFT})},
        {SDL_SCANCODE_LEFT, Only({})}, // the old key no longer walks
        {SDL_SCANCODE_SPACE, Only({VK_UP})},
        {SDL_SCANCODE_UP, Only({})},
        {SDL_SCANCODE_LSHIFT, Only({VK_SPACE})},
        {SDL_SCANCODE_Z, Only({VK_Z})},           // the aids not taken over stay
        {SDL_SCANCODE_ESCAPE, Only({VK_ESCAPE})}, // Escape always quits
        {SDL_SCANCODE_B, Only({})},               // a key bound to nothing means nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(SDL_GetScancodeName(c.code));
        EXPECT_EQ(AfterTap(keyboard, c.code), c.down);
    }
}

// A recording names the game's keys, whichever physical keys stood for them.
TEST(InputMapTest, ARecordingNamesTheGameKeysNotThePhysicalOnes)
{
    SdlKeyboard keyboard;
    Bindings bindings = DefaultBindings();
    bindings.Keys(Action::WalkRight) = {"D"};
    bindings.Keys(Action::Jump) = {"K"};
    keyboard.SetInputMap(ToInputMap(bindings));
    std::ostringstream out;
    CRunRecorder recorder(out, "stamp");
    ScriptedKeyboard seen;
    keyboard.NoteEvent(KeyDown(SDL_SCANCODE_D));
    keyboard.NoteEvent(KeyDown(SDL_SCANCODE_K));
    keyboard.Refresh({});
    for (int vk = 0; vk < 256; ++vk)
        if (keyboard.IsDown(vk)) seen.Press(vk);
    recorder.Keys(1, seen);
    EXPECT_NE(out.str().find("1 Up Right\n"), std::string::npos) << out.str();
}

TEST(InputMapTest, ControllerButtonsFollowTheBindings)
{
    VirtualPad pad;
    ASSERT_TRUE(pad.Plugged()) << SDL_GetError();
    SdlControllers controllers;
    Bindings bindings = DefaultBindings();
    bindings.Buttons(Action::Jump) = {"b"};
    bindings.Buttons(Action::Bubble) = {"a"};
    bindings.Buttons(Action::Options) = {"rightstick"};
    controllers.SetInputMap(ToInputMap(bindings));
    auto pump = [&] {
        bool escape = false;
        SDL_Event event;
        while (SDL_PollEvent(&event)) escape = controllers.HandleEvent(event) || escape;
        return escape;
    };
    pump();
    struct Case {
        SDL_GameControllerButton button;
        std::bitset<256> held;
    };
    const Case cases[] = {
        {SDL_CONTROLLER_BUTTON_B, Only({VK_UP})},   {SDL_CONTROLLER_BUTTON_A, Only({VK_SPACE})},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, Only({})}, // jump's default buttons were replaced
        {SDL_CONTROLLER_BUTTON_X, Only({})},        {SDL_CONTROLLER_BUTTON_RIGHTSTICK, Only({VK_O})},
        {SDL_CONTROLLER_BUTTON_Y, Only({VK_DOWN})}, {SDL_CONTROLLER_BUTTON_BACK, Only({VK_ESCAPE})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(SDL_GameControllerGetStringForButton(c.button));
        pad.Button(c.button, true);
        EXPECT_EQ(pump(), c.button == SDL_CONTROLLER_BUTTON_BACK);
        EXPECT_EQ(controllers.HeldKeys(), c.held);
        pad.Button(c.button, false);
        pump();
    }
}

TEST(InputMapTest, NamesTheGameKnows)
{
    for (const char* key : {"Left", "space", "Keypad Enter", "Left Shift", "F5", ",", "W"})
        EXPECT_TRUE(IsKeyName(key)) << key;
    for (const char* key : {"", "Nope", "Left Shoe"}) EXPECT_FALSE(IsKeyName(key)) << key;
    for (const char* button : {"a", "dpup", "leftshoulder", "paddle1"}) EXPECT_TRUE(IsButtonName(button)) << button;
    for (const char* button : {"", "z", "Left"}) EXPECT_FALSE(IsButtonName(button)) << button;
    EXPECT_EQ(KeyLabel("Return"), "ENTER");
    EXPECT_EQ(KeyLabel("Keypad Enter"), "KP ENTER");
    EXPECT_EQ(KeyLabel("Left Shift"), "LEFT SHIFT");
    EXPECT_EQ(ButtonLabel("leftshoulder"), "LB");
    EXPECT_EQ(ButtonLabel("dpdown"), "D-PAD DOWN");
}

} // namespace
