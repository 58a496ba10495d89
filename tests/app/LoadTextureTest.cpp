#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "app/GameFrame.h"
#include "platform/ImageFile.h"
#include "support/FakePlatform.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace {

TEST(LoadTextureTest, MissingOrUndecodablePicturesGiveNullAndOneNamedLine)
{
    TempDir dir;
    const auto garbage = dir.Write("Resource/Texture/broken.png", "not a picture at all");
    FakePlatform fake;
    CGameFrameConstruct frame(fake.Services());
    const std::string paths[] = {garbage.string(), (dir.Path() / "Resource/Texture/none.png").string()};
    for (const std::string& path : paths) {
        std::unique_ptr<platform::Texture> texture;
        testing::internal::CaptureStderr();
        EXPECT_NE(frame.LoadTexture(texture, path), 0);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(texture);
        EXPECT_NE(err.find(path + ": cannot load image"), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
}

std::string BigEndian32(uint32_t v)
{
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}

std::string LittleEndian32(uint32_t v)
{
    return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}

// A PNG of `width` x `height` black pixels, written by SDL_image.
std::string SmallPng(TempDir& dir, int width, int height)
{
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    const std::string path = (dir.Path() / "made.png").string();
    EXPECT_EQ(IMG_SavePNG(surface, path.c_str()), 0) << IMG_GetError();
    SDL_FreeSurface(surface);
    return ReadFile(path);
}

// Pictures whose headers claim more than the game could ever need, or whose parts do not fit
// the file, are refused before any decoding, with one line naming the file.
TEST(LoadTextureTest, HostilePicturesAreRefusedBeforeDecoding)
{
    TempDir dir;
    const std::string png = SmallPng(dir, 3, 2);
    std::string hugePng = png;
    hugePng.replace(16, 8, BigEndian32(65535) + BigEndian32(65535));
    std::string tallPng = png;
    tallPng.replace(16, 8, BigEndian32(1) + BigEndian32(platform::kMaxImageSide + 1));
    const std::string bmpHeader = "BM" + LittleEndian32(70) + LittleEndian32(0) + LittleEndian32(54) + LittleEndian32(40);
    const std::string hugeBmp = bmpHeader + LittleEndian32(60000) + LittleEndian32(uint32_t(-60000)) + std::string(32, '\0');
    const std::string hugeJpeg = std::string("\xFF\xD8\xFF\xE0\x00\x04xx\xFF\xC0\x00\x11\x08\xFF\xFF\xFF\xFF", 17) +
                                 std::string(12, '\0');
    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"PNG claiming 65535 x 65535", hugePng, "refused: the header claims 65535 x 65535 pixels"},
        {"PNG one pixel too tall", tallPng, "refused: the header claims 1 x 4097 pixels"},
        {"BMP claiming 60000 x 60000 top-down", hugeBmp, "refused: the header claims 60000 x 60000 pixels"},
        {"JPEG claiming 65535 x 65535", hugeJpeg, "refused: the header claims 65535 x 65535 pixels"},
        {"PNG cut before its end", png.substr(0, png.size() - 12), "damaged PNG"},
        // Found by fuzzing: a chunk claiming 1.6 GB in a 437-byte file kept the decoder busy for minutes.
        {"PNG chunk longer than the file", ReadFile("fuzz/fuzz_image/png-chunk-longer-than-file.png"), "damaged PNG"},
        {"GIF", "GIF89a" + std::string(20, '\0'), "not a PNG, JPEG or BMP image"},
    };
    FakePlatform fake;
    CGameFrameConstruct frame(fake.Services());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.Write("Resource/Texture/hostile.png", c.bytes).string();
        std::unique_ptr<platform::Texture> texture;
        testing::internal::CaptureStderr();
        EXPECT_NE(frame.LoadTexture(texture, path), 0);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(texture);
        EXPECT_NE(err.find(path + ": cannot load image: " + c.reason), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }

    // The same small picture, whole, loads at its size.
    std::unique_ptr<platform::Texture> texture;
    ASSERT_EQ(frame.LoadTexture(texture, dir.Write("Resource/Texture/fine.png", png).string()), 0);
    EXPECT_EQ(texture->Width(), 3);
    EXPECT_EQ(texture->Height(), 2);
}

} // namespace
