#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "map/StageFiles.h"
#include "support/TempDir.h"

namespace {

// The grid is large: tests keep it on the heap.
struct Grid {
    StageGrid cells = {};
};

TEST(StageFilesTest, SplitKeepsEmptyFieldsButNoTrailingOne)
{
    EXPECT_EQ(Split("1,2,", ','), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Split("1,,3", ','), (std::vector<std::string>{"1", "", "3"}));
    EXPECT_EQ(Split("", ','), (std::vector<std::string>{}));
    EXPECT_EQ(Split(",", ','), (std::vector<std::string>{""}));
}

struct GridCase {
    const char* name;
    std::string text;
    std::vector<std::tuple<int, int, int>> cells; // row, column, expected value
};

TEST(StageFilesTest, LoadingFillsTheGridAsTheFileSays)
{
    const GridCase cases[] = {
        {"trailing comma fills two columns only", "1,2,\n", {{0, 0, 1}, {0, 1, 2}, {0, 2, -9}}},
        {"an empty line consumes its row", "1\n\n3\n", {{0, 0, 1}, {1, 0, -9}, {2, 0, 3}}},
        {"a final line feed adds no row", "4\n5\n", {{1, 0, 5}, {2, 0, -9}}},
        {"blanks, signs and trailing letters", " 7,3a,-1,+2\n", {{0, 0, 7}, {0, 1, 3}, {0, 2, -1}, {0, 3, 2}}},
        {"carriage returns and a byte-order mark", "\xEF\xBB\xBF" "6,7\r\n8\r\n", {{0, 0, 6}, {0, 1, 7}, {1, 0, 8}}},
        {"an empty field is reported and kept", "1,,3\n", {{0, 0, 1}, {0, 1, -9}, {0, 2, 3}}},
        {"a field that is no number is kept", "x,5\n", {{0, 0, -9}, {0, 1, 5}}},
        {"a number past 32 bits is kept", "99999999999,-2147483648\n", {{0, 0, -9}, {0, 1, -2147483647 - 1}}},
        {"a sign alone or twice is no number", "-,+-3,2147483647\n", {{0, 0, -9}, {0, 1, -9}, {0, 2, 2147483647}}},
        {"a lone carriage return is part of its field", "1\r,5\r\r\n", {{0, 0, 1}, {0, 1, 5}}},
        {"a trailing comma at the grid's edge", [] { std::string t; for (int c = 0; c < kMapCols; ++c) t += "1,"; return t + "\n8\n"; }(), {{0, kMapCols - 1, 1}, {1, 0, 8}}},
    };
    TempDir dir;
    for (const GridCase& c : cases) {
        auto holder = std::make_unique<Grid>();
        auto& grid = holder->cells;
        for (auto& row : grid)
            for (auto& cell : row) cell = -9;
        const auto path = dir.Write("stage.csv", c.text);
        testing::internal::CaptureStderr();
        EXPECT_TRUE(LoadStageCsv(path.string(), grid)) << c.name;
        testing::internal::GetCapturedStderr();
        for (const auto& [row, column, value] : c.cells) {
            EXPECT_EQ(grid[row][column], value) << c.name << " at " << row << "," << column;
        }
    }
}

TEST(StageFilesTest, BadFieldsAreNamedWithFileRowAndColumn)
{
    TempDir dir;
    const auto path = dir.Write("Map.csv", "1,2\n3,oops\n");
    auto holder = std::make_unique<Grid>();
        auto& grid = holder->cells;
    testing::internal::CaptureStderr();
    LoadStageCsv(path.string(), grid);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Map.csv:2:2: 'oops' is not a whole number"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
}

TEST(StageFilesTest, NothingPastTheGridIsWritten)
{
    TempDir dir;
    std::string text;
    for (int r = 0; r < kMapRows + 5; ++r) {
        for (int c = 0; c < kMapCols + 10; ++c) text += std::to_string(r + 1) + ",";
        text += "\n";
    }
    const auto path = dir.Write("big.csv", text);
    // The grid sits between two guards that must stay untouched.
    struct Guarded {
        int32_t before[64];
        StageGrid grid;
        int32_t after[64];
    };
    auto g = std::make_unique<Guarded>();
    std::fill(std::begin(g->before), std::end(g->before), 77);
    std::fill(std::begin(g->after), std::end(g->after), 77);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(LoadStageCsv(path.string(), g->grid));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("the rest is ignored"), std::string::npos);
    EXPECT_EQ(g->grid[0][0], 1);
    EXPECT_EQ(g->grid[kMapRows - 1][kMapCols - 1], kMapRows);
    for (int v : g->before) EXPECT_EQ(v, 77);
    for (int v : g->after) EXPECT_EQ(v, 77);
}

