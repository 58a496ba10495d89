// What ties a recording and a ghost to the data they were made on: the game's own data for the
// game's stages, a player's stage's own files and description for that stage, and the player's
// stages the title listed for a recording.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/DataStamp.h"
#include "support/TempDir.h"

namespace {

// A player's stage as the title lists it, from `folder` under `dir`.
StageDescription PlayerStage(const std::filesystem::path& folder)
{
    StageDescription fallback = FirstStage();
    fallback.ownStage = false;
    return ReadStageFolder(folder, folder.filename().string(), fallback);
}

void WriteStage(const TempDir& dir, const std::string& folder)
{
    dir.Write(folder + "/Map005.csv", "1,1,1\n");
    dir.Write(folder + "/EnemyMap005.csv", "0,0,0\n");
    dir.Write(folder + "/Stage.ini", "name = CASTLE\nstart = 200 1300\n");
}

TEST(DataStampTest, APlayersStageIsStampedByItsNameDescriptionAndGrids)
{
    TempDir dir;
    ScopedWorkingDir inDir(dir.Path());
    EXPECT_EQ(StageDataStamp(FirstStage()), GameDataStamp()) << "the game's own stages keep the game data's stamp";

    WriteStage(dir, "a/castle");
    const std::string before = StageDataStamp(PlayerStage(dir.Path() / "a/castle"));
    EXPECT_EQ(before.size(), 16u);
    EXPECT_NE(before, GameDataStamp());
    // The same stage in another folder of stages stamps the same: only its own name counts.
    WriteStage(dir, "b/castle");
    EXPECT_EQ(StageDataStamp(PlayerStage(dir.Path() / "b/castle")), before);

    const struct {
        const char* what;
        const char* file;
        const char* text;
    } edits[] = {
        {"a tile", "Map005.csv", "1,1,2\n"},
        {"an enemy", "EnemyMap005.csv", "0,1,0\n"},
        {"the name", "Stage.ini", "name = KEEP\nstart = 200 1300\n"},
        {"the start", "Stage.ini", "name = CASTLE\nstart = 200.5 1300\n"},
        {"a sign grid", "SignMap005.csv", "0\n"},
    };
    for (const auto& edit : edits) {
        TempDir other;
        WriteStage(other, "castle");
        other.Write(std::string("castle/") + edit.file, edit.text);
        EXPECT_NE(StageDataStamp(PlayerStage(other.Path() / "castle")), before) << edit.what;
    }
    WriteStage(dir, "a/keep");
    EXPECT_NE(StageDataStamp(PlayerStage(dir.Path() / "a/keep")), before) << "the folder's name";
}

TEST(DataStampTest, ARecordingReplaysOnlyOnTheDataAndStagesItWasMadeOn)
{
    TempDir dir;
    ScopedWorkingDir inDir(dir.Path());
    WriteStage(dir, "stages/castle");
    WriteStage(dir, "stages/keep");
    const std::vector<StageDescription> game{FirstStage()};
    std::vector<StageDescription> listed{FirstStage(), PlayerStage(dir.Path() / "stages/castle")};
    const std::string data = GameDataStamp();
    const std::string stages = PlayerStagesStamp(listed);
    EXPECT_EQ(PlayerStagesStamp(game), "") << "no stage of the player's: no stamp, no line";
    EXPECT_EQ(stages.size(), 16u);
    auto more = listed;
    more.push_back(PlayerStage(dir.Path() / "stages/keep"));

    const struct {
        std::string dataStamp;
        std::string stagesStamp;
        std::vector<StageDescription> stages;
        std::string problem;
    } cases[] = {
        {data, "", game, ""},
        {data, stages, listed, ""},
        {"0123456789abcdef", "", game,
         "recorded on other game data (stamp '0123456789abcdef', this game's is '" + data + "')"},
        {"", "", game, "recorded on other game data (stamp none, this game's is '" + data + "')"},
        {"\x1b]0;x\a", "", game, "recorded on other game data (stamp '\\e]0;x\\a', this game's is '" + data + "')"},
        {data, "", listed, "recorded without stages of the player's own, and the title lists some now"},
        {data, stages, game,
         "recorded with other stages of the player's own (stamp '" + stages + "', there are none now)"},
        {data, stages, more,
         "recorded with other stages of the player's own (stamp '" + stages + "', now '" + PlayerStagesStamp(more) +
             "')"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RecordedDataProblem(c.dataStamp, c.stagesStamp, c.stages), c.problem) << c.problem;
    }
}

} // namespace
