// Every file the game loads exists in the run directory and decodes through the game's own loaders.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/StageDescription.h"
#include "app/WavReader.h"
#include "map/StageCheck.h"
#include "map/StageFiles.h"
#include "map/StageLimits.h"
#include "platform/HeadlessDevice.h"

namespace {

const std::filesystem::path kRun = ZEM_RUN_DIR;

TEST(GameDataTest, EverySoundDecodesThroughTheWaveReader)
{
    const char* const sounds[] = {
        "泡06・高音・単音.wav", "Motion-Pop07-2.wav", "Motion-Pop06-2.wav", "damage6.wav",
        "動き10（ぺろろろ・下がり）.wav", "泡05.wav", "ChangeBig.wav", "ChangeMini.wav", "消失・ぱちんっ.wav",
        "星・キラーン07.wav", "回復音.wav", "消失・ぱちんっ(低音).wav", "rensaku_10_morivalte.wav",
        "タイトルクリック.wav", "タイトル.wav", "クリアかタイトル.wav", "ゲームオーバー.wav", "GoalJingle.wav",
    };
    for (const char* name : sounds) {
        const std::string path = (kRun / "Resource/Sound" / std::filesystem::u8path(name)).string();
        CWavReader reader;
        ASSERT_EQ(reader.Open(path), CWavReader::kOk) << name << ": " << reader.Error();
        const platform::WaveFormat* format = reader.Format();
        ASSERT_NE(format, nullptr);
        EXPECT_EQ(format->formatTag, 1) << name;
        EXPECT_EQ(format->bitsPerSample, 16) << name;
        EXPECT_TRUE(format->samplesPerSec == 22050 || format->samplesPerSec == 44100) << name;
        EXPECT_EQ(reader.MissingDataBytes(), 0u) << name;
        std::vector<uint8_t> samples(reader.DataSize());
        uint32_t read = 0;
        EXPECT_EQ(reader.Read(static_cast<uint32_t>(samples.size()), samples.data(), read), CWavReader::kOk);
        EXPECT_GT(read, 0u) << name;
        EXPECT_EQ(read, samples.size()) << name;
    }
}

TEST(GameDataTest, EveryPictureLoadsAtTheSizeItsLayoutNeeds)
{
    const struct {
        const char* name;
        int width;
        int height;
    } pictures[] = {
        {"player試作11.png", 360, 451}, {"playerDown2.png", 45, 75}, {"MiniPlayerAnime.png", 320, 40},
        {"BubbleAnime.png", 384, 192}, {"BubbleAnimeAlpha.png", 384, 192}, {"HP.png", 64, 64},
        {"starBubble.png", 64, 64}, {"starBubbleAlpha.png", 64, 64}, {"suji2.png", 660, 60},
        {"EnemyFace.png", 64, 64}, {"BubbleMona.png", 560, 40}, {"BubbleMonaAlpha試作2.png", 560, 40},
        {"TitleBack2.jpg", 1280, 720}, {"Back2.png", 1280, 720}, {"MapChip12.png", 240, 40},
        {"星クリア.png", 120, 120}, {"EnemyBase.png", 360, 151}, {"JumpEnemy.png", 192, 80},
        {"FlyEnemy.png", 64, 128}, {"FlyEnemy5.png", 64, 64}, {"FlyEnemyBullet2.png", 16, 16},
        {"SlimeEnemy.png", 240, 161}, {"star.png", 40, 40}, {"Sun.bmp", 128, 128}, {"EnemyBubble.png", 480, 240},
        {"EnemyBubbleAlpha.png", 480, 240}, {"SlimeBubble.png", 276, 138}, {"SlimeBubbleAlpha.png", 276, 138},
        {"HP Item.png", 60, 60}, {"playerBubble.png", 80, 80}, {"playerBubbleAlpha.png", 80, 80},
        {"csvMapChip().png", 80, 40}, {"ZEM.png", 900, 400}, {"指示画像.png", 900, 600},
        {"playerBubble (1).png", 170, 170}, {"playerBubbleAlpha (1).png", 170, 170}, {"Bubble.png", 256, 256},
        {"BubbleAlpha().png", 256, 256}, {"星 (1).png", 150, 150}, {"星白.png", 320, 320}, {"星.png", 120, 120},
        {"RESULT.png", 600, 400}, {"WhiteNewGameClear3.png", 1280, 128}, {"NWG.png", 1024, 128},
        {"NewRETRY.png", 768, 128}, {"GOPlayer.png", 90, 150}, {"NewGameOverBack.png", 1280, 720},
        {"Signs.png", 640, 160}, {"PitShade.png", 80, 40},
    };
    platform::HeadlessDevice device;
    for (const auto& picture : pictures) {
        const std::string path = (kRun / "Resource/Texture" / std::filesystem::u8path(picture.name)).string();
        std::string error;
        const auto texture = device.LoadTexture(path, error);
        ASSERT_TRUE(texture) << picture.name << ": " << error;
        EXPECT_GE(texture->Width(), picture.width) << picture.name;
        EXPECT_GE(texture->Height(), picture.height) << picture.name;
    }
}

struct Grid {
    StageGrid cells = {};
};

TEST(GameDataTest, TheFiveStageFilesAreFullGridsOfKnownCodes)
{
    const struct {
        const char* name;
        std::vector<int> codes;
    } files[] = {
        {"Map005.csv", {0, 1, 2, 3, 4, 5, 6, 8, 9}},
        {"EnemyMap005.csv", {0, 1, 2, 3, 5}},
        {"ScoreMap005.csv", {0, 1, 2}},
        {"RecoveryMap005.csv", {0, 1}},
        {"SignMap005.csv", {0, 1, 2, 3, 4, 5, 6, 7}},
    };
    for (const auto& file : files) {
        const std::string path = (kRun / "Resource/Data" / file.name).string();
        // The shape, counted independently of the loader.
        std::ifstream in(path);
        ASSERT_TRUE(in) << path;
        int lines = 0;
        for (std::string line; std::getline(in, line); ++lines) {
            EXPECT_EQ(Split(line, ',').size(), static_cast<size_t>(kMapCols)) << file.name << " line " << lines + 1;
        }
        EXPECT_EQ(lines, kMapRows) << file.name;

        auto grid = std::make_unique<Grid>();
        testing::internal::CaptureStderr();
        EXPECT_TRUE(LoadStageCsv(path, grid->cells));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << file.name;
        for (const auto& row : grid->cells) {
            for (int code : row) {
                EXPECT_NE(std::find(file.codes.begin(), file.codes.end(), code), file.codes.end())
                    << file.name << " holds code " << code;
            }
        }
    }
}

// The game's own stages stay well within the limits of what a stage holds: no warning either.
TEST(GameDataTest, TheGameStagesAreWithinTheLimitsWithoutAWarning)
{
    for (const char* folder : {"Resource/Data", "Resource/Stages/2", "Resource/Stages/3"}) {
        SCOPED_TRACE(folder);
        auto enemies = std::make_unique<Grid>();
        auto scores = std::make_unique<Grid>();
        auto heals = std::make_unique<Grid>();
        ASSERT_TRUE(LoadStageCsv((kRun / folder / "EnemyMap005.csv").string(), enemies->cells));
        ASSERT_TRUE(LoadStageCsv((kRun / folder / "ScoreMap005.csv").string(), scores->cells));
        ASSERT_TRUE(LoadStageCsv((kRun / folder / "RecoveryMap005.csv").string(), heals->cells));
        const StageContent content{enemies->cells, scores->cells, heals->cells};
        const auto problems = CheckStageLimits(content);
        EXPECT_TRUE(problems.empty()) << problems.front().what;
        RecordProperty(std::string(folder) + " fullest screen units", FullestScreenUnits(content));
    }
}

TEST(GameDataTest, TheTitleGroundIsEighteenLinesOfThirtyFourDigits)
{
    std::ifstream in(kRun / "TitleMap.txt");
    ASSERT_TRUE(in);
    int lines = 0;
    for (std::string line; std::getline(in, line); ++lines) {
        EXPECT_EQ(line.size(), static_cast<size_t>(kTitleMapCols)) << "line " << lines + 1;
        EXPECT_EQ(line.find_first_not_of("0123"), std::string::npos) << "line " << lines + 1;
    }
    EXPECT_EQ(lines, kTitleMapRows);
}

// The check the game makes of a player's stage finds nothing in the game's own three.
TEST(GameDataTest, TheGameOwnStagesPassTheStageCheck)
{
    struct Grids {
        StageGrid tiles = {}, enemies = {}, scores = {}, heals = {}, signs = {};
    };
    const std::filesystem::path folders[] = {kRun / "Resource/Data", kRun / "Resource/Stages/2",
                                             kRun / "Resource/Stages/3"};
    for (const auto& folder : folders) {
        SCOPED_TRACE(folder.string());
        testing::internal::CaptureStderr();
        const StageDescription stage = ReadStageFolder(folder, "own", FirstStage());
        auto grids = std::make_unique<Grids>();
        EXPECT_TRUE(LoadStageCsv(stage.tileMap, grids->tiles));
        EXPECT_TRUE(LoadStageCsv(stage.enemyMap, grids->enemies));
        EXPECT_TRUE(LoadStageCsv(stage.scoreMap, grids->scores));
        EXPECT_TRUE(LoadStageCsv(stage.recoveryMap, grids->heals));
        EXPECT_TRUE(LoadStageCsv(stage.signMap, grids->signs));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        std::string problems;
        EXPECT_EQ(CheckStage({grids->tiles, grids->enemies, grids->scores, grids->heals, grids->signs}, stage.start,
                             [&](const StageProblem& problem) { problems += problem.what + "\n"; }),
                  0)
            << problems;
    }
}

} // namespace
