// The SDL sprite on the offscreen video driver, checked by pixel.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "app/Drawing.h"
#include "platform/SdlSystem.h"
#include "support/TempDir.h"

namespace {

using platform::Color;
using platform::Matrix;
using platform::Rect;
using platform::Vec3;

class SpriteRenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        platform::StartupFailure failure = platform::StartupFailure::None;
        std::string detail;
        platform::SdlOptions options;
        options.fullscreen = platform::FullscreenChoice::Windowed;
        options.hidden = true;
        mSystem = platform::SdlSystem::Create(options, failure, detail);
        ASSERT_TRUE(mSystem) << detail;
        ASSERT_TRUE(mSystem->Device().SupportsCustomBlend());
    }

    // Writes a PNG of w x h ARGB pixels and loads it through the device.
    std::unique_ptr<platform::Texture> MakeTexture(int w, int h, const std::vector<uint32_t>& pixels)
    {
        std::vector<uint32_t> copy = pixels;
        SDL_Surface* surface =
            SDL_CreateRGBSurfaceWithFormatFrom(copy.data(), w, h, 32, w * 4, SDL_PIXELFORMAT_ARGB8888);
        const auto path = (mDir.Path() / ("t" + std::to_string(mCount++) + ".png")).string();
        EXPECT_EQ(IMG_SavePNG(surface, path.c_str()), 0);
        SDL_FreeSurface(surface);
        std::string error;
        auto texture = mSystem->Device().LoadTexture(path, error);
        EXPECT_TRUE(texture) << error;
        return texture;
    }

    std::unique_ptr<platform::Texture> Solid(int w, int h, uint32_t argb)
    {
        return MakeTexture(w, h, std::vector<uint32_t>(static_cast<size_t>(w * h), argb));
    }

    void BeginFrame(Color clear = 0xFF0000FF)
    {
        mSystem->Device().Clear(clear);
        mSystem->Sprite().Begin();
    }

    void EndFrame()
    {
        mSystem->Sprite().End();
        int w = 0;
        int h = 0;
        mPixels = mSystem->Device().ReadPixels(w, h);
        ASSERT_EQ(w, 1280);
        ASSERT_EQ(h, 720);
        mSystem->Device().Present();
    }

    uint32_t At(int x, int y) const { return mPixels[static_cast<size_t>(y) * 1280 + static_cast<size_t>(x)] & 0xFFFFFF; }

    void Draw(const platform::Texture* t, const Rect& r, const Vec3& c, const Matrix& m, Color color = 0xFFFFFFFF)
    {
        DrawSprite(&mSystem->Sprite(), t, r, c, m, color);
    }

    static bool Near(uint32_t rgb, uint32_t expected, int tolerance = 3)
    {
        for (int shift = 0; shift <= 16; shift += 8) {
            const int a = static_cast<int>((rgb >> shift) & 0xFF);
            const int b = static_cast<int>((expected >> shift) & 0xFF);
            if (std::abs(a - b) > tolerance) return false;
        }
        return true;
    }

    TempDir mDir;
    int mCount = 0;
    std::unique_ptr<platform::SdlSystem> mSystem;
    std::vector<uint32_t> mPixels;
};

TEST_F(SpriteRenderTest, PivotLandsOnTheTranslatedOrigin)
{
    auto red = Solid(10, 6, 0xFFFF0000);
    BeginFrame();
    Draw(red.get(), Rect{0, 0, 10, 6}, Vec3{5, 3, 0}, Matrix::Translation(100, 50, 0));
    EndFrame();
    // The 10 x 6 image covers x 95..104, y 47..52.
    EXPECT_EQ(At(96, 48), 0xFF0000u);
    EXPECT_EQ(At(103, 51), 0xFF0000u);
    EXPECT_EQ(At(93, 50), 0x0000FFu);
    EXPECT_EQ(At(106, 50), 0x0000FFu);
    EXPECT_EQ(At(100, 45), 0x0000FFu);
    EXPECT_EQ(At(100, 54), 0x0000FFu);
}

