// Behind the tiles: the darkness of a pit and the signs. Both only show; they are data of the
// stage (the sign grid is a stage file of its own) and a missing sign file shows no signs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/FontSheet.h"
#include "app/SignSheet.h"
#include "scenes/Game.h"
#include "support/DrawnPictures.h"
#include "support/StageFixture.h"

namespace {

// Rows 31..35. A pit of two columns (8, 9) between ground two rows deep on its left and three
// on its right; the ground ends at column 12 with open space beyond, which is no pit.
const std::vector<std::string> kStage = {
    ".k..........", "............", "..........11", "11111111..11", "11111111..11",
};
constexpr int kTop = 31;

TEST(MapBackdropTest, APitIsDarkFromTheLowerGroundBesideItAndASignStandsOnItsCell)
{
    StageFixture fixture(kStage, kTop);
    auto game = fixture.MakeGame();
    FakePlatform::Step(*game);
    const auto draws = fixture.fake.DrawFrame(*game);
    const platform::Vec2 camera = game->GetCamera().GetPos();

    const auto pit = DrawsOf(draws, "PitShade.png");
    ASSERT_EQ(pit.size(), 4u);
    struct Cell {
        int column, row, sourceLeft;
    };
    // Column by column: the rim on the lower ground's level (row 34), darkness below it.
    const Cell expected[] = {{8, 34, 0}, {8, 35, 40}, {9, 34, 0}, {9, 35, 40}};
    for (size_t i = 0; i < pit.size(); ++i) {
        EXPECT_EQ(pit[i].source.left, expected[i].sourceLeft) << i;
        EXPECT_FLOAT_EQ(DrawnTopLeft(pit[i]).x, 40.0f * expected[i].column - camera.x) << i;
        EXPECT_FLOAT_EQ(DrawnTopLeft(pit[i]).y, 40.0f * expected[i].row - camera.y) << i;
    }

    // The sign covers its cell, the one right of it and the two above.
    const auto signs = DrawsOf(draws, "Signs.png");
    ASSERT_EQ(signs.size(), 1u);
    EXPECT_EQ(signs[0].source.left, 0);
    EXPECT_EQ(signs[0].source.right, 80);
    EXPECT_FLOAT_EQ(DrawnTopLeft(signs[0]).x, 40.0f - camera.x);
    EXPECT_FLOAT_EQ(DrawnTopLeft(signs[0]).y, 40.0f * (kTop - 1) - camera.y);

    // Both are drawn after the background and before every tile.
    auto firstOf = [&draws](const std::string& file) {
        return std::find_if(draws.begin(), draws.end(), [&file](const DrawCall& d) { return DrawnFile(d) == file; }) -
               draws.begin();
    };
    EXPECT_LT(firstOf("Back2.png"), firstOf("PitShade.png"));
    EXPECT_LT(firstOf("Signs.png"), firstOf("MapChip12.png"));
}

// A sign names the keys as bound: its bare board, a blank cap for each key and the key's name on
// it; at the defaults, the sign's own picture. A binding changed while the stage runs (the
// pause's options) shows at the next frame drawn.
TEST(MapBackdropTest, ASignLettersTheKeysAsBound)
{
    StageFixture fixture(kStage, kTop);
    const auto textures = fixture.dir.Path() / "Resource/Texture";
    std::filesystem::copy_file(textures / "Labels.png", textures / "Font.png"); // a stand-in font: letters are drawn
    auto game = fixture.MakeGame();
    FakePlatform::Step(*game);
    ASSERT_EQ(DrawsOf(fixture.fake.DrawFrame(*game), "Signs.png").size(), 1u) << "the picture alone at the defaults";

    Settings settings = fixture.frame->PlayerSettings();
    settings.bindings.Keys(Action::WalkLeft) = {"A"};
    fixture.frame->SetSettings(settings);
    const auto draws = fixture.fake.DrawFrame(*game);
    const auto signs = DrawsOf(draws, "Signs.png");
    ASSERT_EQ(signs.size(), 3u); // the board and two caps
    auto same = [](const platform::Rect& a, const platform::Rect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    };
    EXPECT_TRUE(same(signs[0].source, signsheet::SignCell(1, true)));
    EXPECT_TRUE(same(signs[1].source, signsheet::kBlankCap));
    EXPECT_TRUE(same(signs[2].source, signsheet::kBlankCap));
    // The caps are centred where the picture has its own, on the sign's cell (column 1, its top a
    // row up), and at least as wide.
    const platform::Vec2 camera = game->GetCamera().GetPos();
    const float blankWidth = static_cast<float>(signsheet::kBlankCap.right - signsheet::kBlankCap.left);
    for (const auto& [cap, centre] : {std::pair{signs[1], 12.0f + 12.0f}, std::pair{signs[2], 44.0f + 12.0f}}) {
        const float width = cap.transform.m[0][0] * blankWidth;
        EXPECT_GE(width, 24.0f);
        EXPECT_FLOAT_EQ(DrawnTopLeft(cap).x + width / 2.0f, 40.0f + centre - camera.x);
        EXPECT_FLOAT_EQ(DrawnTopLeft(cap).y, 40.0f * (kTop - 1) + 9.0f - camera.y);
    }
    // On them "A" and the right arrow, left to right, in the caps' dark ink (the HUD's clock
    // is lettered too, in white).
    std::vector<int> cells;
    for (const DrawCall& draw : DrawsOf(draws, "Font.png")) {
        if (draw.color == 0xFF263238u) cells.push_back(draw.source.left + draw.source.top * fontsheet::kColumns);
    }
    const platform::Rect a = fontsheet::CellOf('A');
    const platform::Rect right = fontsheet::CellOf(kArrowRight[0]);
    EXPECT_EQ(cells, (std::vector<int>{a.left + a.top * fontsheet::kColumns, right.left + right.top * fontsheet::kColumns}));
}

TEST(MapBackdropTest, SignsAndPitsChangeNoCollision)
{
    // The same stage with and without its sign and its pit darkness: the hero walking right
    // over the sign falls into the pit on the same frame at the same place.
    auto run = [](bool withBackdrop) {
        StageFixture fixture(kStage, kTop);
        if (!withBackdrop) {
            std::filesystem::remove(fixture.dir.Path() / "Resource/Data/SignMap005.csv");
            std::filesystem::remove(fixture.dir.Path() / "Resource/Texture/PitShade.png");
        }
        auto game = fixture.MakeGame();
        fixture.fake.keyboard.Hold({platform::VK_RIGHT});
        std::vector<float> ys;
        for (int i = 0; i < 60; ++i) {
            FakePlatform::Step(*game);
            ys.push_back(game->GetPlayer().GetPos().y);
        }
        return ys;
    };
    testing::internal::CaptureStderr();
    const auto plain = run(false);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(run(true), plain);
}

TEST(MapBackdropTest, AMissingSignFileShowsNoSignsAndSaysSoOnce)
{
    StageFixture fixture(kStage, kTop);
    std::filesystem::remove(fixture.dir.Path() / "Resource/Data/SignMap005.csv");
    testing::internal::CaptureStderr();
    auto game = fixture.MakeGame();
    const std::string errors = testing::internal::GetCapturedStderr();
    FakePlatform::Step(*game);
    EXPECT_TRUE(DrawsOf(fixture.fake.DrawFrame(*game), "Signs.png").empty());
    const size_t named = errors.find("SignMap005.csv");
    ASSERT_NE(named, std::string::npos) << errors;
    EXPECT_EQ(errors.find("SignMap005.csv", named + 1), std::string::npos) << errors;
}

} // namespace
