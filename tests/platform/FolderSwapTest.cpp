// A stage folder replaced in one change: what it keeps, what it refuses, and where it writes.
// (What a kill at each moment leaves is shown on zem-stage itself: e2e/StageCompilerTest.cpp.)
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/FolderSwap.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> FilesIn(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        files[entry.path().filename().string()] = fs::is_directory(entry) ? "(folder)" : ReadFile(entry.path());
    }
    return files;
}

using Files = std::map<std::string, std::string>;

TEST(FolderSwapTest, TheNewFilesReplaceTheOldAndTheRestIsKeptOrRefused)
{
    const std::vector<platform::FolderFile> stage = {{"Map005.csv", "new\n"}, {"Stage.ini", "name = NEW\n"}};
    const Files newStage = {{"Map005.csv", "new\n"}, {"Stage.ini", "name = NEW\n"}};
    const struct {
        const char* name;
        Files before;        // in the folder "castle", beside a link "link" to it ("(folder)" makes a folder)
        const char* given;   // the path handed over
        const char* written; // the folder then looked at
        bool replaced;
        Files after;
    } cases[] = {
        {"a new folder, and the folders it goes in", {}, "more/castle", "more/castle", true, newStage},
        {"an old stage, with the player's notes",
         {{"Map005.csv", "old\n"}, {"Stage.ini", "old\n"}, {"notes.txt", "mine\n"}},
         "castle",
         "castle",
         true,
         {{"Map005.csv", "new\n"}, {"Stage.ini", "name = NEW\n"}, {"notes.txt", "mine\n"}}},
        {"given with a slash at its end", {{"Map005.csv", "old\n"}}, "castle/", "castle", true, newStage},
        {"through a link to it", {{"Map005.csv", "old\n"}}, "link", "castle", true, newStage},
        {"a folder holding a folder",
         {{"Map005.csv", "old\n"}, {"sub", "(folder)"}},
         "castle",
         "castle",
         false,
         {{"Map005.csv", "old\n"}, {"sub", "(folder)"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        fs::create_directories(dir.Path() / "castle");
        fs::create_directory_symlink("castle", dir.Path() / "link");
        for (const auto& [name, content] : c.before) {
            if (content == "(folder)") fs::create_directories(dir.Path() / "castle" / name);
            else dir.Write("castle/" + name, content);
        }
        std::string error;
        EXPECT_EQ(platform::ReplaceFolder(dir.Path() / c.given, stage, error), c.replaced) << error;
        EXPECT_EQ(error.empty(), c.replaced) << error;
        const fs::path written = dir.Path() / c.written;
        EXPECT_EQ(FilesIn(written), c.after);
        EXPECT_TRUE(fs::is_symlink(dir.Path() / "link"));
        // Nothing is left beside it.
        std::vector<std::string> beside;
        for (const auto& entry : fs::directory_iterator(written.parent_path())) {
            const std::string name = entry.path().filename().string();
            if (name != "castle" && name != "link" && name != "more") beside.push_back(name);
        }
        EXPECT_EQ(beside, std::vector<std::string>{});
    }

    TempDir dir;
    dir.Write("file", "a file\n");
    std::string error;
    EXPECT_FALSE(platform::ReplaceFolder(dir.Path() / "file", stage, error));
    EXPECT_EQ(error, "not a folder; nothing is written");
    EXPECT_EQ(ReadFile((dir.Path() / "file").string()), "a file\n");
}

TEST(FolderSwapTest, WhatAStoppedReplacementLeavesIsKnownByItsName)
{
    EXPECT_TRUE(platform::IsUnfinishedFolder(".castle.zem-k3Xq9Z"));
    EXPECT_FALSE(platform::IsUnfinishedFolder("castle"));
    EXPECT_FALSE(platform::IsUnfinishedFolder(".castle"));
    EXPECT_FALSE(platform::IsUnfinishedFolder("castle.zem-k3Xq9Z"));
    EXPECT_FALSE(platform::IsUnfinishedFolder(".zem-k3Xq9Z"));
}

} // namespace