TEST_F(SpriteRenderTest, ScaleThenTranslateActsAboutThePivot)
{
    auto green = Solid(4, 4, 0xFF00FF00);
    BeginFrame();
    // Row-vector order: scaling first, translation last; pivot at the image centre.
    Draw(green.get(), Rect{0, 0, 4, 4}, Vec3{2, 2, 0}, Matrix::Scaling(5, 2, 0) * Matrix::Translation(200, 100, 0));
    EndFrame();
    // 20 x 8 pixels centred on (200, 100): x 190..209, y 96..103.
    EXPECT_EQ(At(191, 97), 0x00FF00u);
    EXPECT_EQ(At(208, 102), 0x00FF00u);
    EXPECT_EQ(At(187, 100), 0x0000FFu);
    EXPECT_EQ(At(212, 100), 0x0000FFu);
    EXPECT_EQ(At(200, 93), 0x0000FFu);
    EXPECT_EQ(At(200, 106), 0x0000FFu);
}

TEST_F(SpriteRenderTest, NegativeXScaleMirrorsInPlace)
{
    // Left half red, right half green.
    std::vector<uint32_t> pixels(16 * 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) pixels[static_cast<size_t>(y * 16 + x)] = x < 8 ? 0xFFFF0000 : 0xFF00FF00;
    auto halves = MakeTexture(16, 8, pixels);
    BeginFrame();
    Draw(halves.get(), Rect{0, 0, 16, 8}, Vec3{8, 4, 0}, Matrix::Translation(300, 100, 0));
    Draw(halves.get(), Rect{0, 0, 16, 8}, Vec3{8, 4, 0}, Matrix::Scaling(-1, 1, 0) * Matrix::Translation(300, 200, 0));
    EndFrame();
    EXPECT_EQ(At(294, 100), 0xFF0000u);
    EXPECT_EQ(At(305, 100), 0x00FF00u);
    EXPECT_EQ(At(294, 200), 0x00FF00u); // mirrored: green on the left
    EXPECT_EQ(At(305, 200), 0xFF0000u);
    EXPECT_EQ(At(290, 200), 0x0000FFu); // still in the same place
}

TEST_F(SpriteRenderTest, SourceRectanglePicksOneCellAndNothingOutsideTheImage)
{
    // Four 8 x 8 cells in a row: red, green, white, black; the image is 32 x 8 (not a power of two in height).
    const uint32_t colors[4] = {0xFFFF0000, 0xFF00FF00, 0xFFFFFFFF, 0xFF000000};
    std::vector<uint32_t> pixels(32 * 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 32; ++x) pixels[static_cast<size_t>(y * 32 + x)] = colors[x / 8];
    auto strip = MakeTexture(32, 8, pixels);
    BeginFrame();
    Draw(strip.get(), CellRect(1, 0, 8, 8), Vec3{0, 0, 0}, Matrix::Translation(400, 100, 0));
    // A rectangle reaching past the image: only its part inside the image draws, in place.
    Draw(strip.get(), Rect{24, 0, 40, 16}, Vec3{0, 0, 0}, Matrix::Translation(500, 100, 0));
    EndFrame();
    EXPECT_EQ(At(402, 102), 0x00FF00u);
    EXPECT_EQ(At(405, 106), 0x00FF00u);
    EXPECT_EQ(At(409, 104), 0x0000FFu);
    EXPECT_EQ(At(503, 103), 0x000000u); // the black cell
    EXPECT_EQ(At(511, 103), 0x0000FFu); // past the image's right side: nothing
    EXPECT_EQ(At(503, 111), 0x0000FFu); // past the image's bottom: nothing
}

