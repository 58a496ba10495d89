// zem-headless and zem as a user runs them.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

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

TEST(HeadlessRunnerTest, BadArgumentsAreNamed)
{
    TempDir dir;
    const auto keys = dir.Write("keys.txt", "3 Jump\n");
    const struct {
        std::string args;
        std::string message;
    } cases[] = {
        {"--frames ten", "--frames: 'ten' is not a frame count"},
        {"--shot nope.png", "--shot: 'nope.png' is not FRAME:FILE.png"},
        {"--keys " + keys.string(), "keys.txt:1: unknown key 'Jump'"},
        {"--keys /nonexistent/keys.txt", "cannot open the key timeline"},
        {"--bogus", "unknown option '--bogus'"},
    };
    for (const auto& c : cases) {
        const auto run = RunCommand(std::string(ZEM_HEADLESS) + " --no-render " + c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
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
