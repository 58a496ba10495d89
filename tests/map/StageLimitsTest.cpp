#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "enemies/EnemyKinds.h"
#include "map/CellCodes.h"
#include "map/StageLimits.h"

namespace {

// The three grids the limits count, on the heap (they are large).
struct Content {
    StageGrid enemies = {};
    StageGrid scores = {};
    StageGrid heals = {};

    StageContent View() const { return {enemies, scores, heals}; }
    // `count` codes into `grid`, row by row across `columns` columns from (row, column).
    void Fill(StageGrid& grid, int32_t code, int count, int row, int column, int columns)
    {
        for (int i = 0; i < count; ++i) grid[row + i / columns][column + i % columns] = code;
    }
};

struct Expected {
    bool refused;
    int row;
    int column;
};

struct LimitCase {
    const char* name;
    std::function<void(Content&)> fill;
    std::vector<Expected> problems;
};

// Every cell of the top row, then every other cell of the bottom row: never more than 48 units in
// a window, so they count towards the stage's enemies without crowding any screen.
Expected EnemyPlace(int index)
{
    return index < kMapCols ? Expected{true, 0, index} : Expected{true, kMapRows - 1, 2 * (index - kMapCols)};
}

void EnemiesAlongTopAndBottom(Content& content, int count)
{
    for (int i = 0; i < count; ++i) content.enemies[EnemyPlace(i).row][EnemyPlace(i).column] = kSpawnWalkEnemy;
}

TEST(StageLimitsTest, EachLimitHoldsAtItsValueAndIsPassedOneAbove)
{
    const int lastRow = kMapRows - 1;
    const LimitCase cases[] = {
        {"an empty stage", [](Content&) {}, {}},
        {"the stage's enemies at the limit", [](Content& c) { EnemiesAlongTopAndBottom(c, kStageEnemyLimit); }, {}},
        {"one enemy more: named where it is",
         [](Content& c) { EnemiesAlongTopAndBottom(c, kStageEnemyLimit + 1); },
         {EnemyPlace(kStageEnemyLimit)}},
        {"a screen at the warning",
         [](Content& c) { c.Fill(c.enemies, kSpawnWalkEnemy, kScreenUnitsWarning, 0, 0, 30); }, {}},
        {"a screen one unit past the warning",
         [](Content& c) { c.Fill(c.enemies, kSpawnWalkEnemy, kScreenUnitsWarning + 1, 0, 0, 30); },
         {{false, 0, 0}}},
        {"a screen at the limit",
         [](Content& c) { c.Fill(c.enemies, kSpawnWalkEnemy, kScreenUnitsLimit, 10, 100, 30); },
         {{false, 0, 98}}},
        {"a screen one unit past the limit",
         [](Content& c) { c.Fill(c.enemies, kSpawnWalkEnemy, kScreenUnitsLimit + 1, 10, 100, 30); },
         {{true, 0, 98}}},
        {"flying enemies weigh three: as many as the limit holds",
         [](Content& c) { c.Fill(c.enemies, kSpawnFlyEnemy, kScreenUnitsLimit / 3, 0, 0, 20); },
         {{false, 0, 0}}},
        {"one flying enemy more",
         [](Content& c) { c.Fill(c.enemies, kSpawnFlyEnemy, kScreenUnitsLimit / 3 + 1, 0, 0, 20); },
         {{true, 0, 0}}},
        {"enemies, stars and hearts of one screen add up",
         [](Content& c) {
             c.Fill(c.enemies, kSpawnSlime, 40, 0, 0, 20);   // 40
             c.Fill(c.scores, kScoreSmall, 20, 5, 0, 20);     // 40
             c.Fill(c.scores, kScoreBig, 3, 10, 0, 3);        // 21
             c.Fill(c.heals, kHealHeart, 4, 12, 0, 4);        // 24: 125 in all
         },
         {{true, 0, 0}}},
        {"codes the game makes nothing of weigh nothing",
         [](Content& c) {
             c.Fill(c.enemies, 4, kMapRows * kMapCols, 0, 0, kMapCols);
             c.Fill(c.scores, 3, kMapRows * kMapCols, 0, 0, kMapCols);
             c.Fill(c.heals, -1, kMapRows * kMapCols, 0, 0, kMapCols);
         },
         {}},
        {"two crowds apart are both named, the fuller first; a crowd is named once",
         [](Content& c) {
             c.Fill(c.enemies, kSpawnWalkEnemy, 70, lastRow - 2, 300, 30);
             c.Fill(c.enemies, kSpawnWalkEnemy, 130, 0, 0, 26);
         },
         {{true, 0, 0}, {false, 0, 298}}},
        {"the stage's count comes before its screens",
         [](Content& c) {
             EnemiesAlongTopAndBottom(c, kStageEnemyLimit + 1);
             c.Fill(c.enemies, kSpawnFlyEnemy, 60, 5, 200, 20);
         },
         {EnemyPlace(kStageEnemyLimit), {true, 0, 188}}},
    };
    for (const LimitCase& limitCase : cases) {
        auto content = std::make_unique<Content>();
        limitCase.fill(*content);
        const std::vector<StageLimitProblem> problems = CheckStageLimits(content->View());
        ASSERT_EQ(problems.size(), limitCase.problems.size()) << limitCase.name;
        for (size_t i = 0; i < problems.size(); ++i) {
            const Expected& expected = limitCase.problems[i];
            EXPECT_EQ(problems[i].refused, expected.refused) << limitCase.name << " #" << i << ": " << problems[i].what;
            EXPECT_EQ(problems[i].row, expected.row) << limitCase.name << " #" << i;
            EXPECT_EQ(problems[i].column, expected.column) << limitCase.name << " #" << i;
        }
    }
}

TEST(StageLimitsTest, AWindowSaysWhatItHoldsAndInWhichGrids)
{
    auto content = std::make_unique<Content>();
    content->Fill(content->enemies, kSpawnWalkEnemy, 101, 0, 0, 25);
    content->Fill(content->enemies, kSpawnJumpEnemy, 1, 6, 0, 1);
    content->Fill(content->heals, kHealHeart, 3, 8, 0, 3);
    const auto problems = CheckStageLimits(content->View());
    ASSERT_EQ(problems.size(), 1u);
    const StageLimitProblem& window = problems[0];
    EXPECT_TRUE(window.refused);
    EXPECT_EQ(window.columns, kScreenColumns);
    EXPECT_EQ(window.grids, (std::vector<ContentGrid>{ContentGrid::Enemies, ContentGrid::Heals}));
    EXPECT_EQ(window.what, "hold 121 units of drawing (101 walking enemies, 1 jumping enemy, 3 hearts), more than the " +
                               std::to_string(kScreenUnitsLimit) + " a screen may hold")
        << "101 + 2 + 18 units";
    EXPECT_EQ(FullestScreenUnits(content->View()), 121);
}

// A kind added to the stage without its weight would let any number of it through.
TEST(StageLimitsTest, EveryEnemyKindTheStageMakesWeighsSomething)
{
    auto weighs = []<class... Kinds>(KindList<Kinds...>) {
        return ((EnemyUnits(EnemyKind<Kinds>::kSpawnCode) > 0) && ...);
    };
    EXPECT_TRUE(weighs(StageEnemyKinds{}));
    EXPECT_GT(ScoreUnits(kScoreSmall), 0);
    EXPECT_GT(ScoreUnits(kScoreBig), 0);
    EXPECT_GT(HealUnits(kHealHeart), 0);
}

} // namespace
