// The README's reference screenshots (scripts/reference-shots) are real pictures of the game:
// full frames with many colours, not an empty, black or one-colour image.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>

namespace {

TEST(ReferenceShotsTest, EveryShotIsAFullFrameWithManyColours)
{
    for (const char* name : {"title", "stage-start", "stage-2", "stage-3", "first-pit", "trapped-enemy", "mini-form",
                             "bubble-platform", "goal-star", "result", "pit-fall", "game-over"}) {
        SCOPED_TRACE(name);
        const std::string path = std::string(ZEM_SOURCE_DIR) + "/docs/shots/" + name + ".png";
        SDL_Surface* loaded = IMG_Load(path.c_str());
        ASSERT_NE(loaded, nullptr) << IMG_GetError();
        SDL_Surface* image = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(loaded);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->w, 1280);
        EXPECT_EQ(image->h, 720);
        std::map<uint32_t, int> counts;
        int samples = 0;
        for (int y = 0; y < image->h; y += 4) {
            const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(image->pixels) + y * image->pitch);
            for (int x = 0; x < image->w; x += 4, ++samples) ++counts[row[x]];
        }
        SDL_FreeSurface(image);
        int commonest = 0;
        for (const auto& [colour, count] : counts) commonest = std::max(commonest, count);
        EXPECT_GE(counts.size(), 100u);
        EXPECT_LT(commonest, samples / 2) << "one colour fills half the picture";
    }
}

} // namespace
