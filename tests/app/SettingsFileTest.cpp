// The settings file: what it keeps, how it reads a damaged one, where it lies and how it is replaced.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "app/SettingsFile.h"
#include "platform/UserFiles.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace {

Settings Unusual()
{
    Settings s;
    s.musicVolume = 3;
    s.effectsVolume = 0;
    s.fullscreen = FullscreenSetting::No;
    s.bindings.Keys(Action::Jump) = {"W"};
    s.bindings.Keys(Action::WalkLeft) = {"Keypad 4", "Left"}; // a name with a space, and two keys
    s.bindings.Keys(Action::Next) = {};                       // none at all
    s.bindings.Keys(Action::Bubble) = {","};                  // punctuation is a key name too
    s.bindings.Buttons(Action::Jump) = {"x"};
    s.bindings.Buttons(Action::Bubble) = {"a", "b"};
    return s;
}

TEST(SettingsFileTest, WhatIsWrittenReadsBackTheSame)
{
    for (const Settings& written : {Settings{}, Unusual()}) {
        Settings read;
        read.musicVolume = 7; // anything the file says replaces what was there
        read.fullscreen = FullscreenSetting::Yes;
        std::vector<std::string> problems;
        ParseSettings(FormatSettings(written), read, problems);
        EXPECT_TRUE(problems.empty()) << problems.front();
        EXPECT_EQ(read, written) << FormatSettings(written);
    }
}

TEST(SettingsFileTest, EachBadLineIsNamedAndTheGoodOnesAroundItAreKept)
{
    const std::string text = "# a comment\n"
                             "music = 4\n"
                             "music = loud\n"           // 3
                             "effects = 11\n"           // 4
                             "volume = 5\n"             // 5
                             "fullscreen = sometimes\n" // 6
                             "just words\n"             // 7
                             "key.jump = W\n"
                             "key.fly = Space\n"        // 9
                             "key.bubble = NoSuchKey\n" // 10
                             "key.form = Escape\n"      // 11
                             "button.pause = back\n"    // 12
                             "key.title = W\n"          // 13: already jump's
                             "button.next = y\n"        // 14: the form change's by default
                             "effects = 2\n"
                             "\x01\x02\xff garbage\n" // 16
                             "fullscreen = no\n";
    Settings settings;
    std::vector<std::string> problems;
    ParseSettings(text, settings, problems);
    const std::vector<int> badLines = {3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 16};
    ASSERT_EQ(problems.size(), badLines.size());
    for (size_t i = 0; i < badLines.size(); ++i) {
        EXPECT_EQ(problems[i].rfind("line " + std::to_string(badLines[i]) + ": ", 0), 0u) << problems[i];
    }
    EXPECT_NE(problems[9].find("'W' is already used for jump"), std::string::npos) << problems[9];
    EXPECT_EQ(settings.musicVolume, 4);
    EXPECT_EQ(settings.effectsVolume, 2);
    EXPECT_EQ(settings.fullscreen, FullscreenSetting::No);
    EXPECT_EQ(settings.bindings.Keys(Action::Jump), std::vector<std::string>{"W"});
    // A name that is no key, or one that keeps its meaning, leaves the action as it was; a key
    // that another line took is not given twice, and the action keeps its own.
    EXPECT_EQ(settings.bindings.Keys(Action::Bubble), std::vector<std::string>{"Space"});
    EXPECT_EQ(settings.bindings.Buttons(Action::Pause), std::vector<std::string>{"guide"});
    EXPECT_EQ(settings.bindings.Keys(Action::Title), std::vector<std::string>{"M"});
    EXPECT_EQ(settings.bindings.Buttons(Action::Next), std::vector<std::string>{});
}

