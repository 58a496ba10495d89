// Stages as data: a folder's description, the game's own stages and a player's, and which of
// them the title lets the player choose.
#include <gtest/gtest.h>

#include "app/AssetFiles.h"
#include "app/BestResults.h"
#include "app/StageDescription.h"
#include "scenes/StagePicker.h"
#include "support/TempDir.h"

namespace {

TEST(StageDescriptionTest, EachLineIsReadOrRefusedByItself)
{
    const struct {
        const char* line;
        bool ok;
    } cases[] = {
        {"name = Sunset Cliffs", true}, {"tune = 3", true},          {"look=2", true},
        {"start = 400 1000", true},     {"tune = 4", false},         {"look = 0", false},
        {"start = 200", false},         {"start = -5 100", false},   {"start = 200 99999", false},
        {"colour = red", false},        {"name =", false},           {"just words", false},
        {"tune = 2 3", false},          {"tune = 2 # sunset", true}, {"name = # none", false},
    };
    for (const auto& c : cases) {
        StageDescription stage = FirstStage();
        std::string problem;
        EXPECT_EQ(ParseStageDescriptionLine(c.line, stage, problem), c.ok) << c.line;
        EXPECT_EQ(problem.empty(), c.ok) << c.line;
    }
    StageDescription stage = FirstStage();
    std::string problem;
    ASSERT_TRUE(ParseStageDescriptionLine("name = caf\xC3\xA9 \x1B[31mnight", stage, problem));
    EXPECT_EQ(stage.name, "CAF?? ?[31MNIGHT"); // upper case, nothing the lettering lacks, no escapes
    // '#' starts a comment wherever the line is read, so zem-stage names a stage as the game will.
    ASSERT_TRUE(ParseStageDescriptionLine("name = RED#1", stage, problem));
    EXPECT_EQ(stage.name, "RED");
}

// zem-stage writes the start the game reads back: to the last bit, or the hero would start
// elsewhere than the compiler checked, or nowhere the game takes (13999.95 written as 14000).
TEST(StageDescriptionTest, TheStartIsWrittenToTheLastBit)
{
    for (const platform::Vec2 start : {platform::Vec2{200.0f, 1300.0f}, platform::Vec2{200.123457f, 1300.5f},
                                       platform::Vec2{13999.95f, 1000.0f}, platform::Vec2{0.1f, 1439.99f}}) {
        StageDescription stage = FirstStage();
        stage.start = start;
        TempDir dir;
        dir.Write("again/Stage.ini", FormatStageDescription(stage));
        testing::internal::CaptureStderr();
        const StageDescription again = ReadStageFolder(dir.Path() / "again", "again", FirstStage());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(again.start.x, start.x);
        EXPECT_EQ(again.start.y, start.y);
    }
    EXPECT_NE(FormatStageDescription(FirstStage()).find("\nstart = 200 1300\n"), std::string::npos);
}

TEST(StageDescriptionTest, AFolderIsReadWithItsGridsAndDescriptionAndBadLinesAreNamed)
{
    TempDir dir;
    dir.Write("castle/Map005.csv", "0\n");
    dir.Write("castle/Stage.ini", "# mine\nname = Castle\nlook = 3\nbogus\ntune = 9\nstart = 300 900\n");
    testing::internal::CaptureStderr();
    const StageDescription stage = ReadStageFolder(dir.Path() / "castle", "castle", FirstStage());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(stage.name, "CASTLE");
    EXPECT_EQ(stage.look, 3);
    EXPECT_EQ(stage.tune, 1); // the bad line kept the default
    EXPECT_FLOAT_EQ(stage.start.x, 300);
    EXPECT_EQ(stage.tileMap, (dir.Path() / "castle" / "Map005.csv").string());
    EXPECT_EQ(stage.mapChips, files::kStageLooks[2].mapChips);
    EXPECT_NE(err.find("Stage.ini: line 4: expected 'key = value'"), std::string::npos) << err;
    EXPECT_NE(err.find("Stage.ini: line 5: 'tune' needs a number from 1 to 3"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2);

    // What the compiler writes reads back the same.
    TempDir other;
    other.Write("again/Stage.ini", FormatStageDescription(stage));
    const StageDescription again = ReadStageFolder(other.Path() / "again", "again", FirstStage());
    EXPECT_EQ(again.name, stage.name);
    EXPECT_EQ(again.look, stage.look);
    EXPECT_FLOAT_EQ(again.start.y, stage.start.y);
}

TEST(StageCatalogueTest, APlayersStagesAreTheFoldersHoldingATileGridInNameOrder)
{
    TempDir dir;
    dir.Write("zeta/Map005.csv", "0\n");
    dir.Write("alpha/Map005.csv", "0\n");
    dir.Write("alpha/Stage.ini", "name = First Of Mine\n");
    dir.Write("empty-folder/readme.txt", "nothing here\n");
    dir.Write("loose-file.csv", "0\n");
    testing::internal::CaptureStderr();
    const auto stages = PlayerStages(dir.Path());
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(stages.size(), 2u);
    EXPECT_EQ(stages[0].id, "alpha");
    EXPECT_EQ(stages[0].name, "FIRST OF MINE");
    EXPECT_EQ(stages[1].name, "ZETA"); // no description: named after its folder
    EXPECT_FALSE(stages[0].ownStage);
    EXPECT_TRUE(PlayerStages(dir.Path() / "missing").empty());
}

TEST(StagePickerTest, TheGameOwnStagesOpenOneByOneAndAPlayersAreOpenFromTheStart)
{
    std::vector<StageDescription> stages(4, FirstStage());
    stages[1].id = "2";
    stages[2].id = "3";
    stages[3].id = "mine";
    stages[3].ownStage = false;
    TempDir dir;
    CBestResultsFile bests(dir.Path() / "best.txt");
    const struct {
        const char* cleared; // stage ids with a fewest-frames result
        std::vector<bool> open;
        int ownOpen;
    } cases[] = {
        {"", {true, false, false, true}, 1},
        {"1", {true, true, false, true}, 2},
        {"12", {true, true, true, true}, 3},
        {"2", {true, false, true, true}, 1}, // stage 3 opens after 2; stage 2 waits for 1
    };
    for (const auto& c : cases) {
        CBestResultsFile book(dir.Path() / (std::string("b") + c.cleared));
        for (const char* id = c.cleared; *id != '\0'; ++id) book.Record(std::string(1, *id), 1, 1, 100);
        CStagePicker picker;
        picker.Init(&stages, &book, 0);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(picker.IsOpen(i), c.open[static_cast<size_t>(i)]) << c.cleared << i;
        EXPECT_EQ(OpenOwnStages(stages, &book), c.ownOpen) << c.cleared;
    }
    // Opened by hand (a stage named on the command line, a replay): open whatever the results.
    CStagePicker picker;
    picker.Init(&stages, nullptr, 2, 2);
    EXPECT_TRUE(picker.IsOpen(1));
    EXPECT_EQ(picker.Choice(), 2);
    // A choice that is not open falls back to the first stage.
    picker.Init(&stages, nullptr, 2);
    EXPECT_EQ(picker.Choice(), 0);
}

} // namespace
