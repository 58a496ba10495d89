// No picture is ever drawn larger than its own pixels: the recorded route (title, the whole stage,
// the goal star's turn, the result) and a defeat (game over) are played through the recording
// sprite, and every draw's scale is measured against its source rectangle. The same runs measure
// what the game's own pictures and sounds hold of their budgets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "app/GameFrame.h"
#include "app/Geometry.h"
#include "app/KeyTimeline.h"
#include "platform/PictureBudget.h"
#include "platform/SoundBudget.h"
#include "scenes/SceneFactory.h"
#include "support/DrawnPictures.h"
#include "support/FakePlatform.h"

namespace {

// How many screen pixels one picture pixel covers, along the wider of its two axes. The draw's
// matrix scales layout pixels; a dense picture has more of its own pixels in each.
double Magnification(const DrawCall& draw)
{
    const platform::Matrix& t = draw.transform;
    const double scale = std::fmax(std::hypot(t.m[0][0], t.m[0][1]), std::hypot(t.m[1][0], t.m[1][1]));
    return scale / draw.texture->Density();
}

struct Measured {
    std::map<std::string, double> largest; // the largest magnification of each picture
    long long mostPixelsHeld = 0;          // of all pictures at once, at the end of a frame
    long long mostSoundBytesHeld = 0;      // of all sounds at once, likewise
};

Measured LargestScales(const std::string& timelineFile, long frames)
{
    Measured measured;
    std::map<std::string, double>& largest = measured.largest;
    KeyTimeline timeline;
    std::string error;
    std::ifstream in(timelineFile);
    EXPECT_TRUE(in) << timelineFile;
    EXPECT_TRUE(timeline.Parse(in, timelineFile, error)) << error;

    FakePlatform fake;
    auto game = std::make_unique<CGameFrameConstruct>(fake.Services());
    game->Init();
    game->Start(CreateScene);
    for (long frame = 1; frame <= frames; ++frame) {
        fake.keyboard.ReleaseAll();
        for (int vk : timeline.KeysAt(frame)) fake.keyboard.Press(vk);
        game->RunFrame();
        for (const DrawCall& draw : fake.sprite.Draws()) {
            const int alpha = static_cast<int>(draw.color >> 24);
            if (alpha == 0) continue; // draws nothing
            double& scale = largest[DrawnFile(draw)];
            scale = std::fmax(scale, Magnification(draw));
        }
        measured.mostPixelsHeld = std::max(measured.mostPixelsHeld, fake.device.Pictures().Held());
        measured.mostSoundBytesHeld = std::max(measured.mostSoundBytesHeld, fake.audio.Sounds().Held());
    }
    game.reset();
    return measured;
}

// The runs measured: the route through the whole stage and a defeat; each played once.
const char* const kRuns[] = {"stage-1.keys", "defeated-by-walker.keys"};

const Measured& Played(const std::string& timeline)
{
    static std::map<std::string, Measured> played;
    const auto known = played.find(timeline);
    if (known != played.end()) return known->second;
    const std::filesystem::path data = std::filesystem::path(ZEM_SOURCE_DIR) / "tests/e2e/data";
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(ZEM_RUN_DIR);
    const long frames = timeline == "stage-1.keys" ? 4785 : 1000;
    const Measured& measured = played[timeline] = LargestScales((data / timeline).string(), frames);
    std::filesystem::current_path(before);
    return measured;
}

// Sharper pictures and longer sounds are larger: the game's own scenes must leave the budgets
// for all pictures and all sounds most of their room, or a player's larger files would be
// refused.
TEST(PictureScaleTest, TheGamesOwnDataLeavesTheBudgetsMostOfTheirRoom)
{
    for (const char* timeline : kRuns) {
        const Measured& measured = Played(timeline);
        EXPECT_LE(measured.mostPixelsHeld * 3, platform::kPictureBudgetPixels)
            << timeline << ": " << measured.mostPixelsHeld << " pixels held at once";
        EXPECT_LE(measured.mostSoundBytesHeld * 4, platform::kSoundBudgetBytes)
            << timeline << ": " << measured.mostSoundBytesHeld << " bytes of sounds held at once";
        EXPECT_GT(measured.mostSoundBytesHeld, 0) << timeline;
    }
}

TEST(PictureScaleTest, NoPictureIsDrawnLargerThanItsPixels)
{
    for (const char* timeline : kRuns) {
        std::ostringstream larger;
        const Measured& measured = Played(timeline);
        for (const auto& [file, scale] : measured.largest) {
            // A hundredth of slack for the rounding of a matrix built in single precision. The
            // goal star's turn ends 52 times its 120 pixels wide, beyond any picture the game
            // loads; its picture holds a 2048-pixel square, and only about the last 22 of the
            // turn's 81 updates draw it larger (at most three times).
            static const std::map<std::string, double> stillLarger = {
                {"星クリア.png", 52.0 * kGoalStarSize / kGoalStarPicture},
            };
            const auto known = stillLarger.find(file);
            const double allowed = known != stillLarger.end() ? known->second : 1.01;
            if (scale > allowed) larger << ' ' << file << " x" << scale;
        }
        EXPECT_TRUE(larger.str().empty()) << timeline << ": drawn larger than their pixels:" << larger.str();
    }
}

} // namespace