// A refused binding never leaves its action without the keys it had, in the game or in the file
// written back; only a line that says so leaves an action without keys.
TEST(SettingsFileTest, ARefusedBindingKeepsTheActionsKeys)
{
    using Names = std::vector<std::string>;
    const struct {
        const char* text;
        std::vector<int> refusedLines;
        Names jump;
        Names form;
        Names jumpButtons;
    } cases[] = {
        {"key.jump = Space\n", {1}, {"Up"}, {"Down"}, {"a", "dpup"}},
        {"key.jump = Space\nkey.jump = W\n", {1}, {"W"}, {"Down"}, {"a", "dpup"}},
        // Up went to the form change while the jump's line was refused: the jump takes it back.
        {"key.form = Up\nkey.jump = Space\n", {1, 2}, {"Up"}, {"Down"}, {"a", "dpup"}},
        {"button.jump = b\n", {1}, {"Up"}, {"Down"}, {"a", "dpup"}},
        {"key.jump =\nkey.jump = Space\n", {2}, {}, {"Down"}, {"a", "dpup"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Settings settings;
        std::vector<std::string> problems;
        ParseSettings(c.text, settings, problems);
        ASSERT_EQ(problems.size(), c.refusedLines.size());
        for (size_t i = 0; i < problems.size(); ++i) {
            EXPECT_EQ(problems[i].rfind("line " + std::to_string(c.refusedLines[i]) + ": ", 0), 0u) << problems[i];
        }
        EXPECT_EQ(settings.bindings.Keys(Action::Jump), c.jump);
        EXPECT_EQ(settings.bindings.Keys(Action::Form), c.form);
        EXPECT_EQ(settings.bindings.Buttons(Action::Jump), c.jumpButtons);
        EXPECT_EQ(settings.bindings.Keys(Action::Bubble), Names{"Space"});
        // Written back, the file says the same.
        Settings reread;
        problems.clear();
        ParseSettings(FormatSettings(settings), reread, problems);
        EXPECT_TRUE(problems.empty());
        EXPECT_EQ(reread, settings);
    }
}

// Some editors begin a UTF-8 file with a byte-order mark; it is no part of the first line.
TEST(SettingsFileTest, AByteOrderMarkIsNoPartOfTheFirstLine)
{
    Settings settings;
    std::vector<std::string> problems;
    ParseSettings("\xEF\xBB\xBFmusic = 3\neffects = 4\n", settings, problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_EQ(settings.musicVolume, 3);
    EXPECT_EQ(settings.effectsVolume, 4);
}

// Lines that name their actions anew start from nothing, so two keys can change places by hand.
TEST(SettingsFileTest, KeysSwappedByHandAreNoClash)
{
    Settings settings;
    std::vector<std::string> problems;
    ParseSettings("key.jump = Space\nkey.bubble = Up\nkey.bubble = Z\n", settings, problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_EQ(settings.bindings.Keys(Action::Jump), std::vector<std::string>{"Space"});
    EXPECT_EQ((settings.bindings.Keys(Action::Bubble)), (std::vector<std::string>{"Up", "Z"}));
}

// The platform reads a name only as far as a NUL byte: a name with one is no name, or a key
// already bound could be bound again under a name that compares unequal to it.
TEST(SettingsFileTest, ANameCutShortByANulByteIsNoName)
{
    Settings settings;
    std::vector<std::string> problems;
    using namespace std::string_literals;
    ParseSettings("key.jump = Space\0x\nbutton.form = b\0\n"s, settings, problems);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].rfind("line 1: 'Space\\x00x' is no key name", 0), 0u) << problems[0];
    EXPECT_EQ(problems[1].rfind("line 2: 'b\\x00' is no controller button name", 0), 0u) << problems[1];
    EXPECT_EQ(settings, Settings{});
}

TEST(SettingsFileTest, LivesInTheConfigDirectory)
{
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string xdg = savedXdg ? savedXdg : "";
    const std::string home = savedHome ? savedHome : "";
    setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
    EXPECT_EQ(platform::UserConfigDirectory(), std::filesystem::path("/somewhere/config/zem"));
    setenv("XDG_CONFIG_HOME", "relative", 1); // not absolute: ignored
    setenv("HOME", "/home/player", 1);
    EXPECT_EQ(platform::UserConfigDirectory(), std::filesystem::path("/home/player/.config/zem"));
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("HOME");
    EXPECT_EQ(platform::UserConfigDirectory(), std::nullopt);
    if (savedXdg) setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
    if (savedHome) setenv("HOME", home.c_str(), 1);
}

// Captures what Load says on standard error.
std::string LoadSaying(const CSettingsFile& file, Settings& settings)
{
    testing::internal::CaptureStderr();
    file.Load(settings);
    return testing::internal::GetCapturedStderr();
}

TEST(SettingsFileTest, MissingDamagedAndStrangeFiles)
{
    TempDir dir;
    Settings settings;
    EXPECT_EQ(LoadSaying(CSettingsFile(dir.Path() / "none.ini"), settings), "");
    EXPECT_EQ(settings, Settings{}) << "no file: today's defaults";

    // Not a regular file: one line, the defaults.
    const auto fifo = dir.Path() / "fifo.ini";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string said = LoadSaying(CSettingsFile(fifo), settings);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("fifo.ini"), std::string::npos) << said;
    said = LoadSaying(CSettingsFile(dir.Path()), settings);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(settings, Settings{});

    // Far too long: the whole lines within the bound are read, the rest is not, in one line.
    std::string huge = "music = 2\n";
    while (huge.size() < 3 * CSettingsFile::kMaxBytes) huge += "# padding padding padding padding\n";
    huge += "effects = 1\n";
    said = LoadSaying(CSettingsFile(dir.Write("huge.ini", huge)), settings);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(settings.musicVolume, 2);
    EXPECT_EQ(settings.effectsVolume, Settings::kVolumeSteps);

    // Many bad lines: the first few named, the rest counted.
    std::string bad;
    for (int i = 0; i < 20; ++i) bad += "nonsense\n";
    said = LoadSaying(CSettingsFile(dir.Write("bad.ini", bad)), settings);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 6) << said;
    EXPECT_NE(said.find("15 more bad lines"), std::string::npos) << said;
}

