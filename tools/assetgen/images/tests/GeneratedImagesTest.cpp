// The generated pictures against what the game draws from them.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "Generators.h"
#include "app/AssetFiles.h"
#include "app/PictureDensity.h"

namespace {

namespace fs = std::filesystem;

fs::path MakeTempDir()
{
    std::string pattern = (fs::temp_directory_path() / "zem-images-XXXXXX").string();
    const char* made = mkdtemp(pattern.data());
    return made ? fs::path(made) : fs::path();
}

// A picture read back as 32-bit ARGB words.
struct Picture {
    int width = 0, height = 0;
    bool hasAlpha = false;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    unsigned Alpha(int x, int y) const { return At(x, y) >> 24; }
};

Picture Load(const fs::path& file)
{
    Picture picture;
    SDL_Surface* loaded = IMG_Load(file.c_str());
    if (!loaded) {
        ADD_FAILURE() << file << ": " << IMG_GetError();
        return picture;
    }
    picture.hasAlpha = loaded->format->Amask != 0;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    picture.width = argb->w;
    picture.height = argb->h;
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(argb->pixels) + y * argb->pitch);
        picture.pixels.insert(picture.pixels.end(), row, row + argb->w);
    }
    SDL_FreeSurface(argb);
    return picture;
}

std::string Bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class GeneratedImages : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sRunDir = MakeTempDir();
        ASSERT_FALSE(sRunDir.empty());
        sDir = sRunDir / files::kTextureDir;
        fs::create_directories(sDir);
        ASSERT_TRUE(GenerateImages(sRunDir));
    }
    static void TearDownTestSuite()
    {
        std::error_code ignored;
        fs::remove_all(sRunDir, ignored);
    }
    static Picture Open(const char8_t* name) { return Load(sDir / fs::path(name)); }

    static fs::path sRunDir;
    static fs::path sDir; // the pictures
};

fs::path GeneratedImages::sRunDir;
fs::path GeneratedImages::sDir;

TEST_F(GeneratedImages, EveryPictureHoldsTheRectanglesTheGameDrawsFromIt)
{
    // The right and bottom edge of the farthest rectangle drawn from each picture.
    struct Need {
        const char8_t* name;
        int right, bottom;
    };
    const Need needs[] = {
        {u8"player試作11.png", 8 * 45, 5 * 75 + 76}, {u8"playerDown2.png", 45, 75},
        {u8"MiniPlayerAnime.png", 8 * 40, 40},       {u8"BubbleAnime.png", 6 * 64, 3 * 64},
        {u8"BubbleAnimeAlpha.png", 6 * 64, 3 * 64},  {u8"HP.png", 64, 64},
        {u8"starBubble.png", 64, 64},                {u8"starBubbleAlpha.png", 64, 64},
        {u8"suji2.png", 11 * 60, 60},                {u8"EnemyFace.png", 1, 1},
        {u8"BubbleMona.png", 7 * 80, 40},            {u8"BubbleMonaAlpha試作2.png", 7 * 80, 40},
        {u8"TitleBack2.jpg", 1280, 720},             {u8"Back2.png", 1280, 720},
        {u8"MapChip12.png", 6 * 40, 40},             {u8"星クリア.png", 120, 120},
        {u8"EnemyBase.png", 8 * 45, 151},            {u8"JumpEnemy.png", 3 * 64, 80},
        {u8"FlyEnemy.png", 64, 128},                 {u8"FlyEnemy5.png", 64, 64},
        {u8"FlyEnemyBullet2.png", 16, 16},           {u8"SlimeEnemy.png", 6 * 40, 3 * 40 + 41},
        {u8"star.png", 40, 40},                      {u8"Sun.bmp", 128, 128},
        {u8"EnemyBubble.png", 6 * 80, 3 * 80},       {u8"EnemyBubbleAlpha.png", 6 * 80, 3 * 80},
        {u8"SlimeBubble.png", 6 * 46, 3 * 46},       {u8"SlimeBubbleAlpha.png", 6 * 46, 3 * 46},
        {u8"HP Item.png", 60, 60},                   {u8"playerBubble.png", 80, 80},
        {u8"playerBubbleAlpha.png", 80, 80},         {u8"ZEM.png", 900, 400},
        {u8"指示画像.png", 900, 600},                {u8"Bubble.png", 256, 256},
        {u8"BubbleAlpha().png", 256, 256},           {u8"csvMapChip().png", 80, 40},
        {u8"WhiteNewGameClear3.png", 10 * 128, 128}, {u8"RESULT.png", 600, 400},
        {u8"星白.png", 320, 320},                    {u8"星.png", 1, 1},
        {u8"星 (1).png", 150, 150},                  {u8"playerBubble (1).png", 170, 170},
        {u8"playerBubbleAlpha (1).png", 170, 170},   {u8"NewGameOverBack.png", 1280, 720},
        {u8"NewRETRY.png", 768, 128},                {u8"GOPlayer.png", 90, 150},
        {u8"NWG.png", 8 * 128, 128},                 {u8"Signs.png", 8 * 80, 2 * 80},
        {u8"PitShade.png", 2 * 40, 40},
    };
    for (const Need& need : needs) {
        const Picture picture = Open(need.name);
        EXPECT_GE(picture.width, need.right) << reinterpret_cast<const char*>(need.name);
        EXPECT_GE(picture.height, need.bottom) << reinterpret_cast<const char*>(need.name);
    }
}

