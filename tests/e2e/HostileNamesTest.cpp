// Words from outside the game (folder names, file names, the files' own words, the environment)
// reach the terminal only escaped: the real programs, fed hostile names, write no raw control
// byte, no C1 control and no broken UTF-8 to standard error.
#include <gtest/gtest.h>

#include <string>

#include "support/Process.h"
#include "support/TempDir.h"

namespace {

// Escape sequences that set the terminal's title, colour it or clear it, in every form a
// terminal takes them: as C0, as UTF-8 C1, as a bare C1 byte; and a right-to-left override.
const std::string kTitle = "x\x1b]0;PWNED\a";
const std::string kUtf8C1 = "c1\xc2\x9b"
                            "31m";
const std::string kBareC1 = "b\x9b"
                            "2J\xff";
const std::string kBackwards = "rtl\xe2\x80\xae"
                               "cba";

// The first place where `err` holds what a terminal would act on or what could disguise the
// line (a C0 control but the line ends, DEL, a C1 control, the right-to-left override, bytes
// that are not UTF-8); npos when there is none.
size_t RawControlAt(const std::string& err)
{
    for (size_t i = 0; i < err.size();) {
        const auto c = static_cast<unsigned char>(err[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\n') || c == 0x7F) return i;
            ++i;
            continue;
        }
        const size_t length = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
        if (length == 0 || i + length > err.size()) return i;
        char32_t codePoint = c & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto follow = static_cast<unsigned char>(err[i + k]);
            if ((follow & 0xC0) != 0x80) return i;
            codePoint = (codePoint << 6) | (follow & 0x3F);
        }
        if (codePoint <= 0x9F || codePoint == 0x202E) return i;
        i += length;
    }
    return std::string::npos;
}

// Single quotes keep every byte of a name as it is for the shell (none of the names holds one).
std::string Sh(const std::filesystem::path& path)
{
    return "'" + path.string() + "'";
}

class HostileNamesTest : public testing::Test {
protected:
    void SetUp() override
    {
        // The player's folders: a stage folder of each hostile name, with a bad field in its only
        // grid and no description.
        root = dir.Path() / kTitle;
        for (const std::string& name : {kTitle, kUtf8C1, kBareC1, kBackwards}) {
            dir.Write(kTitle + "/data/zem/stages/" + name + "/Map005.csv", "5,\x1b[2J" + name + ",7\n");
        }
        dir.Write(kTitle + "/best-results.txt", "score 5\n" + kUtf8C1 + " 3\n");
        dir.Write(kTitle + "/settings.ini", "music = \x1b[2J\n" + kTitle + " = 1\n");
    }

    void ExpectEscaped(const ProcessResult& run, int exitCode, const std::string& said)
    {
        EXPECT_EQ(run.exitCode, exitCode) << run.err;
        const size_t at = RawControlAt(run.err);
        EXPECT_EQ(at, std::string::npos) << "a raw control byte at " << at << " of:\n" << run.err;
        EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
    }

    TempDir dir;
    std::filesystem::path root;
};

// One run that meets every hostile word the headless runner can: the player's stage folders,
// their grid's field, the best results, the settings and the key timeline's own name. Right on
// the title chooses the first of the player's stages, whose missing grids are named by their
// paths too.
TEST_F(HostileNamesTest, TheHeadlessRunnerShowsEveryWordEscaped)
{
    const auto keys = dir.Write(kTitle + "/keys" + kTitle, "1\n10 Right\n11\n20 Enter\n21\n");
    const auto run =
        RunCommand(std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR + " --no-render --frames 80" + " --stages " +
                   Sh(root / "data/zem/stages") + " --best " + Sh(root / "best-results.txt") + " --settings " +
                   Sh(root / "settings.ini") + " --keys " + Sh(keys));
    ExpectEscaped(run, 0, "x\\e]0;PWNED\\a/data/zem/stages/b\\x9b2J\\xff/Stage.ini: no stage description");
    for (const char* shown : {"stages/b\\x9b2J\\xff/Map005.csv:1:2: '\\e[2Jb\\x9b2J\\xff' is not a whole number",
                              "stages/b\\x9b2J\\xff/EnemyMap005.csv: cannot open", "stages/c1\\u009b31m/Stage.ini",
                              "stages/rtl\\u202ecba/Stage.ini", "unknown entry 'c1\\u009b31m'", "'\\e[2J'",
                              "unknown setting 'x\\e]0;PWNED\\a'"}) {
        EXPECT_NE(run.err.find(shown), std::string::npos) << shown << " in:\n" << run.err;
    }
}

// Refusals name what they refuse escaped: a bad line of a key timeline under a hostile name, a
// directory, an option, and a video driver asked for by the environment (SDL names it).
TEST_F(HostileNamesTest, RefusalsShowTheirWordsEscaped)
{
    const auto keys = dir.Write(kTitle + "/bad" + kBackwards + ".keys", "1 " + kTitle + "\n");
    const std::string headless = std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR;
    ExpectEscaped(RunCommand(headless + " --no-render --keys " + Sh(keys)), 2,
                  "badrtl\\u202ecba.keys:1: unknown key 'x\\e]0;PWNED\\a'");
    ExpectEscaped(RunCommand(std::string(ZEM_HEADLESS) + " --dir " + Sh(root / kUtf8C1)), 2,
                  "c1\\u009b31m: cannot enter the directory");
    ExpectEscaped(RunCommand(headless + " " + Sh("--" + kTitle)), 2, "unknown option '--x\\e]0;PWNED\\a'");
    ExpectEscaped(RunCommand("SDL_VIDEODRIVER=" + Sh(kTitle) + " " + headless + " --frames 1"), 1, "x\\e]0;PWNED\\a");
}

// The game itself, before its window: the player's stages under a hostile data directory, and a
// recording of another game refused by its hostile name.
TEST_F(HostileNamesTest, TheGameShowsEveryWordEscaped)
{
    const auto recording =
        dir.Write(kTitle + "/run" + kBareC1 + ".keys", "data 0123456789abcdef\nstages 0a\n1\n9 Escape\n");
    const auto run =
        RunCommand("HOME=" + Sh(root) + " XDG_DATA_HOME=" + Sh(root / "data") + " XDG_CONFIG_HOME=" + Sh(root) + " " +
                   ZEM_GAME + " --windowed --replay " + Sh(recording));
    ExpectEscaped(run, 2, "runb\\x9b2J\\xff.keys: recorded on other game data");
    EXPECT_NE(run.err.find("stages/x\\e]0;PWNED\\a/Stage.ini: no stage description"), std::string::npos) << run.err;
}

} // namespace