TEST_F(SpriteRenderTest, ADensePictureDrawsItsCellsInLayoutPixels)
{
    // Two cells of 8 x 8 layout pixels, made at density 2: 32 x 16 pixels, a red cell then a
    // green one whose top-left pixel is white. Rectangles and pivots stay in layout pixels.
    std::vector<uint32_t> pixels(32 * 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) pixels[static_cast<size_t>(y * 32 + x)] = x < 16 ? 0xFFFF0000 : 0xFF00FF00;
    pixels[16] = 0xFFFFFFFF;
    auto dense = MakeTexture(32, 16, pixels);
    dense->SetDensity(2);
    BeginFrame();
    Draw(dense.get(), CellRect(1, 0, 8, 8), Vec3{4, 4, 0}, Matrix::Translation(400, 100, 0));
    // Scaled up twice: every picture pixel covers one screen pixel.
    Draw(dense.get(), CellRect(1, 0, 8, 8), Vec3{4, 4, 0}, Matrix::Scaling(2, 2, 0) * Matrix::Translation(600, 100, 0));
    EndFrame();
    // At scale 1 the green cell covers 8 x 8 screen pixels about its pivot: x 396..403.
    EXPECT_EQ(At(397, 97), 0x00FF00u);
    EXPECT_EQ(At(402, 103), 0x00FF00u);
    EXPECT_EQ(At(394, 100), 0x0000FFu);
    EXPECT_EQ(At(405, 100), 0x0000FFu);
    // At scale 2, 16 x 16 from x 592: its single white pixel is one screen pixel, sharp.
    EXPECT_EQ(At(592, 92), 0xFFFFFFu);
    EXPECT_TRUE(Near(At(593, 93), 0x00FF00)) << std::hex << At(593, 93);
    EXPECT_EQ(At(607, 107), 0x00FF00u);
    EXPECT_EQ(At(609, 100), 0x0000FFu);
}

TEST_F(SpriteRenderTest, CellsNeverBleedIntoTheirNeighboursBetweenPixels)
{
    // A sheet of 10 x 10 cells, three in a row: red, green, white. Each cell drawn at half
    // pixels, scaled or turned must show only its own colour: linear filtering may not reach
    // the next cell, and two neighbouring cells drawn side by side meet without a mixed line.
    const uint32_t colors[3] = {0xFFFF0000, 0xFF00FF00, 0xFFFFFFFF};
    std::vector<uint32_t> pixels(30 * 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 30; ++x) pixels[static_cast<size_t>(y * 30 + x)] = colors[x / 10];
    auto sheet = MakeTexture(30, 10, pixels);
    struct Case {
        const char* what;
        Matrix placement;
    };
    const Case cases[] = {
        {"half pixels", Matrix::Translation(100.5f, 100.5f, 0)},
        {"a quarter pixel", Matrix::Translation(200.25f, 100.75f, 0)},
        {"scaled", Matrix::Scaling(2.5f, 1.5f, 0) * Matrix::Translation(300.5f, 100.5f, 0)},
        {"mirrored", Matrix::Scaling(-1, 1, 0) * Matrix::Translation(400.5f, 100.5f, 0)},
        {"turned", Matrix::RotationZ(0.4f) * Matrix::Translation(500.5f, 100.5f, 0)},
    };
    BeginFrame(0xFF000000);
    for (const Case& c : cases) {
        // The green cell on its own, then red and white as two tiles side by side.
        Draw(sheet.get(), CellRect(1, 0, 10, 10), Vec3{5, 5, 0}, c.placement);
        Draw(sheet.get(), CellRect(0, 0, 10, 10), Vec3{5, 5, 0}, c.placement * Matrix::Translation(0, 40, 0));
        Draw(sheet.get(), CellRect(2, 0, 10, 10), Vec3{-5, 5, 0}, c.placement * Matrix::Translation(0, 40, 0));
    }
    EndFrame();
    for (const Case& c : cases) {
        const int x0 = static_cast<int>(c.placement.m[3][0]);
        const int y0 = static_cast<int>(c.placement.m[3][1]);
        int green = 0;
        for (int y = y0 - 20; y < y0 + 20; ++y)
            for (int x = x0 - 30; x < x0 + 30; ++x) {
                const uint32_t p = At(x, y);
                EXPECT_TRUE(p == 0x000000u || p == 0x00FF00u) << c.what << " green cell at " << x << "," << y
                                                               << ": " << std::hex << p;
                green += p == 0x00FF00u;
            }
        EXPECT_GT(green, 50) << c.what;
        int red = 0;
        int white = 0;
        for (int y = y0 + 20; y < y0 + 60; ++y)
            for (int x = x0 - 30; x < x0 + 30; ++x) {
                const uint32_t p = At(x, y);
                EXPECT_TRUE(p == 0x000000u || p == 0xFF0000u || p == 0xFFFFFFu)
                    << c.what << " red and white cells at " << x << "," << y << ": " << std::hex << p;
                red += p == 0xFF0000u;
                white += p == 0xFFFFFFu;
            }
        EXPECT_GT(red, 50) << c.what;
        EXPECT_GT(white, 50) << c.what;
    }
}

