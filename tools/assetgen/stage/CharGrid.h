#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A rectangle of characters read from a readable source file under data/.
// Lines starting with ';' are comments and blank lines are skipped, so a source can carry
// its own legend and rulers; lines starting with '@' are settings; every other line is one row
// of cells, one character per cell.
struct CharGrid {
    std::string path;           // as given, for messages
    std::vector<std::string> rows;
    std::vector<int> lines;     // 1-based file line of each row
    // Lines starting with '@' are settings ("@key = value"), kept with their file line; at most 16.
    std::vector<std::pair<int, std::string>> settings;

    char At(int row, int column) const { return rows[row][column]; }
};

// Reads `path` (a regular file of at most 1 MB; a pipe or a device is refused at once) and checks
// that it holds exactly `rowCount` rows of `columnCount` characters, each one of `alphabet`. Every
// problem is reported on standard error as "PATH:LINE:COLUMN: message" (the first screenful, the
// rest counted); nothing is returned then.
std::optional<CharGrid> ReadCharGrid(const std::filesystem::path& path, int rowCount, int columnCount,
                                     std::string_view alphabet);

// Reports a problem at a cell of `grid` in the same form; `row` and `column` count from 0.
void ReportCellError(const CharGrid& grid, int row, int column, const std::string& message);

// Shows a character readably in a message: 'x', or its byte value when it is not printable.
std::string QuoteChar(char c);
