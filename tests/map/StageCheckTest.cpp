// What a stage needs to play as meant, checked alike by zem-stage and by the game when it loads a
// player's stage: one goal marker, the hero's start in the open above ground, 2 x 2 items with
// their block to themselves.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "map/StageCheck.h"
#include "scenes/Game.h"
#include "support/StageFixture.h"

namespace {

// The five grids on the heap (250 KB), drawn in a few characters: '.' empty, '1' ground, '=' plank,
// '^' spikes, 'G' goal marker, 'w' an enemy, '$' big star, '+' heart, 'k' a sign.
struct Grids {
    StageGrid tiles = {}, enemies = {}, scores = {}, heals = {}, signs = {};

    void Put(int row, int column, const std::string& cells)
    {
        for (size_t i = 0; i < cells.size(); ++i) {
            const int c = column + static_cast<int>(i);
            switch (cells[i]) {
            case '.': tiles[row][c] = enemies[row][c] = scores[row][c] = heals[row][c] = signs[row][c] = 0; break;
            case '1': tiles[row][c] = 1; break;
            case '=': tiles[row][c] = 4; break;
            case '^': tiles[row][c] = 5; break;
            case 'G': tiles[row][c] = 8; break;
            case 'w': enemies[row][c] = 1; break;
            case '$': scores[row][c] = 2; break;
            case '+': heals[row][c] = 1; break;
            case 'k': signs[row][c] = 1; break;
            default: break;
            }
        }
    }

