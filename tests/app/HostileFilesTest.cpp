// Data files that never end or never open: a pipe, a link to /dev/zero and a directory in place
// of each kind of file the game reads. Each is refused at once, in one line, and the game goes on.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "app/BestResults.h"
#include "app/WavReader.h"
#include "map/StageFiles.h"
#include "platform/ImageFile.h"
#include "platform/RegularFile.h"
#include "support/TempDir.h"

namespace {

// Puts a pipe, a link to /dev/zero and a directory in the temporary folder.
struct Hostile {
    TempDir dir;
    std::string pipe = (dir.Path() / "pipe").string();
    std::string zero = (dir.Path() / "zero").string();
    std::string folder = (dir.Path() / "folder").string();

    Hostile()
    {
        EXPECT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
        std::filesystem::create_symlink("/dev/zero", zero);
        std::filesystem::create_directory(folder);
    }
};

TEST(HostileFilesTest, OnlyRegularFilesAreOpened)
{
    Hostile h;
    const auto good = h.dir.Write("good.txt", "x");
    const struct {
        std::string path;
        const char* problem;
    } cases[] = {
        {h.pipe, "a pipe"}, {h.zero, "a device"}, {h.folder, "a directory"}, {h.dir.Path() / "missing", "No such file"},
    };
    std::string problem;
    std::string text;
    EXPECT_TRUE(platform::IsRegularFile(good.string(), problem));
    EXPECT_TRUE(platform::OpenRegularFile(good.string(), problem));
    EXPECT_TRUE(platform::ReadAtMost(good, 10, text, problem));
    EXPECT_EQ(text, "x");
    for (const auto& c : cases) {
        EXPECT_FALSE(platform::IsRegularFile(c.path, problem)) << c.path;
        EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        // Opening looks again at what was opened; a pipe's open does not wait for a writer.
        problem.clear();
        EXPECT_FALSE(platform::OpenRegularFile(c.path, problem)) << c.path;
        EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        problem.clear();
        EXPECT_FALSE(platform::ReadAtMost(c.path, 10, text, problem)) << c.path;
        EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        EXPECT_EQ(text, "");
    }
}

// Every reader of the game's files refuses them in one line (nothing blocks, nothing spins).
TEST(HostileFilesTest, EveryReaderRefusesPipesDevicesAndFolders)
{
    Hostile h;
    for (const std::string& path : {h.pipe, h.zero, h.folder}) {
        SCOPED_TRACE(path);
        testing::internal::CaptureStderr();
        StageGrid grid = {};
        EXPECT_FALSE(LoadStageCsv(path, grid));
        TitleGrid title = {};
        testing::internal::CaptureStdout();
        EXPECT_FALSE(LoadTitleMapFile(path, title));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "NG\n\n");
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
        EXPECT_NE(err.find("cannot read the title map"), std::string::npos) << err;

        CWavReader wave;
        EXPECT_EQ(wave.Open(path), CWavReader::kFail);
        platform::ImageHeader header;
        std::string error;
        EXPECT_FALSE(platform::ReadImageHeader(path, header, error));
        EXPECT_FALSE(error.empty());
        CBestResultsFile bests(path);
        testing::internal::CaptureStderr();
        bests.Load();
        EXPECT_NE(testing::internal::GetCapturedStderr().find("playing on without"), std::string::npos);
    }
}

// A missing title map still says "NG" on standard output, and now also names the file.
TEST(HostileFilesTest, AMissingTitleMapIsNamed)
{
    TitleGrid title = {};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(LoadTitleMapFile("no-such-TitleMap.txt", title));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "NG\n\n");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "zem: no-such-TitleMap.txt: cannot read the title map (No such file or directory); the title shows "
                   "no ground\n");
}

// A huge stage file is read only as far as a stage can reach, and the data stamp hashes no more.
TEST(HostileFilesTest, AStageFileIsReadOnlyAsFarAsAStageReaches)
{
    TempDir dir;
    const std::string line(4u << 20, '7'); // one field of four million digits
    const auto path = dir.Write("huge.csv", line + "\n");
    StageGrid grid = {};
    testing::internal::CaptureStderr();
    EXPECT_TRUE(LoadStageCsv(path.string(), grid));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("longer than 1048576 bytes; the rest is not read"), std::string::npos) << err;
}

} // namespace
