// Pause, recorded runs and their replays, on the generated stage.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/ClockReplay.h"
#include "app/DataStamp.h"
#include "app/GameFrame.h"
#include "app/KeyTimeline.h"
#include "app/RunRecorder.h"
#include "app/TraceWriter.h"
#include "support/FakePlatform.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "scenes/SceneFactory.h"

namespace {

std::vector<std::string> HeadlessTrace(const std::string& keyFile, const std::string& extra = "")
{
    TempDir dir;
    const std::string trace = (dir.Path() / "trace.jsonl").string();
    const auto run = RunCommand(std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR + " --no-render --keys " + keyFile +
                                " --trace " + trace + " " + extra);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(trace));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A trace line without the frame number and the clock, which a pause shifts.
std::string Unshifted(const std::string& line)
{
    return std::regex_replace(line, std::regex(R"(^\{"frame":\d+,"ms":\d+,)"), "{");
}

std::string Field(const std::string& line, const std::string& name)
{
    std::smatch m;
    std::regex_search(line, m, std::regex("\"" + name + "\":(\"[^\"]*\"|[-0-9.]+)"));
    return m.empty() ? "" : m[1].str();
}

TEST(PauseTest, APausedStageResumesExactlyWhereItStopped)
{
    TempDir dir;
    // Into the stage, walk and jump; the same with a 40-frame pause at frame 100.
    const auto plain = dir.Write("plain.keys", "1\n30 Enter\n31\n60 Right\n90 Right Up Space\n95 Right\n150 Left\n");
    const auto paused = dir.Write("paused.keys", "1\n30 Enter\n31\n60 Right\n90 Right Up Space\n95 Right\n"
                                                 "100 Right P\n101 Right\n120 Right FocusLost\n121 Right\n"
                                                 "140 Right P\n141 Right\n190 Left\n");
    const auto a = HeadlessTrace(plain.string(), "--frames 260");
    const auto b = HeadlessTrace(paused.string(), "--frames 300");
    ASSERT_EQ(a.size(), 260u);
    ASSERT_EQ(b.size(), 300u);
    for (size_t f = 1; f < 100; ++f) EXPECT_EQ(b[f - 1], a[f - 1]) << "frame " << f;
    for (size_t f = 100; f < 140; ++f) {
        SCOPED_TRACE("paused frame " + std::to_string(f));
        EXPECT_NE(b[f - 1].find("\"paused\":true"), std::string::npos);
        EXPECT_NE(b[f - 1].find("\"sounds\":[]"), std::string::npos);
        EXPECT_EQ(Field(b[f - 1], "x"), Field(a[98], "x"));
        EXPECT_EQ(Field(b[f - 1], "y"), Field(a[98], "y"));
    }
    for (size_t f = 140; f <= 300; ++f) EXPECT_EQ(Unshifted(b[f - 1]), Unshifted(a[f - 41])) << "frame " << f;
    EXPECT_NE(Field(a[259], "x"), Field(a[99], "x")) << "the stage moved on after the pause";
}

// A run on the player's clock: time since boot, frames a little late now and then.
struct RecordedRun {
    long frames = 0;
    std::string scene;
    int score = 0;
    std::string sceneTrace; // what the last frame showed
};

RecordedRun Record(const std::string& keys, long frames, const std::string& file)
{
    TempDir scratch;
    const auto keyFile = scratch.Write("keys", keys);
    std::ifstream keyText(keyFile);
    KeyTimeline timeline;
    std::string error;
    EXPECT_TRUE(timeline.Parse(keyText, "keys", error)) << error;

    ScopedWorkingDir inData(ZEM_RUN_DIR);
    FakePlatform fake;
    fake.clock.Advance(987654321);
    std::ofstream out(file);
    CRunRecorder recorder(out, GameDataStamp());
    CGameFrameConstruct frame(fake.Services());
    frame.Init();
    frame.SetSeedClockHook(&recorder);
    frame.Start(CreateScene);
    for (long f = 1; f <= frames; ++f) {
        fake.keyboard.ReleaseAll();
        for (int vk : timeline.KeysAt(f)) fake.keyboard.Press(vk);
        recorder.Keys(f, fake.keyboard);
        fake.clock.Advance(static_cast<uint32_t>(f % 7 == 0 ? 5 : 0)); // the machine was busy
        frame.RunFrame();
    }
    EXPECT_TRUE(recorder.Finish(frames));
    RecordedRun run{frames, frame.SceneManager().Current()->TraceName(), frame.mScore, ""};
    CTraceWriter trace;
    frame.SceneManager().Current()->WriteTrace(trace);
    run.sceneTrace = trace.Finish();
    run.sceneTrace = run.sceneTrace.substr(1, run.sceneTrace.size() - 2); // the fields alone
    return run;
}

TEST(RecordedRunTest, TheHeadlessRunnerReplaysARecordingToTheSameEnd)
{
    TempDir dir;
    const std::string file = (dir.Path() / "run.keys").string();
    // Into the stage, then right with jumps and bubbles for a while: jumping enemies seeded
    // from the clock move as they did.
    const RecordedRun run = Record("1\n20 Enter\n21\n40 Right\n70 Right Up Space\n80 Right\n130 Right Up\n140 Right "
                                   "Space\n200 Right\n",
                                   400, file);
    ASSERT_EQ(run.scene, "game");
    const auto lines = HeadlessTrace(file);
    ASSERT_EQ(lines.size(), 400u) << "the recording ends where the run ended";
    EXPECT_EQ(Field(lines.back(), "scene"), "\"game\"");
    EXPECT_EQ(Field(lines.back(), "score"), std::to_string(run.score));
    EXPECT_NE(lines.back().find(run.sceneTrace), std::string::npos) << lines.back() << "\n" << run.sceneTrace;

    // Without its clock readings the same keys give another stage: the readings matter.
    std::ifstream in(file);
    std::string withoutClock;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("clock", 0) != 0 && line.rfind("data", 0) != 0) withoutClock += line + "\n";
    }
    const auto bare = dir.Write("bare.keys", withoutClock);
    const auto other = HeadlessTrace(bare.string(), "--frames 400");
    ASSERT_EQ(other.size(), 400u);
    EXPECT_EQ(other.back().find(run.sceneTrace), std::string::npos);
}

