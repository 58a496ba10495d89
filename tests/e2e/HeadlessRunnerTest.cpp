// zem-headless and zem as a user runs them.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "support/Process.h"
#include "support/TempDir.h"

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(HeadlessRunnerTest, RunsTheFramesOnTheVirtualClockAndTracesEach)
{
    TempDir dir;
    const std::string trace = (dir.Path() / "trace.jsonl").string();
    const auto run = RunCommand(std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR + " --frames 61 --no-render --trace " + trace);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lines = Lines(ReadFile(trace));
    ASSERT_EQ(lines.size(), 61u);
    EXPECT_EQ(lines[0].rfind("{\"frame\":1,\"ms\":16,\"scene\":\"title\",\"score\":0,\"scoreTotal\":0,"
                             "\"respawn\":[0,0],\"retry\":false,\"sounds\":[",
                             0),
              0u)
        << lines[0];
    EXPECT_NE(lines[59].find("\"frame\":60,\"ms\":1000,"), std::string::npos) << lines[59];
    EXPECT_NE(lines[60].find("\"frame\":61,\"ms\":1016,"), std::string::npos) << lines[60];
}

TEST(HeadlessRunnerTest, ScriptedEscapeEndsTheRunEarly)
{
    TempDir dir;
    const auto keys = dir.Write("keys.txt", "5 Escape\n");
    const std::string trace = (dir.Path() / "trace.jsonl").string();
    const auto run = RunCommand(std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR + " --no-render --frames 100 --keys " +
                                keys.string() + " --trace " + trace);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Lines(ReadFile(trace)).size(), 4u);
}

TEST(HeadlessRunnerTest, ShotSavesTheRenderedFrame)
{
    TempDir dir;
    const std::string shot = (dir.Path() / "one.png").string();
    const auto run = RunCommand(std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR + " --frames 3 --shot 2:" + shot);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    SDL_Surface* image = IMG_Load(shot.c_str());
    ASSERT_NE(image, nullptr) << IMG_GetError();
    EXPECT_EQ(image->w, 1280);
    EXPECT_EQ(image->h, 720);
    SDL_FreeSurface(image);
}

// A shot that cannot be written completely (here onto a full device) fails the run in one line.
TEST(HeadlessRunnerTest, AShotThatCannotBeWrittenFailsTheRun)
{
    const auto run = RunCommand(std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR + " --frames 3 --shot 2:/dev/full");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("zem-headless: /dev/full: cannot save the frame 2 shot"), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
}

