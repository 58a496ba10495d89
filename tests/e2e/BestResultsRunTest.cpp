// The best-results file from the outside: two games that finish at once on one file, one of
// them on a player's stage whose folder name the file cannot hold as it is.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/Process.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// A stage whose goal is a few steps right of the start: Right clears it in 141 frames.
std::string ShortStage()
{
    std::string text = "@name = SHORT\n@tune = 1\n@look = 1\n@start = 200 1300\n";
    for (int row = 0; row < 36; ++row) {
        std::string cells(350, row >= 34 ? '=' : '.');
        if (row >= 31 && row <= 33) cells.replace(12, 3, row == 31 ? "Ggg" : "ggg");
        text += cells + "\n";
    }
    return text;
}

TEST(BestResultsRunTest, TwoGamesFinishingTogetherKeepBothResults)
{
    TempDir dir;
    const std::string folder = "my castle #1"; // a blank and a '#': no [ID] of the file
    const auto stages = dir.Path() / "stages";
    const auto made =
        RunCommand(std::string(ZEM_RUN_DIR) + "/zem-stage " + dir.Write("short.txt", ShortStage()).string() + " '" +
                   (stages / folder).string() + "'");
    ASSERT_EQ(made.exitCode, 0) << made.err;

    const std::string best = (dir.Path() / "best-results.txt").string();
    const std::string runner = std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR + " --no-render --best " + best;
    const std::string route = std::string(ZEM_SOURCE_DIR) + "/tests/e2e/data/stage-1.keys";
    const auto playerStageKeys = dir.Write("right.keys", "1\n10 Enter\n11\n20 Right\n");
    // Both start before either finishes; the exit status is the worse of the two.
    const auto both = RunCommand(runner + " --frames 3000 --keys " + route + " & first=$!; " + runner +
                                 " --frames 400 --keys " + playerStageKeys.string() + " --stages " + stages.string() +
                                 " --stage 4; second=$?; wait $first; exit $(( $? | second ))");
    EXPECT_EQ(both.exitCode, 0) << both.err;
    EXPECT_EQ(both.err, "");

    const std::string text = ReadFile(best);
    EXPECT_NE(text.find("\nframes 2853\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n[\"my castle #1\"]\nscore 0\npercent 100\nframes 141\n"), std::string::npos) << text;
    EXPECT_TRUE(fs::exists(dir.Path() / "ghost-1.bin"));
    EXPECT_TRUE(fs::exists(dir.Path() / "ghost-[my%20castle%20%231].bin"));
    // The next game reads it all without a word, and the player's stage is cleared.
    const auto again = RunCommand(runner + " --frames 1 --stages " + stages.string());
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.err, "");
    EXPECT_EQ(ReadFile(best), text);
}

} // namespace