TEST(StageFilesTest, AFileThatCannotBeReadIsNamedAndLeavesTheGridAlone)
{
    TempDir dir;
    const struct {
        std::string path;
        const char* message;
    } cases[] = {
        {"/nonexistent/Map005.csv", "/nonexistent/Map005.csv: cannot open the stage file (No such file or directory)"},
        {dir.Path().string(), ": cannot open the stage file (a directory, not a file)"},
    };
    for (const auto& c : cases) {
        auto holder = std::make_unique<Grid>();
        auto& grid = holder->cells;
        grid[3][4] = 5;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(LoadStageCsv(c.path, grid));
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_EQ(grid[3][4], 5);
    }
}

// A whole grid of bad fields names the first few and counts the rest in one line.
TEST(StageFilesTest, ManyBadFieldsGiveAFewLinesAndACount)
{
    std::string row;
    for (int c = 0; c < kMapCols; ++c) row += "x,";
    std::string text;
    for (int r = 0; r < kMapRows; ++r) text += row + "\n";
    TempDir dir;
    const auto path = dir.Write("Map.csv", text);
    auto holder = std::make_unique<Grid>();
    testing::internal::CaptureStderr();
    EXPECT_TRUE(LoadStageCsv(path.string(), holder->cells));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 6) << err;
    EXPECT_NE(err.find("Map.csv:1:5: 'x' is not a whole number"), std::string::npos) << err;
    EXPECT_NE(err.find("Map.csv: 12595 more fields are not whole numbers"), std::string::npos) << err;
}

// One enormous line reads its first 350 fields; a field of any length is quoted only in part.
TEST(StageFilesTest, AnEnormousLineFillsOneRowAndNoMore)
{
    std::string text = std::string(300'000, ' ') + "12x" + std::string(300'000, 'y') + "," + std::string(300'000, 'q') + ",";
    for (int c = 2; c < 2 * kMapCols; ++c) text += "7,";
    text += "\n3\n";
    TempDir dir;
    const auto path = dir.Write("Map.csv", text);
    auto holder = std::make_unique<Grid>();
    auto& grid = holder->cells;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(LoadStageCsv(path.string(), grid));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(grid[0][0], 12);
    EXPECT_EQ(grid[0][kMapCols - 1], 7);
    EXPECT_EQ(grid[1][0], 3);
    EXPECT_NE(err.find("Map.csv:1:2: '" + std::string(24, 'q') + "...' is not a whole number"), std::string::npos) << err;
    EXPECT_NE(err.find("Map.csv:1: more than 36 rows of 350 fields; the rest is ignored"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
}

// A bad field and the folder's name reach the message escaped, never as raw control bytes.
TEST(StageFilesTest, ABadFieldAndItsPathAreShownEscaped)
{
    TempDir dir;
    const auto path = dir.Write("x\x1b]0;PWNED\a/Map.csv", "5,\x1b]2;X\a\xc2\x9b\xff,7\n");
    auto holder = std::make_unique<Grid>();
    testing::internal::CaptureStderr();
    EXPECT_TRUE(LoadStageCsv(path.string(), holder->cells));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("x\\e]0;PWNED\\a/Map.csv:1:2: '\\e]2;X\\a\\u009b\\xff' is not a whole number"),
              std::string::npos)
        << err;
    EXPECT_EQ(holder->cells[0][2], 7);
}

TEST(TitleMapFileTest, OkAndNgLinesAndTheDigits)
{
    TempDir dir;
    TitleGrid grid = {};
    testing::internal::CaptureStdout();
    EXPECT_FALSE(LoadTitleMapFile((dir.Path() / "TitleMap.txt").string(), grid));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "NG\n\n");
    for (auto& row : grid)
        for (int cell : row) EXPECT_EQ(cell, 0);

    // Rows too long and too many are cut at the grid; CRLF endings read like LF.
    std::string text = "\xEF\xBB\xBF" "12\r\n";
    for (int r = 1; r < kTitleMapRows + 3; ++r) text += std::string(kTitleMapCols + 4, '2') + "\n";
    const auto path = dir.Write("TitleMap.txt", text);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(LoadTitleMapFile(path.string(), grid));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "OK\n\n");
    EXPECT_EQ(grid[0][0], 1);
    EXPECT_EQ(grid[0][1], 2);
    EXPECT_EQ(grid[0][2], 0);
    EXPECT_EQ(grid[kTitleMapRows - 1][kTitleMapCols - 1], 2);
}

} // namespace
