// make install as a packager runs it: a staged prefix, then the installed game on its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/Process.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const std::string kAppId = ZEM_APP_ID;

// Installs the build under `prefix`, staged in DESTDIR=`stage`; returns the staged prefix.
fs::path Install(const TempDir& stage, const std::string& prefix)
{
    const auto run = RunCommand("DESTDIR='" + stage.Path().string() + "' " + ZEM_CMAKE + " --install " + ZEM_BUILD_DIR +
                                " --prefix " + prefix + " >/dev/null");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return stage.Path() / fs::path(prefix).relative_path();
}

size_t FilesUnder(const fs::path& dir)
{
    size_t count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file() && entry.path().filename() != ".generated") ++count;
    return count;
}

bool HasProgram(const char* name)
{
    return RunCommand(std::string("command -v ") + name + " >/dev/null").exitCode == 0;
}

TEST(InstallTest, PutsTheGameItsDataAndItsDesktopFilesInTheUsualPlaces)
{
    TempDir stage;
    const fs::path root = Install(stage, "/opt/zem-test");
    EXPECT_TRUE((fs::status(root / "bin/zem").permissions() & fs::perms::owner_exec) != fs::perms::none);
    const std::vector<std::string> files = {"share/zem/TitleMap.txt", "share/zem/Resource/Data/Map005.csv",
                                   "share/applications/" + kAppId + ".desktop",
                                   "share/metainfo/" + kAppId + ".metainfo.xml",
                                   "share/icons/hicolor/scalable/apps/" + kAppId + ".svg"};
    for (const std::string& file : files)
        EXPECT_TRUE(fs::is_regular_file(root / file)) << file;
    // Every generated file, and nothing of the build's bookkeeping.
    EXPECT_EQ(FilesUnder(root / "share/zem/Resource"), FilesUnder(fs::path(ZEM_RUN_DIR) / "Resource"));
    EXPECT_FALSE(fs::exists(root / "share/zem/Resource/.generated"));
    const std::string metainfo = ReadFile((root / "share/metainfo" / (kAppId + ".metainfo.xml")).string());
    EXPECT_NE(metainfo.find("<release version=\"" ZEM_VERSION "\""), std::string::npos) << metainfo;
    const std::string desktop = ReadFile((root / "share/applications" / (kAppId + ".desktop")).string());
    EXPECT_NE(desktop.find("\nExec=zem\n"), std::string::npos);
    EXPECT_NE(desktop.find("\nIcon=" + kAppId + "\n"), std::string::npos);
}

TEST(InstallTest, TheDesktopEntryAndTheAppStreamMetadataValidate)
{
    if (!HasProgram("appstreamcli") || !HasProgram("desktop-file-validate"))
        GTEST_SKIP() << "appstreamcli or desktop-file-validate missing (scripts/install-deps installs them)";
    TempDir stage;
    const fs::path root = Install(stage, "/usr");
    const auto metainfo = RunCommand("appstreamcli validate --no-net --pedantic '" +
                                     (root / "share/metainfo" / (kAppId + ".metainfo.xml")).string() + "' 1>&2");
    EXPECT_EQ(metainfo.exitCode, 0) << metainfo.err;
    const auto desktop =
        RunCommand("desktop-file-validate '" + (root / "share/applications" / (kAppId + ".desktop")).string() + "' 1>&2");
    EXPECT_EQ(desktop.exitCode, 0) << desktop.err;
}

// The game reads its data by relative paths; started from anywhere it must still find it. Without
// video it stops right after looking, which is all this needs.
TEST(InstallTest, TheInstalledGameFindsItsDataFromAnyDirectory)
{
    TempDir stage;
    const fs::path root = Install(stage, "/usr");
    TempDir elsewhere;
    const std::string startFromElsewhere = "cd '" + elsewhere.Path().string() +
                                           "' && SDL_VIDEODRIVER=no-such-driver ZEM_FULLSCREEN=no ";
    const auto installed = RunCommand(startFromElsewhere + "'" + (root / "bin/zem").string() + "' </dev/null");
    EXPECT_NE(installed.exitCode, 0);
    EXPECT_NE(installed.err.find("Direct3D"), std::string::npos) << installed.err;
    EXPECT_EQ(installed.err.find("not found"), std::string::npos) << installed.err;

    // The program alone, away from any data, says where it looked and goes on.
    if (fs::exists(fs::path(ZEM_INSTALLED_DATA_DIR) / "TitleMap.txt"))
        GTEST_SKIP() << "the game is installed on this machine, so a lone program finds its data there";
    fs::create_directories(elsewhere.Path() / "lonely");
    fs::copy_file(root / "bin/zem", elsewhere.Path() / "lonely/zem");
    const auto lonely = RunCommand(startFromElsewhere + "./lonely/zem </dev/null");
    EXPECT_NE(lonely.err.find("game data (TitleMap.txt, Resource/) not found"), std::string::npos) << lonely.err;
    EXPECT_NE(lonely.err.find("Direct3D"), std::string::npos) << lonely.err;
}

} // namespace
