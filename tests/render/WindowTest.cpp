// The window the game opens, and the software renderer's stand-ins for the blend pairs.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/Drawing.h"
#include "platform/SdlSystem.h"
#include "support/VirtualPad.h"

namespace {

using platform::FullscreenChoice;

// A window whose start-up question is answered by `choice`, with ZEM_FULLSCREEN=`answer`.
std::unique_ptr<platform::SdlSystem> Open(FullscreenChoice choice, const char* answer)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("ZEM_FULLSCREEN", answer, 1);
    platform::StartupFailure failure = platform::StartupFailure::None;
    std::string detail;
    platform::SdlOptions options;
    options.fullscreen = choice;
    auto system = platform::SdlSystem::Create(options, failure, detail);
    unsetenv("ZEM_FULLSCREEN");
    EXPECT_TRUE(system) << detail;
    return system;
}

bool IsDesktopFullscreen(const platform::SdlSystem& system)
{
    return (SDL_GetWindowFlags(system.NativeWindow()) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
}

TEST(WindowTest, WindowedAnswerGivesA1280By720ClientAreaAndTheCursor)
{
    auto system = Open(FullscreenChoice::Ask, "no");
    ASSERT_TRUE(system);
    EXPECT_FALSE(system->Fullscreen());
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(system->NativeWindow(), &w, &h);
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 720);
    EXPECT_STREQ(SDL_GetWindowTitle(system->NativeWindow()), "ZEM");
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    int lw = 0;
    int lh = 0;
    SDL_RenderGetLogicalSize(system->Device().Renderer(), &lw, &lh);
    EXPECT_EQ(lw, 1280);
    EXPECT_EQ(lh, 720);
}

TEST(WindowTest, FullScreenAnswerGivesDesktopFullScreenWithoutCursor)
{
    auto system = Open(FullscreenChoice::Ask, "yes");
    ASSERT_TRUE(system);
    EXPECT_TRUE(system->Fullscreen());
    EXPECT_TRUE(IsDesktopFullscreen(*system));
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    int lw = 0;
    int lh = 0;
    SDL_RenderGetLogicalSize(system->Device().Renderer(), &lw, &lh);
    EXPECT_EQ(lw, 1280);
    EXPECT_EQ(lh, 720);
}

TEST(WindowTest, CommandLineAnswerWinsOverTheEnvironment)
{
    struct Case {
        FullscreenChoice choice;
        const char* environment;
        bool fullscreen;
    };
    const Case cases[] = {
        {FullscreenChoice::Fullscreen, "no", true},
        {FullscreenChoice::Windowed, "yes", false},
        {FullscreenChoice::Ask, "yes", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.environment);
        auto system = Open(c.choice, c.environment);
        ASSERT_TRUE(system);
        EXPECT_EQ(system->Fullscreen(), c.fullscreen);
        EXPECT_EQ(IsDesktopFullscreen(*system), c.fullscreen);
    }
}

void PushKey(SDL_Scancode code, Uint16 mod, Uint8 repeat = 0)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.repeat = repeat;
    event.key.keysym.scancode = code;
    event.key.keysym.sym = SDL_GetKeyFromScancode(code);
    event.key.keysym.mod = mod;
    SDL_PushEvent(&event);
}

TEST(WindowTest, F11AndAltEnterSwitchFullScreenBackAndForth)
{
    auto system = Open(FullscreenChoice::Windowed, "no");
    ASSERT_TRUE(system);
    struct Step {
        SDL_Scancode code;
        Uint16 mod;
        Uint8 repeat;
        bool fullscreen; // afterwards
    };
    const Step steps[] = {
        {SDL_SCANCODE_F11, KMOD_NONE, 0, true},
        {SDL_SCANCODE_F11, KMOD_NONE, 1, true}, // a held key's repeats change nothing
        {SDL_SCANCODE_F11, KMOD_NONE, 0, false},
        {SDL_SCANCODE_RETURN, KMOD_NONE, 0, false}, // Enter alone is the game's
        {SDL_SCANCODE_RETURN, KMOD_LALT, 0, true},
        {SDL_SCANCODE_KP_ENTER, KMOD_RALT, 0, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(SDL_GetScancodeName(step.code)) + (step.mod ? " with Alt" : "") +
                     (step.repeat ? " repeated" : ""));
        PushKey(step.code, step.mod, step.repeat);
        EXPECT_TRUE(system->PumpEvents());
        EXPECT_EQ(system->Fullscreen(), step.fullscreen);
        EXPECT_EQ(IsDesktopFullscreen(*system), step.fullscreen);
        EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), step.fullscreen ? SDL_DISABLE : SDL_ENABLE);
    }
    // Back in the window, the drawing area is the window again.
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(system->NativeWindow(), &w, &h);
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 720);
}