TEST(HeadlessRunnerTest, BadArgumentsAreNamed)
{
    TempDir dir;
    const auto keys = dir.Write("keys.txt", "3 Jump\n");
    const struct {
        std::string args;
        std::string message;
    } cases[] = {
        {"--frames ten", "--frames: 'ten' is not a frame count"},
        {"--frames ''", "--frames: '' is not a frame count"},
        {"--frames -1", "--frames: '-1' is not a frame count"},
        {"--frames 99999999999999999999", "is not a frame count"},
        {"--frames 100000001", "is not a frame count"},
        {"--frames 5 --shot 6:late.png", "--shot: frame 6 is beyond --frames 5"},
        {"--keys " + dir.Path().string(), "cannot open the key timeline"},
        {"--shot nope.png", "--shot: 'nope.png' is not FRAME:FILE.png"},
        {"--keys " + keys.string(), "keys.txt:1: unknown key 'Jump'"},
        {"--keys /nonexistent/keys.txt", "cannot open the key timeline"},
        {"--bogus", "unknown option '--bogus'"},
        {"--frames 3 --shot 2:twice.png --shot 3:twice.png", "--shot: twice.png is named twice"},
    };
    for (const auto& c : cases) {
        const bool shot = c.args.find("--shot") != std::string::npos;
        const auto run = RunCommand(std::string(ZEM_HEADLESS) + (shot ? " " : " --no-render ") + c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

// Failures of the runner's own output are failures of the run, never a quiet success.
TEST(HeadlessRunnerTest, OutputThatCannotBeWrittenFailsTheRun)
{
    TempDir dir;
    const auto keys = dir.Write("keys.txt", "2 Escape\n");
    const std::string blocked = (dir.Path() / "no-such-dir" / "shot.png").string();
    const struct {
        std::string args;
        std::string message;
    } cases[] = {
        {"--no-render --frames 30 --trace /dev/full", "/dev/full: cannot write the trace"},
        {"--frames 2 --shot 1:" + blocked, blocked + ": cannot save the frame 1 shot"},
        {"--frames 5 --keys " + keys.string() + " --shot 4:" + (dir.Path() / "x.png").string(),
         "the game ended after frame 1, before frame 4"},
    };
    for (const auto& c : cases) {
        const auto run = RunCommand(std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR + " " + c.args);
        EXPECT_EQ(run.exitCode, 1) << c.args << "\n" << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

// Waits until `done` answers true, polling; the deadline only keeps a broken program from
// hanging the test, it is never what the test measures.
template <class Done>
bool WaitFor(Done done)
{
    for (int waited = 0; waited < 600; ++waited) {
        if (done()) return true;
        usleep(100'000);
    }
    return false;
}

// Starts `command` in a shell with the usual signal dispositions (a shell's background job
// would ignore SIGINT), waits until the game has shown its title (it writes "OK" once it has
// read the title map), sends `signal` and answers whether it ended by itself.
bool EndsOnSignal(const std::string& command, int signal)
{
    TempDir dir;
    const std::string output = (dir.Path() / "stdout.txt").string();
    const std::string redirected = command + " >" + output;
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
        execl("/bin/sh", "sh", "-c", redirected.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    bool ended = false;
    const bool started = WaitFor([&] {
        std::ifstream in(output);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ended = waitpid(child, &status, WNOHANG) == child;
        return ended || text.find("OK") != std::string::npos;
    });
    if (!started || ended) {
        ADD_FAILURE() << command << (ended ? ": ended before its title showed" : ": never showed its title");
        if (!ended) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
        return false;
    }
    kill(child, signal);
    if (WaitFor([&] { return waitpid(child, &status, WNOHANG) == child; })) return true;
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return false;
}

// A terminal's Ctrl+C or a system shutting down ends the game and the runner.
TEST(HeadlessRunnerTest, InterruptAndTerminateEndTheGameAndTheRunner)
{
    const std::string game = std::string("cd ") + ZEM_RUN_DIR + " && ZEM_FULLSCREEN=no exec " + ZEM_GAME;
    const std::string runner = std::string("exec ") + ZEM_HEADLESS + " --dir " + ZEM_RUN_DIR + " --frames 100000000";
    for (const std::string& program : {game, runner}) {
        for (int signal : {SIGINT, SIGTERM}) EXPECT_TRUE(EndsOnSignal(program, signal)) << program << " signal " << signal;
    }
}

TEST(GameStartupTest, NoVideoShowsTheDirect3DMessageAndFails)
{
    const auto run = RunCommand(std::string("cd ") + ZEM_RUN_DIR + " && SDL_VIDEODRIVER=no-such-driver ZEM_FULLSCREEN=no " +
                                ZEM_GAME + " </dev/null");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("Direct3D の作成に失敗しました。"), std::string::npos) << run.err;
}

TEST(GameStartupTest, HelpVersionAndUnknownOptionsAnswerWithoutStarting)
{
    struct Case {
        const char* args;
        int exitCode;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        {"--help", 0, "usage: zem [--fullscreen | --windowed]", ""},
        {"--version", 0, "zem " ZEM_VERSION "\n", ""},
        {"--windowd", 2, "", "zem: unknown option '--windowd' (try --help)\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        TempDir dir;
        const std::string out = (dir.Path() / "out").string();
        // No video at all: these answers must come before the game tries to open a window.
        const auto run = RunCommand(std::string("SDL_VIDEODRIVER=no-such-driver ") + ZEM_GAME + " " + c.args + " >" + out);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_NE(ReadFile(out).find(c.out), std::string::npos) << ReadFile(out);
        EXPECT_EQ(run.err, c.err);
    }
}

} // namespace

namespace {

// Started with no display and no driver asked for, the game stops at once and says why, instead
// of running unseen on SDL's offscreen fallback.
TEST(GameStartTest, WithoutADisplayTheGameStopsAndSaysSo)
{
    const auto run = RunCommand("cd " + std::string(ZEM_RUN_DIR) + " && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER " +
                                "SDL_AUDIODRIVER=dummy timeout 20 " + ZEM_GAME + " --windowed");
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_NE(run.err.find("no display was found"), std::string::npos) << run.err;
}

} // namespace
