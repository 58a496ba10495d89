// zem-stage holds a text stage to the game's limits of what a stage holds: past a hard one it
// refuses the stage, naming the cell or the window's columns; past the softer one it warns.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/Geometry.h"
#include "map/StageLimits.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace {

const std::string kStageCompiler = std::string(ZEM_RUN_DIR) + "/zem-stage";

// An open stage with ground along the bottom and its goal at the far end, and `walkers` walking
// enemies from row 10, column 40 on, 30 to a row. A comment comes first, so row r is line r + 2.
std::string TextStage(int walkers, int walkersPerRow = 30)
{
    std::vector<std::string> rows(kMapRows, std::string(kMapCols, '.'));
    rows.back() = std::string(kMapCols, '=');
    rows[kMapRows - 2][kMapCols - 10] = 'G';
    for (int i = 0; i < walkers; ++i) rows[10 + i / walkersPerRow][40 + i % walkersPerRow] = 'w';
    std::string text = "; a crowd\n";
    for (const std::string& row : rows) text += row + "\n";
    return text;
}

TEST(StageCompilerLimitsTest, RefusesPastAHardLimitAndWarnsPastTheSofterOne)
{
    const struct {
        const char* name;
        std::string stage;
        int exitCode;
        std::string said; // empty: nothing at all
    } cases[] = {
        {"a screen at the warning", TextStage(kScreenUnitsWarning), 0, ""},
        {"a screen past the warning", TextStage(kScreenUnitsWarning + 1), 0,
         "crowd.txt:2:39: warning: columns 39-70 hold 61 units of drawing (61 walking enemies), more than the 60 a "
         "screen should hold; a slower machine may drop frames there\n"},
        {"a screen past the limit", TextStage(kScreenUnitsLimit + 1), 1,
         "crowd.txt:2:39: columns 39-70 hold 101 units of drawing (101 walking enemies), more than the 100 a screen "
         "may hold\n"},
        // 301 walkers over 301 columns: 32 in any window.
        {"one enemy past the stage's limit", TextStage(kStageEnemyLimit + 1, kStageEnemyLimit + 1), 1,
         "crowd.txt:12:341: enemy number 301 of 301, more than the 300 a stage may hold\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto source = dir.Write("crowd.txt", c.stage);
        const auto folder = dir.Path() / "crowd";
        const auto result = RunCommand(kStageCompiler + " " + source.string() + " " + folder.string());
        EXPECT_EQ(result.exitCode, c.exitCode);
        const std::string said = c.said.empty() ? "" : source.parent_path().string() + "/" + c.said;
        EXPECT_EQ(result.err, said);
        EXPECT_EQ(std::filesystem::exists(folder / "EnemyMap005.csv"), c.exitCode == 0);
    }
}

} // namespace
