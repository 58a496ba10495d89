// The keyboard as the game reads it once a frame, fed with synthetic key events: SDL's own key
// state never sees them, exactly as with a tap that is over before the frame reads the state.
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/FrameInput.h"
#include "app/TapLatch.h"
#include "platform/SdlSystem.h"

namespace {

using namespace platform;

SDL_Event Key(Uint32 type, SDL_Scancode code, Uint16 mod = KMOD_NONE, Uint8 repeat = 0)
{
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat;
    event.key.keysym.scancode = code;
    event.key.keysym.mod = mod;
    return event;
}

TEST(SdlKeyboardTest, ATapBetweenTwoFramesIsHeldForOneFrameAndPressedOnce)
{
    SdlKeyboard keyboard;
    TapLatch latch;
    auto pressed = [&](int vk) { return latch.Test(FrameInput::Read(&keyboard), vk); };
    keyboard.Refresh({});
    EXPECT_FALSE(pressed(VK_SPACE));

    // Down and up in one pump, as a macro pad sends them.
    keyboard.NoteEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_SPACE));
    keyboard.NoteEvent(Key(SDL_KEYUP, SDL_SCANCODE_SPACE));
    keyboard.Refresh({});
    EXPECT_TRUE(keyboard.IsDown(VK_SPACE));
    EXPECT_TRUE(pressed(VK_SPACE));
    keyboard.Refresh({});
    EXPECT_FALSE(keyboard.IsDown(VK_SPACE)) << "a tap counts once";
    EXPECT_FALSE(pressed(VK_SPACE));

    // Two taps in two frames are two presses.
    for (int tap = 0; tap < 2; ++tap) {
        keyboard.NoteEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_UP));
        keyboard.Refresh({});
        EXPECT_TRUE(pressed(VK_UP)) << "tap " << tap;
        keyboard.Refresh({});
        EXPECT_FALSE(pressed(VK_UP));
    }
}

TEST(SdlKeyboardTest, RepeatsKeysTheGameDoesNotUseAndAltEnterAreNotTaps)
{
    SdlKeyboard keyboard;
    keyboard.NoteEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_LEFT, KMOD_NONE, 1));
    keyboard.NoteEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_F11));
    keyboard.NoteEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT));
    keyboard.NoteEvent(Key(SDL_KEYUP, SDL_SCANCODE_G));
    keyboard.Refresh({});
    for (int vk = 0; vk < 256; ++vk) EXPECT_FALSE(keyboard.IsDown(vk)) << vk;

    // Controller keys and a tap add up.
    keyboard.NoteEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN));
    std::bitset<256> pad;
    pad.set(VK_RIGHT);
    keyboard.Refresh(pad);
    EXPECT_TRUE(keyboard.IsDown(VK_RETURN));
    EXPECT_TRUE(keyboard.IsDown(VK_RIGHT));
}

} // namespace