TEST_F(SpriteRenderTest, ColourModulatesTheTexture)
{
    auto white = Solid(8, 8, 0xFFFFFFFF);
    BeginFrame(0xFF000000);
    Draw(white.get(), Rect{0, 0, 8, 8}, Vec3{}, Matrix::Translation(100, 100, 0), 0xFFFFFF00); // yellow
    Draw(white.get(), Rect{0, 0, 8, 8}, Vec3{}, Matrix::Translation(200, 100, 0), 0x80FFFFFF); // half faded
    Draw(white.get(), Rect{0, 0, 8, 8}, Vec3{}, Matrix::Translation(300, 100, 0), 0xFF00FFFF); // red removed
    EndFrame();
    EXPECT_EQ(At(104, 104), 0xFFFF00u);
    EXPECT_TRUE(Near(At(204, 104), 0x808080)) << std::hex << At(204, 104);
    EXPECT_EQ(At(304, 104), 0x00FFFFu);
}

TEST_F(SpriteRenderTest, TheThreeBlendPairs)
{
    auto grey = Solid(8, 8, 0xFF808080);
    auto halfGrey = Solid(8, 8, 0x80808080);
    platform::Device* device = &mSystem->Device();
    platform::Sprite* sprite = &mSystem->Sprite();
    BeginFrame(0xFF404040);
    Draw(grey.get(), Rect{0, 0, 8, 8}, Vec3{}, Matrix::Translation(100, 100, 0));
    Draw(halfGrey.get(), Rect{0, 0, 8, 8}, Vec3{}, Matrix::Translation(120, 100, 0));
    BeginBlendPass(sprite, device, kGlowPass);
    Draw(grey.get(), Rect{0, 0, 8, 8}, Vec3{}, Matrix::Translation(200, 100, 0));
    EndBlendPass(sprite, device);
    BeginBlendPass(sprite, device, kAdditivePass);
    Draw(grey.get(), Rect{0, 0, 8, 8}, Vec3{}, Matrix::Translation(300, 100, 0));
    Draw(halfGrey.get(), Rect{0, 0, 8, 8}, Vec3{}, Matrix::Translation(320, 100, 0));
    EndBlendPass(sprite, device);
    // Back to normal after the pass.
    Draw(grey.get(), Rect{0, 0, 8, 8}, Vec3{}, Matrix::Translation(400, 100, 0));
    EndFrame();
    // normal: src*a + dst*(1-a)
    EXPECT_TRUE(Near(At(104, 104), 0x808080)) << std::hex << At(104, 104);
    EXPECT_TRUE(Near(At(124, 104), 0x606060)) << std::hex << At(124, 104);
    // glow: src*a + dst*src = 0x80 + 0x40 * 0x80 / 255
    EXPECT_TRUE(Near(At(204, 104), 0xA0A0A0)) << std::hex << At(204, 104);
    // additive: src*a + dst
    EXPECT_TRUE(Near(At(304, 104), 0xC0C0C0)) << std::hex << At(304, 104);
    EXPECT_TRUE(Near(At(324, 104), 0x808080)) << std::hex << At(324, 104);
    EXPECT_TRUE(Near(At(404, 104), 0x808080)) << std::hex << At(404, 104);
}

TEST_F(SpriteRenderTest, GlowLeavesClearPixelsAloneEvenWhenTinted)
{
    // A 16 x 8 picture: left half clear white, right half opaque grey, drawn yellow in the glow pass.
    std::vector<uint32_t> pixels(16 * 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) pixels[static_cast<size_t>(y * 16 + x)] = x < 8 ? 0x00FFFFFF : 0xFF808080;
    auto picture = MakeTexture(16, 8, pixels);
    BeginFrame(0xFF404080);
    BeginBlendPass(&mSystem->Sprite(), &mSystem->Device(), kGlowPass);
    Draw(picture.get(), Rect{0, 0, 16, 8}, Vec3{}, Matrix::Translation(100, 100, 0), 0xFFFFFF00);
    EndBlendPass(&mSystem->Sprite(), &mSystem->Device());
    EndFrame();
    // Clear pixels: the background, blue included, as it was.
    EXPECT_TRUE(Near(At(102, 104), 0x404080)) << std::hex << At(102, 104);
    // Opaque pixels: src * a + dst * src colour, with the source tinted yellow (no blue).
    EXPECT_TRUE(Near(At(113, 104), 0xA0A000)) << std::hex << At(113, 104);
}

