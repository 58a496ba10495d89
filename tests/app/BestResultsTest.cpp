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

    BestResultsBook read;
    std::string problem;
    ASSERT_TRUE(ParseBestResults(FormatBestResults({{"1", best}, {"castle", {.score = 3}}}), read, problem)) << problem;
    EXPECT_EQ(read["1"].score, 41);
    EXPECT_EQ(read["1"].percent, 60);
    EXPECT_EQ(read["1"].frames, 2999);
    EXPECT_EQ(read["castle"].score, 3);
    EXPECT_FALSE(read["castle"].frames);
}

// The one-stage game's file is stage 1's results; each other stage has a section of its own.
TEST(BestResultsTest, StagesHaveSectionsAndAnOldFileIsTheFirstStage)
{
    BestResultsBook book;
    std::string problem;
    ASSERT_TRUE(ParseBestResults("# zem's best results\nscore 86\npercent 46\nframes 4723\n", book, problem));
    ASSERT_EQ(book.size(), 1u);
    EXPECT_EQ(book["1"].frames, 4723);
    ASSERT_TRUE(ParseBestResults("score 1\n[2]\nscore 20\nframes 900\n[my-stage]\npercent 7\n", book, problem));
    EXPECT_EQ(book["1"].score, 1);
    EXPECT_EQ(book["2"].score, 20);
    EXPECT_EQ(book["2"].frames, 900);
    EXPECT_EQ(book["my-stage"].percent, 7);
    EXPECT_EQ(FormatBestResults(book), "# zem's best results\nscore 1\n[2]\nscore 20\nframes 900\n[my-stage]\npercent 7\n");
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
        BestResultsBook book;
        std::string problem;
        EXPECT_FALSE(ParseBestResults(c.text, book, problem)) << c.text;
        EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << problem;
    }
    // The good lines around a damaged one are kept, so the next best cannot overwrite them
    // with worse ones; lines under a damaged stage name belong to no stage.
    BestResultsBook book;
    std::string problem;
    EXPECT_FALSE(ParseBestResults("score 50\nlives 3\nframes 4000\n[a b]\nscore 9\n[2]\nscore 8\n", book, problem));
    EXPECT_EQ(problem, "line 2: unknown entry 'lives'");
    EXPECT_EQ(book["1"].score, 50);
    EXPECT_EQ(book["1"].frames, 4000);
    EXPECT_EQ(book["2"].score, 8);
    EXPECT_EQ(book.size(), 2u);
}

TEST(BestResultsTest, AFailedWriteKeepsThePreviousBestOnDisk)
{
    TempDir dir;
    const auto file = dir.Write("zem/best-results.txt", "score 30\npercent 40\nframes 5000\n");
    CBestResultsFile bests(file);
    bests.Load();
    ASSERT_EQ(bests.Results("1").score, 30);
    // The temporary file's place is taken by a folder: nothing can be written, even by root.
    std::filesystem::create_directory(file.string() + ".new");
    const NewBests news = bests.Record("1", 99, 10, 6000);
    EXPECT_TRUE(news.score);
    EXPECT_EQ(bests.Results("1").score, 99) << "the game plays on with the new best";
    EXPECT_EQ(ReadFile(file.string()), "score 30\npercent 40\nframes 5000\n");

    std::filesystem::remove(file.string() + ".new");
    bests.Record("1", 100, 10, 6000);
    CBestResultsFile again(file);
    again.Load();
    EXPECT_EQ(again.Results("1").score, 100);
    EXPECT_EQ(again.Results("1").percent, 40);
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".new"));
}

TEST(BestResultsTest, ADamagedFileKeepsItsGoodLinesAndIsReplacedByTheNextBest)
{
    TempDir dir;
    const auto file = dir.Write("best-results.txt", "score lots\n");
    CBestResultsFile bests(file);
    testing::internal::CaptureStderr();
    bests.Load();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(file.string() + ": line 1: 'score' needs one whole number"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_FALSE(bests.Results("1").score);
    bests.Record("1", 3, 4, 500);
    EXPECT_EQ(ReadFile(file.string()), FormatBestResults(bests.Book()));
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
    EXPECT_EQ(bests.Results("1").score, 45);
    EXPECT_EQ(bests.Results("1").percent, 50);
    EXPECT_EQ(bests.Results("1").frames, 4000);
    EXPECT_EQ(ReadFile(file.string()), FormatBestResults(bests.Book()));
}

} // namespace
