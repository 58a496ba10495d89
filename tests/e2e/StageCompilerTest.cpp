// zem-stage from the outside: what it reads, how it replaces a stage folder, and what it says.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/StageDescription.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const std::string kCompiler = std::string(ZEM_RUN_DIR) + "/zem-stage";
const std::string kData = std::string(ZEM_SOURCE_DIR) + "/data/";

ProcessResult Compile(const std::string& source, const std::string& folder, const std::string& before = "")
{
    return RunCommand(before + kCompiler + " '" + source + "' '" + folder + "' >/dev/null");
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The first stage's source with each row of cells made by `row` (given the row's text).
template <class MakeRow>
std::string WithRows(MakeRow row)
{
    std::string out;
    for (std::string line : Lines(ReadFile(kData + "stage.txt"))) {
        if (!line.empty() && line[0] != ';' && line[0] != '@') line = row(line);
        out += line + "\n";
    }
    return out;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// A pipe, a device, a pipe's far end and an oversized file: each refused in one line, without
// reading on for ever or past the bound (the guards stop the run only when that fails).
TEST(StageCompilerTest, OnlyARegularFileIsReadAndOnlyWithinItsBound)
{
    TempDir dir;
    const std::string fifo = (dir.Path() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string large = dir.Write("large.txt", std::string((1 << 20) + 1, '.')).string();
    const std::string out = (dir.Path() / "out").string();
    const std::string guard = "ulimit -v 1000000; timeout 120 ";
    const struct {
        std::string command;
        std::string message;
    } cases[] = {
        {guard + kCompiler + " /dev/zero " + out, "/dev/zero: cannot read the file (a device, not a file)"},
        {guard + kCompiler + " " + fifo + " " + out, fifo + ": cannot read the file (a pipe, not a file)"},
        {"head -c 50000000 /dev/zero | (" + guard + kCompiler + " /dev/stdin " + out + ")",
         "/dev/stdin: cannot read the file (a pipe, not a file)"},
        {guard + kCompiler + " " + large + " " + out,
         large + ": larger than 1048576 bytes, too large for a source file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        const auto result = RunCommand(c.command);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, c.message + "\n");
        EXPECT_FALSE(fs::exists(out));
    }
}

std::map<std::string, std::string> FilesIn(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        files[it->path().filename().string()] = ReadFile(it->path().string());
    }
    return files;
}

std::string Describe(const std::map<std::string, std::string>& now, const std::map<std::string, std::string>& old,
                     const std::map<std::string, std::string>& fresh)
{
    std::string text;
    for (const auto& [name, content] : now) {
        const auto inOld = old.find(name);
        const auto inNew = fresh.find(name);
        text += name +
                (inOld != old.end() && inOld->second == content ? " old"
                 : inNew != fresh.end() && inNew->second == content
                     ? " new"
                     : " neither (" + std::to_string(content.size()) + " bytes)") +
                "; ";
    }
    return text;
}

// zem-stage replacing a stage folder is stopped dead before each of its changes to the file system
// in turn: the folder then holds the old stage whole or the new one whole (with the player's own
// notes kept), the game lists it as the one stage there, and a later run clears what was left.
TEST(StageCompilerTest, AKillAtAnyMomentLeavesTheOldStageOrTheNew)
{
    TempDir dir;
    const fs::path old = dir.Path() / "old";
    const fs::path fresh = dir.Path() / "new";
    ASSERT_EQ(Compile(kData + "stage2.txt", old.string()).exitCode, 0);
    ASSERT_EQ(Compile(kData + "stage.txt", fresh.string()).exitCode, 0);
    for (const fs::path& folder : {old, fresh}) dir.Write(folder.filename().string() + "/notes.txt", "my notes\n");
    const auto oldFiles = FilesIn(old);
    const auto newFiles = FilesIn(fresh);
    ASSERT_EQ(oldFiles.size(), 7u);

    const fs::path stages = dir.Path() / "stages";
    const fs::path castle = stages / "castle";
    int finishedAt = 0;
    for (int stopAt = 1; stopAt < 500 && finishedAt == 0; ++stopAt) {
        SCOPED_TRACE("stopped before change " + std::to_string(stopAt));
        fs::remove_all(castle);
        fs::create_directories(stages);
        fs::copy(old, castle, fs::copy_options::recursive);
        const auto result =
            Compile(kData + "stage.txt", castle.string(),
                    "ZEM_STOP_AT_CHANGE=" + std::to_string(stopAt) + " LD_PRELOAD=" + ZEM_STOP_AT_CHANGE + " ");
        if (result.exitCode == 0) {
            finishedAt = stopAt;
        } else {
            EXPECT_NE(result.exitCode, 1) << result.err; // stopped, not failed
        }
        const auto now = FilesIn(castle);
        EXPECT_TRUE(now == oldFiles || now == newFiles) << Describe(now, oldFiles, newFiles);

        testing::internal::CaptureStderr();
        const auto listed = PlayerStages(stages);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        ASSERT_EQ(listed.size(), 1u);
        EXPECT_EQ(listed[0].id, "castle");
    }
    EXPECT_GT(finishedAt, 12); // each file written and synced, at least

    ASSERT_EQ(Compile(kData + "stage.txt", castle.string()).exitCode, 0);
    EXPECT_EQ(FilesIn(castle), newFiles);
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(stages)) entries.push_back(entry.path().filename().string());
    EXPECT_EQ(entries, std::vector<std::string>{"castle"});
}

// What it prints and writes: its usage, its messages at their line and column and their cap, the
// game's own check of a stage, and a folder's name made safe for the description.
TEST(StageCompilerTest, ItsMessagesAndTheNameItWrites)
{
    TempDir dir;
    const struct {
        const char* name;
        std::string source; // empty: not given
        std::string folder; // relative to the test's folder
        int exitCode;
        std::vector<std::string> messages; // lines that follow the source's name, in order
        size_t lineCount;                  // how many lines it prints in all
        std::string nameLine;              // the description's name line, when it is written
    } cases[] = {
        {"one argument", "", "", 2, {"usage: zem-stage STAGE.txt FOLDER", "       zem-stage --solve FOLDER [--out FILE]"}, 7, ""},
        {"a name longer than the title shows",
         Replaced(ReadFile(kData + "stage.txt"), "@name = MEADOW", "@name = " + std::string(50, 'm')),
         "long",
         0,
         {":81:41: a name of 50 characters; the title shows the first 32: '" + std::string(32, 'M') + "'"},
         1,
         "name = " + std::string(32, 'M')},
        {"a bad setting",
         Replaced(ReadFile(kData + "stage.txt"), "@start = 200 1300", "@start = 200 x"),
         "out",
         1,
         {":84:10: 'start' needs the hero's x and y in pixels, inside the stage"},
         1,
         ""},
        {"the hero inside the ground",
         Replaced(ReadFile(kData + "stage.txt"), "@start = 200 1300", "@start = 220 1400"),
         "out",
         1,
         {":122:5: the hero's start (220, 1400) puts its box inside this tile and 5 more",
          ": no ground under the hero's start (220, 1400), in columns 5 to 7"},
         2,
         ""},
        {"a goal marker in every cell",
         WithRows([](const std::string&) { return std::string(350, 'G'); }),
         "out",
         1,
         {":88:2: a second goal marker; the goal star stands on one only", ": 12580 more problems not shown"},
         21,
         ""},
        {"a slash after the folder",
         Replaced(ReadFile(kData + "stage.txt"), "@name = MEADOW\n", ""),
         "castle/",
         0,
         {},
         0,
         "name = CASTLE"},
        {"a line break in the folder's name",
         Replaced(ReadFile(kData + "stage.txt"), "@name = MEADOW\n", ""),
         "two\ntune = 3",
         0,
         {},
         0,
         "name = TWO?TUNE = 3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string source = c.source.empty() ? "" : dir.Write("source.txt", c.source).string();
        const fs::path folder = dir.Path() / c.folder;
        const auto result = c.source.empty() ? RunCommand(kCompiler + " only") : Compile(source, folder.string());
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        const auto lines = Lines(result.err);
        EXPECT_EQ(lines.size(), c.lineCount) << result.err;
        auto line = lines.begin();
        for (const std::string& message : c.messages) {
            line = std::find(line, lines.end(), source + message);
            EXPECT_NE(line, lines.end()) << message << "\n" << result.err;
        }
        if (c.exitCode != 0) continue;
        const auto description = Lines(ReadFile((folder / "Stage.ini").string()));
        ASSERT_EQ(description.size(), 5u) << ReadFile((folder / "Stage.ini").string());
        EXPECT_EQ(description[1], c.nameLine);
        EXPECT_EQ(description[2], "tune = 1");
    }
    const auto help = RunCommand(kCompiler + " --help >/dev/null");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
}

} // namespace