// Clearing in one step, dropping invisible draws and skipping blending for opaque pictures and
// opaque cells of a sheet must not change a pixel: one scene of opaque, translucent, tinted, clear and off-screen draws, rendered both ways.
TEST_F(SpriteRenderTest, TheShortcutsLeaveEveryPixelAsItWas)
{
    std::vector<uint32_t> gradient(64 * 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x) gradient[static_cast<size_t>(y * 64 + x)] = 0xFF000000u | (x * 4u << 16) | (y * 8u);
    }
    auto opaque = MakeTexture(64, 32, gradient);
    auto translucent = Solid(16, 16, 0x80FFFF00);
    // A sheet whose left cell is see-through and whose right cell is opaque.
    std::vector<uint32_t> sheetPixels(32 * 16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 32; ++x) sheetPixels[static_cast<size_t>(y * 32 + x)] = x < 16 ? 0x6000FF00u : 0xFF000000u | (x * 8u << 8) | (y * 16u);
    }
    auto sheet = MakeTexture(32, 16, sheetPixels);
    std::vector<uint32_t> frames[2];
    for (int pass = 0; pass < 2; ++pass) {
        mSystem->Device().SetShortcuts(pass == 0);
        BeginFrame();
        const Matrix half = Matrix::Scaling(3.3f, 2.1f, 0) * Matrix::Translation(300.5f, 200.25f, 0);
        Draw(opaque.get(), Rect{0, 0, 64, 32}, Vec3{32, 16, 0}, half);
        Draw(opaque.get(), Rect{8, 4, 40, 20}, Vec3{}, Matrix::Translation(-100, 40, 0));       // off screen
        Draw(translucent.get(), Rect{0, 0, 16, 16}, Vec3{8, 8, 0}, Matrix::Translation(310, 205, 0), 0x00FFFFFF); // clear
        Draw(opaque.get(), Rect{0, 0, 64, 32}, Vec3{}, Matrix::Translation(600, 300, 0), 0xFF80C0FF); // tinted
        Draw(translucent.get(), Rect{0, 0, 16, 16}, Vec3{8, 8, 0}, Matrix::Translation(320, 210, 0));
        Draw(opaque.get(), Rect{0, 0, 64, 32}, Vec3{}, Matrix::Translation(620, 310, 0), 0x90FFFFFF); // faded
        Draw(opaque.get(), Rect{0, 0, 64, 32}, Vec3{}, Matrix::Translation(1300, 800, 0));            // off screen
        Draw(sheet.get(), Rect{16, 0, 32, 16}, Vec3{}, Matrix::Scaling(2.5f, 2.5f, 0) * Matrix::Translation(640.3f, 100.6f, 0));
        Draw(sheet.get(), Rect{0, 0, 16, 16}, Vec3{}, Matrix::Translation(660.5f, 110.5f, 0));
        Draw(opaque.get(), Rect{0, 0, 64, 32}, Vec3{32, 16, 0}, Matrix::Scaling(0, 1, 0) * Matrix::Translation(700.5f, 400, 0)); // edge-on
        EndFrame();
        frames[pass] = mPixels;
    }
    mSystem->Device().SetShortcuts(true);
    ASSERT_EQ(frames[0].size(), frames[1].size());
    size_t differing = 0;
    for (size_t i = 0; i < frames[0].size(); ++i) differing += (frames[0][i] & 0xFFFFFF) != (frames[1][i] & 0xFFFFFF);
    EXPECT_EQ(differing, 0u);
    EXPECT_NE(frames[0][static_cast<size_t>(200 * 1280 + 300)] & 0xFFFFFF, 0x0000FFu); // something was drawn
}

TEST_F(SpriteRenderTest, NullTextureDrawsNothing)
{
    BeginFrame();
    Draw(nullptr, Rect{0, 0, 8, 8}, Vec3{}, Matrix::Translation(100, 100, 0));
    EndFrame();
    EXPECT_EQ(At(102, 102), 0x0000FFu);
}

