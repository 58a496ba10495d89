// The window the game opens, and the software renderer's stand-ins for the blend pairs.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "app/Drawing.h"
#include "platform/SdlSystem.h"

namespace {

std::unique_ptr<platform::SdlSystem> Open(bool askFullscreen, const char* answer)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("ZEM_FULLSCREEN", answer, 1);
    platform::StartupFailure failure = platform::StartupFailure::None;
    std::string detail;
    platform::SdlOptions options;
    options.askFullscreen = askFullscreen;
    auto system = platform::SdlSystem::Create(options, failure, detail);
    unsetenv("ZEM_FULLSCREEN");
    EXPECT_TRUE(system) << detail;
    return system;
}

TEST(WindowTest, WindowedAnswerGivesA1280By720ClientAreaAndTheCursor)
{
    auto system = Open(true, "no");
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
    auto system = Open(true, "yes");
    ASSERT_TRUE(system);
    EXPECT_TRUE(system->Fullscreen());
    EXPECT_TRUE(SDL_GetWindowFlags(system->NativeWindow()) & SDL_WINDOW_FULLSCREEN_DESKTOP);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    int lw = 0;
    int lh = 0;
    SDL_RenderGetLogicalSize(system->Device().Renderer(), &lw, &lh);
    EXPECT_EQ(lw, 1280);
    EXPECT_EQ(lh, 720);
}

TEST(WindowTest, SoftwareRendererDrawsTheGlowPassAdditively)
{
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    auto system = Open(false, "no");
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