TEST(RecordedRunTest, ARecordingOfOtherGameDataIsRefusedInOneLine)
{
    TempDir dir;
    const auto file = dir.Write("run.keys", "data 0123456789abcdef\n1\n20 Enter\n21\n50 Escape\n");
    for (const std::string& command :
         {std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR + " --no-render --keys " + file.string(),
          std::string("HOME=") + dir.Path().string() + " " + ZEM_GAME + " --windowed --replay " + file.string()}) {
        const auto run = RunCommand(command);
        EXPECT_EQ(run.exitCode, 2) << command;
        EXPECT_NE(run.err.find("recorded on other game data"), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

// A recording that never reaches the disk is no success: the game says so in one line and
// exits 1. The game is ended by a signal once its title is up (it prints the title ground's
// "OK" then), as a window closed by its user would end it.
TEST(RecordedRunTest, ARecordingOntoAFullDiskEndsInFailure)
{
    TempDir dir;
    const std::string out = (dir.Path() / "out.txt").string();
    const std::string err = (dir.Path() / "err.txt").string();
    const auto run = RunCommand("cd " + dir.Path().string() + " && HOME=" + dir.Path().string() +
                                " XDG_CONFIG_HOME= XDG_DATA_HOME= stdbuf -oL " + ZEM_GAME +
                                " --windowed --record /dev/full > " + out + " 2> " + err +
                                " & game=$!; for i in $(seq 600); do grep -q OK " + out +
                                " && break; sleep 0.1; done; kill -TERM $game; wait $game");
    EXPECT_EQ(run.exitCode, 1) << ReadFile(err);
    const std::string said = ReadFile(err);
    EXPECT_EQ(said, "zem: /dev/full: the recording could not be written completely\n");
}

// The game records the player's stages its title lists; once one of them is edited or gone, the
// recording is refused in one line by both programs instead of playing another stage.
TEST(RecordedRunTest, ARecordingIsTiedToThePlayersStagesItsTitleListed)
{
    TempDir dir;
    const std::filesystem::path stages = dir.Path() / "data/zem/stages";
    std::filesystem::create_directories(stages / "castle");
    for (const auto& file : std::filesystem::directory_iterator(std::string(ZEM_RUN_DIR) + "/Resource/Stages/2"))
        std::filesystem::copy_file(file.path(), stages / "castle" / file.path().filename());
    const std::string recording = (dir.Path() / "run.keys").string();
    const std::string home =
        "HOME=" + dir.Path().string() + " XDG_CONFIG_HOME= XDG_DATA_HOME=" + (dir.Path() / "data").string() + " ";
    const std::string out = (dir.Path() / "out.txt").string();
    const auto record =
        RunCommand("cd " + dir.Path().string() + " && " + home + "stdbuf -oL " + ZEM_GAME + " --windowed --record " +
                   recording + " > " + out + " & game=$!; for i in $(seq 600); do grep -q OK " + out +
                   " && break; sleep 0.1; done; kill -TERM $game; wait $game");
    ASSERT_EQ(record.exitCode, 0) << record.err;
    EXPECT_NE(ReadFile(recording).find("\nstages "), std::string::npos) << ReadFile(recording);

    const std::string headless = std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR + " --no-render --keys " +
                                 recording + " --stages " + stages.string();
    const std::string game = home + ZEM_GAME + " --windowed --replay " + recording;
    EXPECT_EQ(RunCommand(headless).exitCode, 0) << "the same stages";
    std::ofstream(stages / "castle/Map005.csv", std::ios::app) << "1\n";
    for (const std::string& command : {headless, game}) {
        const auto run = RunCommand(command);
        EXPECT_EQ(run.exitCode, 2) << command;
        EXPECT_NE(run.err.find("recorded with other stages of the player's own"), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    std::filesystem::remove_all(stages / "castle");
    const auto gone = RunCommand(headless);
    EXPECT_EQ(gone.exitCode, 2);
    EXPECT_NE(gone.err.find("there are none now"), std::string::npos) << gone.err;
}

TEST(RecordedRunTest, TheGameReplaysARecordingInItsWindow)
{
    TempDir dir;
    const std::string file = (dir.Path() / "run.keys").string();
    const RecordedRun run = Record("1\n20 Enter\n21\n40 Right\n70 Right Up\n80 Right\n", 150, file);
    const std::string out = (dir.Path() / "out.txt").string();
    const auto replay = RunCommand(std::string("HOME=") + dir.Path().string() + " " + ZEM_GAME +
                                   " --windowed --replay " + file + " > " + out);
    ASSERT_EQ(replay.exitCode, 0) << replay.err;
    EXPECT_NE(ReadFile(out).find("replay ended after frame 150 in the game scene with score " +
                                 std::to_string(run.score)),
              std::string::npos)
        << ReadFile(out);
}

} // namespace