TEST_F(SpriteRenderTest, TexturesHoldTheirPicturesPixelsOfTheBudgetUntilTheyGo)
{
    // A 4 x 4 picture with clear pixels (it gets a cut-out copy too); room for two of them.
    std::vector<uint32_t> pixels(16, 0xFF00FF00u);
    pixels[0] = 0;
    const auto path = (mDir.Path() / "four.png").string();
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), 4, 4, 32, 16, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_EQ(IMG_SavePNG(surface, path.c_str()), 0);
    SDL_FreeSurface(surface);

    platform::SdlDevice device(mSystem->Device().Renderer(), 40);
    std::string error;
    auto first = device.LoadTexture(path, error);
    auto second = device.LoadTexture(path, error);
    ASSERT_TRUE(first && second) << error;
    EXPECT_EQ(device.Pictures().Held(), 32);
    EXPECT_FALSE(device.LoadTexture(path, error));
    EXPECT_EQ(error, "refused: its 4 x 4 pixels would take the pictures held past their budget of 40 pixels (32 held)");
    first.reset();
    EXPECT_EQ(device.Pictures().Held(), 16);
    EXPECT_TRUE(device.LoadTexture(path, error)) << error;
    EXPECT_EQ(device.Pictures().Held(), 16); // the texture just made went at once
}

// The textures cut for a picture's cells hold their pixels of the budget too, until the picture
// goes; a cell that would pass the budget is not made and draws from the whole picture.
TEST_F(SpriteRenderTest, CellsHoldTheirPixelsOfTheBudgetAndPastItDrawFromThePicture)
{
    // Four 2 x 2 cells of their own colours; room for the picture and its four cells, no more.
    const uint32_t colours[4] = {0xFFFF0000u, 0xFF00FF00u, 0xFFFFFF00u, 0xFF00FFFFu};
    std::vector<uint32_t> pixels(16);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) pixels[static_cast<size_t>(y * 4 + x)] = colours[(y / 2) * 2 + x / 2];
    const auto path = (mDir.Path() / "cells.png").string();
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), 4, 4, 32, 16, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_EQ(IMG_SavePNG(surface, path.c_str()), 0);
    SDL_FreeSurface(surface);

    platform::SdlDevice device(mSystem->Device().Renderer(), 32);
    platform::SdlSprite sprite(device);
    std::string error;
    auto picture = device.LoadTexture(path, error);
    ASSERT_TRUE(picture) << error;
    EXPECT_EQ(device.Pictures().Held(), 16);
    const auto draw = [&](Rect cell, float x) {
        sprite.Begin();
        sprite.SetTransform(Matrix::Scaling(10, 10, 1) * Matrix::Translation(x, 100, 0));
        sprite.Draw(picture.get(), &cell, nullptr, 0xFFFFFFFF);
        sprite.End();
    };
    mSystem->Device().Clear(0xFF0000FF);
    draw(Rect{0, 0, 2, 2}, 100);
    draw(Rect{0, 0, 2, 2}, 100);
    EXPECT_EQ(device.Pictures().Held(), 20) << "a cell drawn twice is held once";
    draw(Rect{2, 0, 4, 2}, 200);
    draw(Rect{0, 2, 2, 4}, 300);
    draw(Rect{2, 2, 4, 4}, 400);
    EXPECT_EQ(device.Pictures().Held(), 32);
    draw(Rect{1, 1, 3, 3}, 600);
    EXPECT_EQ(device.Pictures().Held(), 32) << "a fifth cell is past the budget";
    EndFrame();
    // Drawn all the same, from the whole picture: its pixels (1, 1) and (2, 2).
    EXPECT_TRUE(Near(At(602, 102), colours[0] & 0xFFFFFF)) << std::hex << At(602, 102);
    EXPECT_TRUE(Near(At(617, 117), colours[3] & 0xFFFFFF)) << std::hex << At(617, 117);
    picture.reset();
    EXPECT_EQ(device.Pictures().Held(), 0);
}

TEST_F(SpriteRenderTest, MissingImageGivesNullWithAReason)
{
    std::string error;
    auto texture = mSystem->Device().LoadTexture((mDir.Path() / "none.png").string(), error);
    EXPECT_FALSE(texture);
    EXPECT_FALSE(error.empty());
}

} // namespace
