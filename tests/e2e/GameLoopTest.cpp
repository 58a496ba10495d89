// The whole loop as a player meets it: title, stage, a defeat, the game-over screen and each choice there.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/Process.h"
#include "support/TempDir.h"

namespace {

// The trace line of a frame, from a run of zem-headless on the generated data.
class HeadlessRun {
public:
    HeadlessRun(const std::string& keys, int frames)
    {
        const std::string trace = (mDir.Path() / "trace.jsonl").string();
        const auto keyFile = mDir.Write("keys.txt", keys);
        const auto result = RunCommand(std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR + " --no-render --frames " +
                                       std::to_string(frames) + " --keys " + keyFile.string() + " --trace " + trace);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        std::istringstream in(ReadFile(trace));
        for (std::string line; std::getline(in, line);) mLines.push_back(line);
    }

    size_t Frames() const { return mLines.size(); }
    const std::string& Line(size_t frame) const { return mLines.at(frame - 1); }
    std::string Scene(size_t frame) const
    {
        const std::string& line = Line(frame);
        const auto start = line.find("\"scene\":\"") + 9;
        return line.substr(start, line.find('"', start) - start);
    }
    // The first frame at or after `from` showing `scene`; 0 when none does.
    size_t FirstFrameOf(const std::string& scene, size_t from = 1) const
    {
        for (size_t f = from; f <= mLines.size(); ++f)
            if (Scene(f) == scene) return f;
        return 0;
    }

private:
    TempDir mDir;
    std::vector<std::string> mLines;
};

std::string Defeat()
{
    return ReadFile(std::string(ZEM_SOURCE_DIR) + "/tests/e2e/data/fall-into-first-pit.keys");
}

TEST(GameLoopTest, ADefeatLeadsToGameOverAndGContinuesFromTheSafePlace)
{
    const HeadlessRun run(Defeat() + "600 G\n601\n", 620);
    ASSERT_EQ(run.Frames(), 620u);
    EXPECT_EQ(run.Scene(1), "title");
    EXPECT_EQ(run.Scene(2), "game");
    const size_t over = run.FirstFrameOf("over");
    ASSERT_GT(over, 2u);
    // The hero fell out and played its defeat before the screen changed.
    EXPECT_NE(run.Line(over - 1).find("\"alive\":false"), std::string::npos) << run.Line(over - 1);
    // The respawn point the stage last recorded is where the continued game starts.
    EXPECT_NE(run.Line(599).find("\"respawn\":[680,1205]"), std::string::npos) << run.Line(599);
    EXPECT_EQ(run.Scene(600), "game");
    EXPECT_NE(run.Line(600).find("\"retry\":true"), std::string::npos);
    EXPECT_NE(run.Line(601).find("\"x\":680,\"y\":1206"), std::string::npos) << run.Line(601);
    EXPECT_NE(run.Line(601).find("\"invincible\":199"), std::string::npos);
    EXPECT_NE(run.Line(601).find("\"retry\":false"), std::string::npos);
}

TEST(GameLoopTest, EnterOnGameOverStartsAfreshAndMReturnsToTheTitle)
{
    const HeadlessRun fresh(Defeat() + "600 Enter\n601\n", 603);
    EXPECT_EQ(fresh.Scene(600), "game");
    EXPECT_NE(fresh.Line(601).find("\"x\":200,"), std::string::npos) << fresh.Line(601);
    EXPECT_NE(fresh.Line(601).find("\"invincible\":0"), std::string::npos);

    const HeadlessRun title(Defeat() + "600 M\n601\n", 603);
    EXPECT_EQ(title.Scene(600), "title");
    EXPECT_NE(title.Line(601).find("\"guideAlpha\""), std::string::npos);
}

} // namespace
