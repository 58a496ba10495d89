#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/BestResults.h"
#include "scenes/GameClear.h"
#include "support/Process.h"
#include "support/StageFixture.h"
#include "support/TempDir.h"

namespace {

TEST(BestResultsTest, KeepsTheHighestScoreAndShareAndTheFewestFrames)
{
    BestResults best;
    const NewBests first = Improve(best, 40, 50, 3000);
    EXPECT_TRUE(first.score && first.percent && first.frames);
    const NewBests second = Improve(best, 39, 60, 3000); // a tie is not a new best
    EXPECT_FALSE(second.score);
    EXPECT_TRUE(second.percent);
    EXPECT_FALSE(second.frames);
    const NewBests third = Improve(best, 41, 10, 2999);
    EXPECT_TRUE(third.score && third.frames);
    EXPECT_FALSE(third.percent);
    EXPECT_EQ(best.score, 41);
    EXPECT_EQ(best.percent, 60);
    EXPECT_EQ(best.frames, 2999);

    BestResults read;
    std::string problem;
    ASSERT_TRUE(ParseBestResults(FormatBestResults(best), read, problem)) << problem;
    EXPECT_EQ(read.score, 41);
    EXPECT_EQ(read.percent, 60);
    EXPECT_EQ(read.frames, 2999);
}

TEST(BestResultsTest, DamagedTextIsNamedByLine)
{
    const struct {
        const char* text;
        const char* problem;
    } cases[] = {
        {"score 5\nlives 3\n", "line 2: unknown entry 'lives'"},
        {"score\n", "line 1: 'score' needs one whole number"},
        {"# ok\nframes 12 13\n", "line 2: 'frames' needs one whole number"},
        {"percent -4\n", "line 1: 'percent' needs one whole number"},
        {"score 12abc\n", "line 1: 'score' needs one whole number"},
        {"\x89PNG\r\n", "line 1: unknown entry"},
    };
    for (const auto& c : cases) {
        BestResults best;
        best.score = 7;
        std::string problem;
        EXPECT_FALSE(ParseBestResults(c.text, best, problem)) << c.text;
        EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << problem;
        EXPECT_EQ(best.score, 7) << "a damaged text changes nothing";
    }
}

TEST(BestResultsTest, AFailedWriteKeepsThePreviousBestOnDisk)
{
    TempDir dir;
    const auto file = dir.Write("zem/best-results.txt", "score 30\npercent 40\nframes 5000\n");
    CBestResultsFile bests(file);
    bests.Load();
    ASSERT_EQ(bests.Results().score, 30);
    // The temporary file's place is taken by a folder: nothing can be written, even by root.
    std::filesystem::create_directory(file.string() + ".new");
    const NewBests news = bests.Record(99, 10, 6000);
    EXPECT_TRUE(news.score);
    EXPECT_EQ(bests.Results().score, 99) << "the game plays on with the new best";
    EXPECT_EQ(ReadFile(file.string()), "score 30\npercent 40\nframes 5000\n");

    std::filesystem::remove(file.string() + ".new");
    bests.Record(100, 10, 6000);
    CBestResultsFile again(file);
    again.Load();
    EXPECT_EQ(again.Results().score, 100);
    EXPECT_EQ(again.Results().percent, 40);
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".new"));
}

TEST(BestResultsTest, ADamagedFileStartsAfreshAndIsReplacedByTheNextBest)
{
    TempDir dir;
    const auto file = dir.Write("best-results.txt", "score lots\n");
    CBestResultsFile bests(file);
    testing::internal::CaptureStderr();
    bests.Load();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(file.string() + ": line 1: 'score' needs one whole number"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_FALSE(bests.Results().score);
    bests.Record(3, 4, 500);
    EXPECT_EQ(ReadFile(file.string()), FormatBestResults(bests.Results()));
}

// The result screen takes a run that reached the goal without testing aids.
TEST(BestResultsTest, TheResultScreenKeepsOnlyRunsThatReachedTheGoalUnaided)
{
    StageFixture stage{std::vector<std::string>{}};
    TempDir dir;
    const auto file = dir.Path() / "best-results.txt";
    CBestResultsFile bests(file);
    stage.frame->SetBestResults(&bests);
    stage.frame->mScore = 45;
    stage.frame->mScoreTotal = 90;
    const struct {
        RunProgress run;
        bool kept;
    } cases[] = {
        {{4000, true, true}, false},  // aided
        {{4000, false, false}, false}, // left with C, or no goal
        {{4000, false, true}, true},
    };
    for (const auto& c : cases) {
        stage.frame->mRun = c.run;
        CGameClear scene(stage.frame.get());
        scene.Init();
        EXPECT_EQ(scene.News().Any(), c.kept);
        scene.Release();
    }
    EXPECT_EQ(bests.Results().score, 45);
    EXPECT_EQ(bests.Results().percent, 50);
    EXPECT_EQ(bests.Results().frames, 4000);
    EXPECT_EQ(ReadFile(file.string()), FormatBestResults(bests.Results()));
}

} // namespace