TEST_F(GeneratedImages, DensePicturesAreMadeAtTheirDensity)
{
    // Made at any other size, the game would draw them at density 1: four times too large.
    for (const DensePicture& dense : kDensePictures) {
        const Picture picture = Load(sRunDir / dense.path);
        EXPECT_EQ(picture.width, dense.layoutWidth * dense.density) << dense.path;
        EXPECT_EQ(picture.height, dense.layoutHeight * dense.density) << dense.path;
        EXPECT_EQ(PictureDensity(dense.path, picture.width, picture.height), dense.density) << dense.path;
    }
}

// Sheets by cell: left/top of cell (c, r) is (c * w, y0 + r * h); frames per row.
struct Sheet {
    const char8_t* name;
    int w, h, y0;
    std::vector<int> framesPerRow;
};

// The figures: the hero, the enemies and the bubbles, every frame the game draws of them.
const std::vector<Sheet> kFigureSheets = {
    {u8"player試作11.png", 45, 75, 1, {3, 8, 8, 1, 6, 6}},
    {u8"playerDown2.png", 45, 75, 0, {1}},
    {u8"MiniPlayerAnime.png", 40, 40, 0, {8}},
    {u8"BubbleAnime.png", 64, 64, 0, {4, 1, 6}},
    {u8"EnemyBubble.png", 80, 80, 0, {4, 1, 6}},
    {u8"SlimeBubble.png", 46, 46, 0, {4, 1, 6}},
    {u8"EnemyBase.png", 45, 75, 1, {8, 1}},
    {u8"JumpEnemy.png", 64, 80, 0, {3}},
    {u8"FlyEnemy.png", 64, 64, 0, {1, 1}},
    {u8"SlimeEnemy.png", 40, 40, 1, {6, 6, 6, 1}},
    {u8"starBubble.png", 40, 40, 0, {1}},
    {u8"GOPlayer.png", 90, 150, 0, {1}},
};

// Calls `visit(picture, left, top, right, bottom, where)` for every cell of `sheet` that the
// game draws, with the cell's inclusive pixel bounds inside `picture`.
template <typename Visit>
// The cells are in layout pixels; a dense picture has `density` of its own for each.
void ForEachCell(const Picture& picture, const Sheet& sheet, Visit visit)
{
    const int d = DesignedDensity(std::string(files::kTextureDir) + "/" + reinterpret_cast<const char*>(sheet.name));
    for (std::size_t row = 0; row < sheet.framesPerRow.size(); ++row) {
        for (int column = 0; column < sheet.framesPerRow[row]; ++column) {
            const int left = column * sheet.w * d, top = (sheet.y0 + static_cast<int>(row) * sheet.h) * d;
            const int right = std::min(left + sheet.w * d, picture.width) - 1;
            const int bottom = std::min(top + sheet.h * d, picture.height) - 1;
            visit(picture, left, top, right, bottom,
                  std::string(reinterpret_cast<const char*>(sheet.name)) + " row " + std::to_string(row) + " column " +
                      std::to_string(column));
        }
    }
}

TEST_F(GeneratedImages, EveryFrameTheGameShowsHasSomethingInIt)
{
    std::vector<Sheet> sheets = kFigureSheets;
    sheets.insert(sheets.end(), {
                                    {u8"BubbleMona.png", 80, 40, 0, {7}},
                                    {u8"suji2.png", 60, 60, 0, {11}},
                                    {u8"MapChip12.png", 40, 40, 0, {6}},
                                    {u8"Signs.png", 80, 80, 0, {7, 8}},
                                    {u8"PitShade.png", 40, 40, 0, {2}},
                                    {u8"WhiteNewGameClear3.png", 128, 128, 0, {10}},
                                    {u8"NWG.png", 128, 128, 0, {8}},
                                });
    for (const Sheet& sheet : sheets) {
        ForEachCell(Open(sheet.name), sheet, [](const Picture& picture, int left, int top, int right, int bottom, const std::string& where) {
            int drawn = 0;
            for (int y = top; y <= bottom; ++y) {
                for (int x = left; x <= right; ++x) {
                    drawn += picture.Alpha(x, y) > 16;
                }
            }
            EXPECT_GT(drawn, 20) << where;
        });
    }
}