    // Each problem as "row,column: what" (cells from 0; "-" for none).
    std::vector<std::string> Check(platform::Vec2 start) const
    {
        std::vector<std::string> found;
        const int count = CheckStage({tiles, enemies, scores, heals, signs}, start, [&](const StageProblem& p) {
            const std::string place = p.row < 0 ? "-" : std::to_string(p.row) + "," + std::to_string(p.column);
            found.push_back(place + ": " + p.what);
        });
        EXPECT_EQ(count, static_cast<int>(found.size()));
        return found;
    }
};

// A stage that passes: ground along row 34 (its top at y = 1360), a goal marker; the hero's
// usual start (200, 1300) is over columns 4 and 5, rows 31 to 33.
std::unique_ptr<Grids> GoodStage()
{
    auto grids = std::make_unique<Grids>();
    grids->Put(34, 0, std::string(kMapCols, '1'));
    grids->Put(30, 340, "G");
    return grids;
}

int Count(const std::string& text, const std::string& word)
{
    int count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++count;
    return count;
}

bool Has(const std::string& problem, const std::string& place, const std::string& words)
{
    return problem.rfind(place + ": ", 0) == 0 && problem.find(words) != std::string::npos;
}

// The hero's 45 x 75 box, centred on its start, may touch a tile's edge but not enter it.
TEST(StageCheckTest, TheHeroStartsInTheOpenWithGroundBelow)
{
    const struct {
        const char* name;
        platform::Vec2 start;
        int row; // a row to change, or -1
        int column;
        const char* cells;
        std::vector<std::pair<std::string, std::string>> problems; // place and words
    } cases[] = {
        {"standing on the ground", {200, 1322.5f}, -1, 0, "", {}},
        {"on a plank", {200, 1242.5f}, 32, 4, "==", {}},
        {"one pixel into the ground",
         {200, 1323.5f},
         -1,
         0,
         "",
         {{"34,4", "puts its box inside this tile and 1 more"}, {"-", "no ground under the hero's start"}}},
        {"touching a wall on its right", {177.5f, 1322.5f}, 32, 5, "111", {}},
        {"one pixel into a wall on its right",
         {178.5f, 1322.5f},
         32,
         5,
         "111",
         {{"32,5", "puts its box inside this tile"}}},
        {"touching a ceiling", {200, 1317.5f}, 31, 4, "11", {}},
        {"one pixel into a ceiling", {200, 1316.5f}, 31, 4, "11", {{"31,4", "inside this tile and 1 more"}}},
        {"inside spikes", {200, 1322.5f}, 33, 5, "^", {{"33,5", "puts its box inside this tile"}}},
        {"over a pit",
         {200, 1322.5f},
         34,
         3,
         "....",
         {{"-", "no ground under the hero's start (200, 1322.5), in columns 5 to 6"}}},
        {"over spikes only", {200, 1322.5f}, 34, 4, "^^", {{"-", "no ground under"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto grids = GoodStage();
        if (c.row >= 0) grids->Put(c.row, c.column, c.cells);
        const auto found = grids->Check(c.start);
        ASSERT_EQ(found.size(), c.problems.size()) << (found.empty() ? "" : found[0]);
        for (size_t i = 0; i < found.size(); ++i) {
            EXPECT_TRUE(Has(found[i], c.problems[i].first, c.problems[i].second)) << found[i];
        }
    }
}

TEST(StageCheckTest, ExactlyOneGoalMarker)
{
    auto none = std::make_unique<Grids>();
    none->Put(34, 0, std::string(kMapCols, '1'));
    EXPECT_EQ(none->Check({200, 1300}), std::vector<std::string>{"-: no goal marker; the goal star needs one"});

    auto two = GoodStage();
    two->Put(5, 7, "G");
    two->Put(30, 345, "G"); // the same row as the first: the later one is second
    const auto found = two->Check({200, 1300});
    ASSERT_EQ(found.size(), 2u);
    EXPECT_TRUE(Has(found[0], "30,340", "a second goal marker")) << found[0];
    EXPECT_TRUE(Has(found[1], "30,345", "a second goal marker")) << found[1];
}

// A big star or heart is drawn over the 2 x 2 block its cell starts: the other three cells hold
// nothing of any grid, and the block stays inside the stage.
TEST(StageCheckTest, TwoByTwoItemsHaveTheirBlockToThemselves)
{
    auto grids = GoodStage();
    grids->Put(10, 10, "$"); // alone: fine
    grids->Put(10, 20, "+w");
    grids->Put(12, 30, "$");
    grids->Put(13, 31, "k");
    grids->Put(20, 40, "+");
    grids->Put(21, 40, "1");
    grids->Put(5, kMapCols - 1, "$");
    grids->Put(kMapRows - 1, 50, "+");
    const auto found = grids->Check({200, 1300});
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"5,349", "a big star fills the 2 x 2 block to its right and below, which leaves the stage"},
        {"10,21", "the heart to its left fills this cell of its 2 x 2 block; it must be empty"},
        {"13,31", "the big star above it to the left"},
        {"21,40", "the heart above it"},
        {"35,50", "a heart fills the 2 x 2 block to its right and below, which leaves the stage"},
    };
    ASSERT_EQ(found.size(), expected.size()) << (found.empty() ? "" : found[0]);
    for (size_t i = 0; i < found.size(); ++i)
        EXPECT_TRUE(Has(found[i], expected[i].first, expected[i].second)) << found[i];
}

// The game checks a player's stage as it loads it, names each problem with its file and place,
// and plays it as it is; its own stages are not checked again.
TEST(PlayerStageCheckTest, APlayersStageIsNamedWhereItIsWrongAndPlaysOn)
{
    const std::vector<std::string> stage = {
        "....G.......G...",
        "1111111111111111",
    };
    for (const bool own : {false, true}) {
        SCOPED_TRACE(own ? "the game's own" : "a player's");
        StageFixture fixture(stage, 34); // ground along the bottom row, 35
        fixture.frame->mStage.ownStage = own;
        fixture.frame->mStage.start = {220, 1400}; // inside the ground
        testing::internal::CaptureStderr();
        auto game = fixture.MakeGame();
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(game->GetPlayer().Alive());
        if (own) {
            EXPECT_EQ(err.find("Map005.csv"), std::string::npos) << err;
            EXPECT_EQ(err.find("Stage.ini"), std::string::npos) << err;
            continue;
        }
        EXPECT_NE(err.find("zem: Resource/Data/Map005.csv:35:13: a second goal marker"), std::string::npos) << err;
        EXPECT_NE(err.find("zem: Resource/Data/Map005.csv:36:5: the hero's start (220, 1400) puts its box inside this "
                           "tile and 2 more"),
                  std::string::npos)
            << err;
        EXPECT_NE(err.find("zem: Resource/Data/Stage.ini: no ground under the hero's start (220, 1400)"),
                  std::string::npos)
            << err;
        EXPECT_EQ(Count(err, "zem: Resource/Data/"), 3) << err;
    }
}

} // namespace
