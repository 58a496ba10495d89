// The campaign from the outside: choosing a stage on the title, the stage played carried in the
// trace, and a player's own stage made with zem-stage and listed after the game's.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "HeadlessRun.h"

namespace {

const std::string kStageCompiler = std::string(ZEM_RUN_DIR) + "/zem-stage";

bool Has(const std::string& line, const std::string& text)
{
    return line.find(text) != std::string::npos;
}

// The first stage is open at the start; clearing it (a fewest-frames result) opens the second,
// which Right chooses before Enter. Right does nothing while only the first is open.
TEST(CampaignTest, TheTitleChoosesAmongTheOpenStages)
{
    const struct {
        const char* bests;
        const char* stageField;
    } cases[] = {
        {"", "\"stage\":1"},
        {"score 10\nframes 4000\n", "\"stage\":2"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const auto best = dir.Write("best-results.txt", c.bests);
        const auto lines = HeadlessRun("1\n10 Right\n11\n20 Enter\n21\n", 40, "--best " + best.string()).Lines();
        ASSERT_EQ(lines.size(), 40u);
        EXPECT_TRUE(Has(lines[25], "\"scene\":\"game\"")) << lines[25];
        EXPECT_TRUE(Has(lines[25], c.stageField)) << lines[25];
    }
}

// A text stage compiled by zem-stage into the player's stages folder is listed after the game's
// three and open from the start; zem-stage names what is wrong with a bad one in a line each.
TEST(CampaignTest, APlayersStageIsMadeWithZemStageAndPlayed)
{
    TempDir dir;
    const auto made = RunCommand(kStageCompiler + " " + ZEM_SOURCE_DIR + "/data/stage.txt " +
                                 (dir.Path() / "stages" / "my-meadow").string());
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "stages" / "my-meadow" / "Stage.ini"));
    const auto lines =
        HeadlessRun("1\n10 Right\n11\n20 Enter\n21\n", 40, "--stages " + (dir.Path() / "stages").string()).Lines();
    EXPECT_TRUE(Has(lines[25], "\"stage\":4")) << lines[25];

    const struct {
        const char* text;
        const char* message;
    } bad[] = {
        {"@name = x\n", "no more than"},                  // no rows at all
        {"@tune = 7\n", "'tune' needs a number from 1 to 3"},
    };
    for (const auto& b : bad) {
        const auto source = dir.Write("bad.txt", b.text);
        const auto result = RunCommand(kStageCompiler + " " + source.string() + " " + (dir.Path() / "out").string());
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_FALSE(result.err.empty());
    }
    // An unknown character and a missing goal are named at their place.
    std::string stage = ReadFile(std::string(ZEM_SOURCE_DIR) + "/data/stage.txt");
    const auto goal = stage.rfind('G'); // in the grid, below the legend
    ASSERT_NE(goal, std::string::npos);
    std::string noGoal = stage;
    noGoal[goal] = '.';
    const auto noGoalFile = dir.Write("nogoal.txt", noGoal);
    const auto result = RunCommand(kStageCompiler + " " + noGoalFile.string() + " " + (dir.Path() / "out").string());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("no goal marker; the goal star needs one"), std::string::npos) << result.err;
    std::string strange = stage;
    strange[goal] = 'Q';
    const auto strangeFile = dir.Write("strange.txt", strange);
    const auto strangeResult =
        RunCommand(kStageCompiler + " " + strangeFile.string() + " " + (dir.Path() / "out").string());
    EXPECT_EQ(strangeResult.exitCode, 1);
    EXPECT_NE(strangeResult.err.find("'Q'"), std::string::npos) << strangeResult.err;
}

} // namespace