TEST_F(GeneratedImages, FiguresKeepClearOfTheEdgesOfTheirCells)
{
    // A figure that touches its cell's edge is cut off there on screen, and the cut shows as a
    // hard line when the game draws between pixels: the outermost ring of each drawn cell stays
    // clear (a trace of anti-aliasing allowed).
    for (const Sheet& sheet : kFigureSheets) {
        ForEachCell(Open(sheet.name), sheet, [](const Picture& picture, int left, int top, int right, int bottom, const std::string& where) {
            unsigned sides = 0, ends = 0;
            for (int y = top; y <= bottom; ++y) sides = std::max({sides, picture.Alpha(left, y), picture.Alpha(right, y)});
            for (int x = left; x <= right; ++x) ends = std::max({ends, picture.Alpha(x, top), picture.Alpha(x, bottom)});
            EXPECT_LE(sides, 8u) << where << ", left or right";
            EXPECT_LE(ends, 8u) << where << ", top or bottom";
        });
    }
}

TEST_F(GeneratedImages, PlayerCellsLeaveTheirLastRowClear)
{
    // The defeated player is drawn from (0, 225, 45, 300), one row above the hit cell: the last
    // row of each cell (y = 75 * r) and the unused top row must stay empty.
    const Picture sheet = Open(u8"player試作11.png");
    for (int r = 0; r <= 6; ++r) {
        const int y = std::min(75 * r, sheet.height - 1);
        for (int x = 0; x < sheet.width; ++x) {
            ASSERT_EQ(sheet.Alpha(x, y), 0u) << "x " << x << " y " << y;
        }
    }
}

TEST_F(GeneratedImages, BackgroundsRepeatEvery1279Pixels)
{
    // The game lays the backgrounds 1279 pixels apart: column 1279 meets the next column 0.
    for (const char8_t* name : {u8"Back2.png", u8"TitleBack2.jpg"}) {
        const Picture picture = Open(name);
        ASSERT_EQ(picture.width, 1280);
        double difference = 0;
        for (int y = 0; y < picture.height; ++y) {
            for (int shift : {0, 8, 16}) {
                const int a = (picture.At(0, y) >> shift) & 0xFF, b = (picture.At(1279, y) >> shift) & 0xFF;
                difference += std::abs(a - b);
            }
        }
        EXPECT_LT(difference / (picture.height * 3), 3.0) << reinterpret_cast<const char*>(name);
    }
}

TEST_F(GeneratedImages, GlowIsWhiteFadingToBlackWithoutAlpha)
{
    const Picture glow = Open(u8"Sun.bmp");
    EXPECT_FALSE(glow.hasAlpha);
    EXPECT_EQ(glow.At(64, 64) & 0xFFFFFF, 0xFFFFFFu);
    for (const auto& [x, y] : {std::pair{0, 0}, {127, 0}, {0, 127}, {127, 127}, {0, 64}, {64, 0}}) {
        EXPECT_EQ(glow.At(x, y) & 0xFFFFFF, 0u) << x << ", " << y;
    }
    for (int x = 65; x < 128; ++x) {
        EXPECT_LE(glow.At(x, 64) & 0xFF, glow.At(x - 1, 64) & 0xFF) << "x " << x;
    }
}

TEST_F(GeneratedImages, PicturesDrawnWithTheGlowingBlendAreWhiteWhereClear)
{
    // The glowing blend multiplies the background by the picture's colour, clear pixels too.
    for (const char8_t* name : {u8"star.png", u8"HP Item.png", u8"星 (1).png"}) {
        const Picture picture = Open(name);
        int clear = 0;
        for (std::uint32_t pixel : picture.pixels) {
            if ((pixel >> 24) == 0) {
                ++clear;
                ASSERT_EQ(pixel & 0xFFFFFF, 0xFFFFFFu) << reinterpret_cast<const char*>(name);
            }
        }
        EXPECT_GT(clear, 0) << reinterpret_cast<const char*>(name);
    }
}

TEST_F(GeneratedImages, TheSameSourcesGiveTheSameBytes)
{
    const fs::path againRun = MakeTempDir();
    ASSERT_FALSE(againRun.empty());
    const fs::path again = againRun / files::kTextureDir;
    fs::create_directories(again);
    ASSERT_TRUE(GenerateImages(againRun));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(sDir)) {
        ++files;
        const fs::path other = again / entry.path().filename();
        ASSERT_TRUE(fs::exists(other)) << other;
        EXPECT_TRUE(Bytes(entry.path()) == Bytes(other)) << entry.path().filename();
    }
    EXPECT_EQ(files, 57);
    std::error_code ignored;
    fs::remove_all(againRun, ignored);
}

TEST(GenerateImagesFailure, AnUnwritableFolderIsReportedAsFailure)
{
    testing::internal::CaptureStderr();
    EXPECT_FALSE(GenerateImages("/nonexistent-zem-folder"));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("player"), std::string::npos) << errors;
}

} // namespace
