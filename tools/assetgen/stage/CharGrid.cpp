#include "CharGrid.h"

#include <algorithm>
#include <cstdio>

#include "SourceErrors.h"
#include "app/Quote.h"
#include "platform/RegularFile.h"

namespace {

// A source is a few dozen kilobytes; anything far larger is not a source at all.
constexpr size_t kMaxSourceBytes = 1 << 20;
// A stage has four settings; lines of settings past this many are named as errors and not kept.
constexpr size_t kMaxSettings = 16;

} // namespace

std::string QuoteChar(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) return std::string("'") + c + "'";
    char text[16];
    std::snprintf(text, sizeof text, "byte 0x%02X", byte);
    return text;
}

void ReportCellError(const CharGrid& grid, int row, int column, const std::string& message)
{
    std::fprintf(stderr, "%s:%d:%d: %s\n", QuotePath(grid.path).c_str(), grid.lines[row], column + 1, message.c_str());
}

std::optional<CharGrid> ReadCharGrid(const std::filesystem::path& path, int rowCount, int columnCount,
                                     std::string_view alphabet)
{
    CharGrid grid;
    grid.path = path.string();
    // Read within a bound, and only from a regular file: a pipe or a device may never end.
    std::string text;
    std::string problem;
    if (!platform::ReadAtMost(path, kMaxSourceBytes + 1, text, problem)) {
        std::fprintf(stderr, "%s: cannot read the file (%s)\n", QuotePath(grid.path).c_str(), problem.c_str());
        return std::nullopt;
    }
    if (text.size() > kMaxSourceBytes) {
        std::fprintf(stderr, "%s: larger than %zu bytes, too large for a source file\n", QuotePath(grid.path).c_str(),
                     kMaxSourceBytes);
        return std::nullopt;
    }
    SourceErrors errors(grid.path);
    int line = 0;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::string row = text.substr(start, end - start);
        start = end + 1;
        ++line;
        if (!row.empty() && row.back() == '\r') row.pop_back();
        if (row.empty() || row.front() == ';') continue;
        if (row.front() == '@') {
            if (grid.settings.size() == kMaxSettings) {
                errors.At(line, 1, "more than " + std::to_string(kMaxSettings) + " settings");
                continue;
            }
            grid.settings.emplace_back(line, row.substr(1));
            continue;
        }
        const int rowIndex = static_cast<int>(grid.rows.size());
        if (rowIndex == rowCount) {
            errors.At(line, 1, "more than " + std::to_string(rowCount) + " rows");
            break;
        }
        for (size_t i = 0; i < row.size() && i < static_cast<size_t>(columnCount); ++i) {
            if (alphabet.find(row[i]) == std::string_view::npos) {
                errors.At(line, static_cast<int>(i) + 1, "unknown character " + QuoteChar(row[i]));
            }
        }
        if (row.size() != static_cast<size_t>(columnCount)) {
            const int column = static_cast<int>(std::min<size_t>(row.size(), columnCount)) + 1;
            errors.At(line, column,
                      "row " + std::to_string(rowIndex) + " has " + std::to_string(row.size()) + " cells, expected " +
                          std::to_string(columnCount));
        }
        grid.rows.push_back(std::move(row));
        grid.lines.push_back(line);
    }
    if (grid.rows.size() < static_cast<size_t>(rowCount)) {
        errors.At(line + 1, 1, "expected " + std::to_string(rowCount) + " rows, found " +
                                   std::to_string(grid.rows.size()));
    }
    errors.Finish();
    if (!errors.Empty()) return std::nullopt;
    return grid;
}