TEST(WindowTest, AResizedWindowShowsTheDrawingAreaBetweenBlackBars)
{
    // The offscreen driver's OpenGL surface keeps its first size; the software renderer's
    // window surface follows the window, as a real window's does.
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    auto system = Open(FullscreenChoice::Windowed, "no");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "");
    ASSERT_TRUE(system);
    EXPECT_TRUE(SDL_GetWindowFlags(system->NativeWindow()) & SDL_WINDOW_RESIZABLE);
    // 1920 x 900 holds the 16:9 area at 1600 x 900, with bars of 160 pixels left and right.
    SDL_SetWindowSize(system->NativeWindow(), 1920, 900);
    EXPECT_TRUE(system->PumpEvents());
    SDL_Renderer* renderer = system->Device().Renderer();
    int lw = 0;
    int lh = 0;
    SDL_RenderGetLogicalSize(renderer, &lw, &lh);
    EXPECT_EQ(lw, 1280);
    EXPECT_EQ(lh, 720);

    system->Device().Clear(0xFF0000FF);
    // Read the whole window, bars included.
    SDL_RenderSetLogicalSize(renderer, 0, 0);
    SDL_RenderSetViewport(renderer, nullptr);
    int ow = 0;
    int oh = 0;
    SDL_GetRendererOutputSize(renderer, &ow, &oh);
    ASSERT_EQ(ow, 1920);
    ASSERT_EQ(oh, 900);
    std::vector<uint32_t> pixels(static_cast<size_t>(ow) * static_cast<size_t>(oh));
    ASSERT_EQ(SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), ow * 4), 0)
        << SDL_GetError();
    auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y) * static_cast<size_t>(ow) + static_cast<size_t>(x)] & 0xFFFFFF; };
    for (int y : {0, 450, 899}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(at(0, y), 0x000000u);
        EXPECT_EQ(at(158, y), 0x000000u);
        EXPECT_EQ(at(162, y), 0x0000FFu);
        EXPECT_EQ(at(960, y), 0x0000FFu);
        EXPECT_EQ(at(1757, y), 0x0000FFu);
        EXPECT_EQ(at(1761, y), 0x000000u);
        EXPECT_EQ(at(1919, y), 0x000000u);
    }
}

// A controller's Back button ends the game like Escape; its other buttons reach the keyboard.
TEST(WindowTest, ControllerButtonsReachTheKeyboardAndBackQuits)
{
    // The test's window never has the focus, without which SDL holds controller input back.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    auto system = Open(FullscreenChoice::Windowed, "no");
    ASSERT_TRUE(system);
    ASSERT_NE(system->Controllers(), nullptr);
    VirtualPad pad; // plugged in during play
    ASSERT_TRUE(pad.Plugged()) << SDL_GetError();

    EXPECT_TRUE(system->PumpEvents());
    EXPECT_EQ(system->Controllers()->Count(), 1u);
    pad.Button(SDL_CONTROLLER_BUTTON_START, true);
    EXPECT_TRUE(system->PumpEvents());
    EXPECT_TRUE(system->Keyboard().IsDown(platform::VK_RETURN));
    pad.Button(SDL_CONTROLLER_BUTTON_START, false);
    pad.Button(SDL_CONTROLLER_BUTTON_BACK, true);
    EXPECT_FALSE(system->PumpEvents());
}

TEST(WindowTest, SoftwareRendererDrawsTheGlowPassAdditively)
{
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    auto system = Open(FullscreenChoice::Windowed, "no");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "");
    ASSERT_TRUE(system);
    EXPECT_FALSE(system->Device().SupportsCustomBlend());

    // A grey pixel drawn in the glow pass over a darker grey adds up.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 8, 8, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_FillRect(surface, nullptr, 0xFF808080);
    SDL_Texture* handle = SDL_CreateTextureFromSurface(system->Device().Renderer(), surface);
    SDL_FreeSurface(surface);
    platform::SdlTexture grey(handle, nullptr, 8, 8);
    system->Device().Clear(0xFF404040);
    system->Sprite().Begin();
    BeginBlendPass(&system->Sprite(), &system->Device(), kGlowPass);
    DrawSprite(&system->Sprite(), &grey, platform::Rect{0, 0, 8, 8}, platform::Vec3{},
               platform::Matrix::Translation(100, 100, 0), 0xFFFFFFFF);
    EndBlendPass(&system->Sprite(), &system->Device());
    system->Sprite().End();
    int w = 0;
    int h = 0;
    const auto pixels = system->Device().ReadPixels(w, h);
    ASSERT_EQ(w, 1280);
    const uint32_t p = pixels[104 * 1280 + 104] & 0xFFFFFF;
    EXPECT_NEAR(static_cast<int>(p & 0xFF), 0xC0, 2);
}

} // namespace
