// The settings in whole runs: the options screen in zem-headless, the settings file it is told to
// use (and no other), and replays that mean the same whatever keys the player bound.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "app/DataStamp.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const std::string kOptionsKeys = std::string(ZEM_SOURCE_DIR) + "/tests/e2e/data/options.keys";

// Every key and button of the player's actions somewhere else, and the volumes down.
const char* const kRebound = "music = 2\neffects = 3\nfullscreen = no\n"
                             "key.left = A\nkey.right = D\nkey.jump = W\nkey.form = S\nkey.bubble = J\n"
                             "key.start = Tab\nkey.pause = Q\nkey.title = T\nkey.again = R\nkey.options = F1\n"
                             "button.jump = b\nbutton.bubble = a\n";

std::vector<std::string> Trace(const std::string& keys, long frames, const std::string& extra = "",
                               const std::string& environment = "")
{
    TempDir dir;
    const std::string trace = (dir.Path() / "trace.jsonl").string();
    const auto run = RunCommand(environment + " " + ZEM_HEADLESS + " --dir " + ZEM_RUN_DIR + " --no-render --frames " +
                                std::to_string(frames) + " --keys " + keys + " --trace " + trace + " " + extra);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(trace));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(SettingsRunTest, TheOptionsOverTheTitleChangeNothingOfTheStage)
{
    TempDir home;
    const auto withOptions = Trace(kOptionsKeys, 400, "", "HOME=" + home.Path().string() + " XDG_CONFIG_HOME=");
    const auto plain = Trace(TempDir().Write("plain.keys", "1\n120 Enter\n121\n").string(), 400);
    ASSERT_EQ(withOptions.size(), 400u);
    EXPECT_EQ(withOptions[28].find("\"options\""), std::string::npos);
    EXPECT_NE(withOptions[99].find("\"options\":{\"row\":5,\"waiting\":false,\"music\":7,\"effects\":9}"),
              std::string::npos)
        << withOptions[99];
    EXPECT_EQ(withOptions[110].find("\"options\""), std::string::npos) << "O closed them";
    EXPECT_NE(withOptions[120].find("\"scene\":\"game\""), std::string::npos);
    // From the stage on, every line is the plain run's.
    for (size_t i = 120; i < 400; ++i) ASSERT_EQ(withOptions[i], plain[i]) << "frame " << i + 1;
    // The user's own settings are never touched by the headless runner unless it is told a file.
    EXPECT_TRUE(fs::is_empty(home.Path()));
}

TEST(SettingsRunTest, TheRunnerKeepsTheSettingsInTheFileItIsTold)
{
    TempDir dir;
    const fs::path file = dir.Path() / "settings.ini";
    Trace(kOptionsKeys, 130, "--settings " + file.string());
    const std::string text = ReadFile(file.string());
    EXPECT_NE(text.find("music = 7\n"), std::string::npos) << text;
    EXPECT_NE(text.find("effects = 9\n"), std::string::npos) << text;
    EXPECT_NE(text.find("key.jump = Up\n"), std::string::npos) << text;
}

// A timeline, and a recording, name the game's keys: other bindings play it the same.
TEST(SettingsRunTest, ARunPlaysTheSameWhateverTheBindings)
{
    TempDir dir;
    const auto settings = dir.Write("rebound.ini", kRebound);
    const std::string keys =
        "1\n20 Enter\n21\n40 Right\n70 Right Up\n80 Right Space\n95 Right\n130 Left Down\n140 P\n141\n160 P\n161\n";
    const auto timeline = dir.Write("run.keys", keys);
    const auto plain = Trace(timeline.string(), 300);
    const auto rebound = Trace(timeline.string(), 300, "--settings " + settings.string());
    ASSERT_EQ(plain.size(), 300u);
    EXPECT_EQ(plain, rebound);

    // The game replays a recording to the same end with the player's own keys bound elsewhere.
    std::string stamp;
    {
        ScopedWorkingDir inData(ZEM_RUN_DIR);
        stamp = GameDataStamp();
    }
    const auto recording = dir.Write("recording.keys", "data " + stamp + "\n" + keys + "300 Escape\n");
    TempDir defaultHome;
    TempDir reboundHome;
    reboundHome.Write(".config/zem/settings.ini", kRebound);
    std::map<std::string, std::string> ends;
    for (const TempDir* home : {&defaultHome, &reboundHome}) {
        const std::string out = (dir.Path() / "out.txt").string();
        const auto run = RunCommand("XDG_CONFIG_HOME= HOME=" + home->Path().string() + " " + ZEM_GAME +
                                    " --windowed --replay " + recording.string() + " > " + out);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        ends[home->Path().string()] = ReadFile(out);
    }
    EXPECT_NE(ends[defaultHome.Path().string()].find("replay ended after frame 299 in the game scene"),
              std::string::npos)
        << ends[defaultHome.Path().string()];
    EXPECT_EQ(ends[defaultHome.Path().string()], ends[reboundHome.Path().string()]);
    EXPECT_EQ(ReadFile((reboundHome.Path() / ".config/zem/settings.ini").string()), kRebound)
        << "a replay leaves it alone";
}

// A change in the options that cannot be kept is a failed run, said in one line; a run that
// changed nothing has nothing to keep.
TEST(SettingsRunTest, ChangedSettingsThatCannotBeKeptFailTheRun)
{
    TempDir dir;
    const auto notAFolder = dir.Write("not-a-folder", "");
    const std::string settings = " --settings " + (notAFolder / "settings.ini").string();
    const std::string runner = std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR + " --no-render --frames 130";
    const auto changed = RunCommand(runner + " --keys " + kOptionsKeys + settings);
    EXPECT_EQ(changed.exitCode, 1);
    EXPECT_EQ(std::count(changed.err.begin(), changed.err.end(), '\n'), 1) << changed.err;
    EXPECT_NE(changed.err.find("the settings are not kept"), std::string::npos) << changed.err;
    const auto unchanged = RunCommand(runner + settings);
    EXPECT_EQ(unchanged.exitCode, 0) << unchanged.err;
}

// A replay plays the options as they were recorded, volumes and all, and never writes the
// player's settings.
TEST(SettingsRunTest, AReplayThatChangesTheOptionsWritesNoSettings)
{
    std::string stamp;
    {
        ScopedWorkingDir inData(ZEM_RUN_DIR);
        stamp = GameDataStamp();
    }
    TempDir dir;
    // On the title: the options, the music one step down, closed.
    const auto recording =
        dir.Write("options.keys", "data " + stamp + "\n1\n10 O\n11\n14 Left\n15\n18 O\n19\n22 Escape\n");
    TempDir home;
    const auto run = RunCommand("XDG_CONFIG_HOME= HOME=" + home.Path().string() + " " + ZEM_GAME +
                                " --windowed --replay " + recording.string() + " > /dev/null");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(fs::exists(home.Path() / ".config/zem/settings.ini"));
}

TEST(SettingsRunTest, TheOptionsScreenshotIsAFullFrame)
{
    const std::string path = std::string(ZEM_SOURCE_DIR) + "/docs/shots/options.png";
    SDL_Surface* loaded = IMG_Load(path.c_str());
    ASSERT_NE(loaded, nullptr) << IMG_GetError();
    EXPECT_EQ(loaded->w, 1280);
    EXPECT_EQ(loaded->h, 720);
    SDL_FreeSurface(loaded);
}

} // namespace
