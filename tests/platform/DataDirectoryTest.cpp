#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "platform/DataDirectory.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

void PutGameData(const TempDir& root, const std::string& dir)
{
    root.Write(dir + "/TitleMap.txt", "0\n");
    fs::create_directories(root.Path() / dir / "Resource");
}

TEST(DataDirectoryTest, FindsTheDataBesideTheProgramInstalledOrBuiltIn)
{
    struct Case {
        const char* name;
        std::vector<std::string> dataDirs; // where the test puts data
        const char* programDir;
        const char* builtInDir;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"run directory", {"run", "usr/share/zem"}, "run", "usr/share/zem", "run"},
        {"installed under any prefix", {"stage/opt/share/zem", "usr/share/zem"}, "stage/opt/bin", "usr/share/zem",
         "stage/opt/share/zem"},
        {"built-in directory", {"usr/share/zem"}, "elsewhere/bin", "usr/share/zem", "usr/share/zem"},
        {"nowhere", {}, "elsewhere/bin", "usr/share/zem", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir root;
        for (const auto& dir : c.dataDirs) PutGameData(root, dir);
        fs::create_directories(root.Path() / c.programDir);
        const auto found = platform::FindDataDirectory(root.Path() / c.programDir, root.Path() / c.builtInDir);
        if (!c.expected) {
            EXPECT_FALSE(found) << *found;
        } else {
            ASSERT_TRUE(found);
            EXPECT_EQ(fs::weakly_canonical(*found), fs::weakly_canonical(root.Path() / *c.expected));
        }
    }
}

TEST(DataDirectoryTest, AHalfDataDirectoryDoesNotCount)
{
    TempDir root;
    root.Write("bin/TitleMap.txt", "0\n");                    // no Resource/ beside the program
    fs::create_directories(root.Path() / "share/zem/Resource"); // no title map in share/zem
    EXPECT_FALSE(platform::FindDataDirectory(root.Path() / "bin", root.Path() / "share/zem"));
    EXPECT_FALSE(platform::FindDataDirectory({}, {}));
}

TEST(DataDirectoryTest, TheProgramDirectoryHoldsThisTest)
{
    const fs::path dir = platform::ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_TRUE(fs::is_regular_file(dir / "zem_unit_tests")) << dir;
}

} // namespace
