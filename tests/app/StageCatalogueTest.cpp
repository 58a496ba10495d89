// Stages as data: a folder's description, the game's own stages and a player's, and which of
// them the title lets the player choose.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

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

TEST(StageDescriptionTest, ALongDescriptionIsReadAsFarAsItsWholeLinesWithinTheBound)
{
    const std::string comment = "# " + std::string(97, '-') + "\n"; // 100 bytes
    std::string full;
    for (int i = 0; i < 40; ++i) full += comment;
    full += "look = 2\n"; // 4,009 bytes so far
    const struct {
        const char* name;
        std::string text;
        int look;
        float startY;
        bool said;
    } cases[] = {
        // The bound cuts "start = 300 1000" after "10": that line is not read.
        {"three bytes past the bound", full + std::string(72, '#') + "\nstart = 300 1000\n", 2, 1300, true},
        {"exactly at the bound", full + std::string(69, '#') + "\nstart = 300 1000\n", 2, 1000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        dir.Write("long/Stage.ini", c.text);
        ASSERT_EQ(c.text.size(), c.said ? 4099u : 4096u);
        testing::internal::CaptureStderr();
        const StageDescription stage = ReadStageFolder(dir.Path() / "long", "long", FirstStage());
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(stage.look, c.look);
        EXPECT_FLOAT_EQ(stage.start.y, c.startY);
        EXPECT_EQ(err.find("longer than 4096 bytes; only the whole lines within them are read") != std::string::npos,
                  c.said)
            << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), c.said ? 1 : 0) << err;
    }
}

// A name longer than the title shows is cut, and the description says so; a name made up elsewhere
// (a folder's) can never break the description's lines.
TEST(StageDescriptionTest, ANameIsCutToWhatTheTitleShowsInOneLineAndWrittenOnOneLine)
{
    TempDir dir;
    dir.Write("long/Stage.ini", "name = " + std::string(50, 'a') + "\n");
    testing::internal::CaptureStderr();
    const StageDescription stage = ReadStageFolder(dir.Path() / "long", "long", FirstStage());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(stage.name, std::string(32, 'A'));
    EXPECT_NE(err.find("Stage.ini: line 1: a name of 50 characters; the title shows the first 32: '" +
                       std::string(32, 'A') + "'\n"),
              std::string::npos)
        << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;

    StageDescription injected = FirstStage();
    injected.name = "nl\ntune = 3";
    const std::string text = FormatStageDescription(injected);
    EXPECT_NE(text.find("name = NL?TUNE = 3\ntune = 1\n"), std::string::npos) << text;
}

// Every entry of a player's stages folder that is no stage is named in one line, the first few of
// them; what zem-stage leaves beside a stage while it writes one is passed over without a word.
TEST(StageCatalogueTest, APlayersStagesAreTheFoldersHoldingATileGridInNameOrder)
{
    TempDir dir;
    dir.Write("zeta/Map005.csv", "0\n");
    dir.Write("alpha/Map005.csv", "0\n");
    dir.Write("alpha/Stage.ini", "name = First Of Mine\n");
    dir.Write("empty-folder/readme.txt", "nothing here\n");
    dir.Write("loose-file.csv", "0\n");
    dir.Write(".zeta.zem-k3Xq9Z/Map005.csv", "0\n"); // zem-stage at work
    std::filesystem::create_symlink("loop", dir.Path() / "loop");
    testing::internal::CaptureStderr();
    const auto stages = PlayerStages(dir.Path());
    const std::string err = testing::internal::GetCapturedStderr();
    ASSERT_EQ(stages.size(), 2u);
    EXPECT_EQ(stages[0].id, "alpha");
    EXPECT_EQ(stages[0].name, "FIRST OF MINE");
    EXPECT_EQ(stages[1].name, "ZETA"); // no description: named after its folder
    EXPECT_FALSE(stages[0].ownStage);
    const std::string folder = "zem: " + dir.Path().string() + ": ";
    EXPECT_EQ(err, folder + "'empty-folder' holds no Map005.csv; skipped\n" + folder +
                       "'loop' cannot be read (Too many levels of symbolic links); skipped\n" + folder +
                       "'loose-file.csv' is not a folder; skipped\n" + "zem: " + (dir.Path() / "zeta").string() +
                       "/Stage.ini: no stage description; the stage keeps its defaults\n");
    EXPECT_TRUE(PlayerStages(dir.Path() / "missing").empty());

    for (int i = 0; i < 6; ++i) dir.Write("note" + std::to_string(i) + ".txt", "");
    testing::internal::CaptureStderr();
    EXPECT_EQ(PlayerStages(dir.Path()).size(), 2u);
    const std::string many = testing::internal::GetCapturedStderr();
    EXPECT_NE(many.find(folder + "4 more entries that are no stages skipped\n"), std::string::npos) << many;
    EXPECT_EQ(std::count(many.begin(), many.end(), '\n'), 5 + 1 + 1) << many;

    // A folder named like one of the game's stages keeps its results apart from that stage's.
    dir.Write("2/Map005.csv", "0\n");
    testing::internal::CaptureStderr();
    const auto withNumber = PlayerStages(dir.Path());
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(withNumber.size(), 3u);
    EXPECT_EQ(withNumber[0].id, "./2");
    EXPECT_EQ(withNumber[0].name, "2");
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
