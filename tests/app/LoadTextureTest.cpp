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

// A chunk of a PNG with its length and a checksum that does not match.
std::string ChunkWithBadChecksum(const std::string& type, const std::string& data)
{
    return BigEndian32(static_cast<uint32_t>(data.size())) + type + data + BigEndian32(0);
}

// A picture whose file is damaged but decodes loads, with one line saying what is wrong with it;
// what the decoder's library prints goes into the game's line, never beside it.
TEST(LoadTextureTest, DamagedPicturesSayWhatIsWrongInOneLine)
{
    TempDir dir;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 64, 48, 32, SDL_PIXELFORMAT_ARGB8888);
    for (int i = 0; i < 64 * 48; ++i) static_cast<uint32_t*>(surface->pixels)[i] = 0xFF000000u | uint32_t(i * 2654435761u >> 8);
    const std::string jpegPath = (dir.Path() / "made.jpg").string();
    ASSERT_EQ(IMG_SaveJPG(surface, jpegPath.c_str(), 90), 0) << IMG_GetError();
    SDL_FreeSurface(surface);
    const std::string jpeg = ReadFile(jpegPath);
    const std::string png = SmallPng(dir, 3, 2);
    constexpr size_t kEndOfHeader = 33; // the signature and the IHDR chunk
    auto withChunks = [&](const std::string& chunks) { return png.substr(0, kEndOfHeader) + chunks + png.substr(kEndOfHeader); };
    std::string badImageData = png;
    const size_t idat = badImageData.find("IDAT");
    uint32_t idatLength = 0;
    for (size_t i = idat - 4; i < idat; ++i) idatLength = idatLength << 8 | static_cast<unsigned char>(badImageData[i]);
    badImageData[idat + 4 + idatLength] ^= 1; // a bit of its checksum
    const std::string badText = ChunkWithBadChecksum("tEXt", std::string("Comment\0x", 9));
    std::string manyBadChunks;
    for (int i = 0; i < 100; ++i) manyBadChunks += badText;
    std::string tooManyBadChunks;
    for (int i = 0; i < 5000; ++i) tooManyBadChunks += badText;

    const struct {
        const char* name;
        std::string bytes;
        bool loads;
        const char* line; // what follows the file's name; nullptr: no line
    } cases[] = {
        {"whole JPEG", jpeg, true, nullptr},
        {"JPEG cut short", jpeg.substr(0, jpeg.size() * 2 / 3), true, "damaged JPEG: the file ends before the picture does"},
        {"JPEG without its end marker", jpeg.substr(0, jpeg.size() - 2), true,
         "damaged JPEG: the file ends before the picture does"},
        {"PNG with a bad text chunk", withChunks(badText), true,
         "damaged PNG: libpng warning: tEXt: CRC error"},
        {"PNG with 100 of them", withChunks(manyBadChunks), true,
         "damaged PNG: libpng warning: tEXt: CRC error; libpng warning: tEXt: CRC error; libpng warning: tEXt: CRC "
         "error (and 97 more)"},
        {"PNG with bad image data", badImageData, false,
         "cannot load image: Error reading the PNG file. (libpng error: IDAT: CRC error)"},
    };
    FakePlatform fake;
    CGameFrameConstruct frame(fake.Services());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.Write("Resource/Texture/" + std::string(c.name), c.bytes).string();
        std::unique_ptr<platform::Texture> texture;
        testing::internal::CaptureStderr();
        frame.LoadTexture(texture, path);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(texture != nullptr, c.loads);
        EXPECT_EQ(err, c.line == nullptr ? "" : "zem: " + path + ": " + c.line + "\n");
        // Standard error is the terminal again.
        testing::internal::CaptureStderr();
        std::fputs("after\n", stderr);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "after\n");
    }

    // More lines than the pipe that gathers them holds never hold the decoder up; the line says
    // that there were more than it could count.
    const std::string path = dir.Write("Resource/Texture/PNG with 5000", withChunks(tooManyBadChunks)).string();
    std::unique_ptr<platform::Texture> texture;
    testing::internal::CaptureStderr();
    frame.LoadTexture(texture, path);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(texture);
    EXPECT_EQ(err.rfind("zem: " + path + ": damaged PNG: libpng warning: tEXt: CRC error; ", 0), 0u) << err;
    EXPECT_NE(err.find(" (and more than "), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

// Every picture held counts against one budget of pixels, a few times what the game's own scenes
// hold; a picture past it is refused in one line, and what a released picture held comes back.
TEST(LoadTextureTest, PicturesPastTheBudgetAreRefusedUntilOthersAreReleased)
{
    TempDir dir;
    const std::string path = dir.Write("Resource/Texture/largest.png", SmallPng(dir, platform::kMaxImageSide,
                                                                                 platform::kMaxImagePixels / platform::kMaxImageSide))
                                 .string();
    FakePlatform fake;
    CGameFrameConstruct frame(fake.Services());
    std::vector<std::unique_ptr<platform::Texture>> held(platform::kPictureBudgetPixels / platform::kMaxImagePixels);
    for (auto& texture : held) ASSERT_EQ(frame.LoadTexture(texture, path), 0);

    std::unique_ptr<platform::Texture> oneMore;
    testing::internal::CaptureStderr();
    EXPECT_NE(frame.LoadTexture(oneMore, path), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "zem: " + path + ": cannot load image: refused: its 4096 x 2048 pixels would take the pictures held past "
              "their budget of 33554432 pixels (33554432 held)\n");
    EXPECT_FALSE(oneMore);

    held.pop_back();
    EXPECT_EQ(frame.LoadTexture(oneMore, path), 0);
    EXPECT_EQ(fake.device.Pictures().Held(), platform::kPictureBudgetPixels);
    held.clear();
    oneMore.reset();
    EXPECT_EQ(fake.device.Pictures().Held(), 0);
}

} // namespace

namespace {

// A dense picture draws at its density only when it has exactly the pixels that density gives
// its layout; a player's picture of another size (its layout's own, say) draws at density 1.
TEST(LoadTextureTest, ADensePictureDrawsDenseOnlyAtItsDesignedSize)
{
    const struct {
        const char* path;
        int width, height;
        int density;
    } cases[] = {
        {"Resource/Texture/star.png", 80, 80, 2},            // made at twice its 40 x 40
        {"Resource/Texture/star.png", 40, 40, 1},            // replaced at its layout's size
        {"Resource/Texture/star.png", 80, 40, 1},            // neither
        {"Resource/Texture/playerBubble.png", 960, 720, 3},  // three times its 320 x 240
        {"Resource/Texture/playerBubble.png", 640, 480, 1},  // a whole multiple, but not its own
        {"Resource/Texture/EnemyBase.png", 720, 302, 1},     // not a dense picture
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string png = SmallPng(dir, c.width, c.height);
        const auto file = dir.Write(c.path, png);
        FakePlatform fake;
        CGameFrameConstruct frame(fake.Services());
        std::unique_ptr<platform::Texture> texture;
        ASSERT_EQ(frame.LoadTexture(texture, file.string()), 0) << c.path;
        EXPECT_EQ(texture->Density(), c.density) << c.path << ' ' << c.width << 'x' << c.height;
    }
}

} // namespace