// A file longer than the game reads is moved aside before the settings replace it, so the
// lines the game did not read are not lost; one of exactly the bound is read whole.
TEST(SettingsFileTest, AFileTooLongIsMovedAsideBeforeItIsReplaced)
{
    for (const size_t size : {CSettingsFile::kMaxBytes, CSettingsFile::kMaxBytes + 1}) {
        SCOPED_TRACE(size);
        TempDir dir;
        std::string text = "music = 2\n";
        while (text.size() + 40 <= size) text += "# " + std::string(37, 'p') + "\n";
        text += std::string(size - text.size() - 1, '#') + "\n";
        const CSettingsFile file(dir.Write("settings.ini", text));
        Settings settings;
        const std::string said = LoadSaying(file, settings);
        EXPECT_EQ(settings.musicVolume, 2);
        const bool whole = size == CSettingsFile::kMaxBytes;
        EXPECT_EQ(said.empty(), whole) << said;

        testing::internal::CaptureStderr();
        EXPECT_TRUE(file.Save(settings));
        const std::string saved = testing::internal::GetCapturedStderr();
        const std::string aside = file.Path().string() + ".damaged";
        EXPECT_EQ(ReadFile(aside), whole ? "" : text);
        EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), whole ? 0 : 1) << saved;
        EXPECT_NE(saved.find(whole ? "" : "moved aside to " + aside), std::string::npos) << saved;
        EXPECT_EQ(ReadFile(file.Path().string()), FormatSettings(settings));
    }
}

TEST(SettingsFileTest, SavingReplacesTheFileWhole)
{
    TempDir dir;
    const CSettingsFile file(dir.Path() / "zem" / "settings.ini"); // the folder is made
    ASSERT_TRUE(file.Save(Unusual()));
    Settings read;
    EXPECT_EQ(LoadSaying(file, read), "");
    EXPECT_EQ(read, Unusual());
    for (const auto& entry : std::filesystem::directory_iterator(file.Path().parent_path())) {
        EXPECT_EQ(entry.path(), file.Path()) << "nothing is left beside it";
    }

    // A folder in the way of the file: said in one line, nothing else changed.
    const CSettingsFile blocked(dir.Path());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(blocked.Save(Settings{}));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

// The question is asked only while nothing answers it: the command line, then ZEM_FULLSCREEN,
// then the kept answer.
TEST(SettingsFileTest, WhoAnswersTheStartUpQuestion)
{
    using F = FullscreenSetting;
    struct Case {
        std::optional<bool> commandLine;
        const char* environment;
        F kept;
        F answer;
    };
    const Case cases[] = {
        {std::nullopt, nullptr, F::Ask, F::Ask},    {std::nullopt, nullptr, F::Yes, F::Yes},
        {std::nullopt, nullptr, F::No, F::No},      {std::nullopt, "yes", F::No, F::Yes},
        {std::nullopt, "no", F::Yes, F::No},        {std::nullopt, "maybe", F::Ask, F::No},
        {false, "yes", F::Yes, F::No},              {true, "no", F::No, F::Yes},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FullscreenAtStart(c.commandLine, c.environment, c.kept), c.answer)
            << (c.environment ? c.environment : "-") << " " << static_cast<int>(c.kept);
    }
}

TEST(SettingsFileTest, VolumeStepsFromSilenceToAsRecorded)
{
    EXPECT_EQ(VolumeGain(0), 0.0f);
    EXPECT_EQ(VolumeGain(Settings::kVolumeSteps), 1.0f);
    EXPECT_FLOAT_EQ(VolumeGain(5), 0.25f);
    for (int step = 1; step <= Settings::kVolumeSteps; ++step) EXPECT_GT(VolumeGain(step), VolumeGain(step - 1));
}

} // namespace
