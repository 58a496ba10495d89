#include "CharGrid.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>

namespace {

constexpr int kMaxReported = 20;
// A source is a few dozen kilobytes; anything far larger is not a source at all.
constexpr std::uintmax_t kMaxSourceBytes = 1 << 20;
// A stage has four settings; lines of settings past this many are named as errors and not kept.
constexpr std::size_t kMaxSettings = 16;

class ErrorLog {
public:
    explicit ErrorLog(const std::string& path) : mPath(path) {}

    void At(int line, int column, const std::string& message)
    {
        ++mCount;
        if (mCount <= kMaxReported) {
            std::fprintf(stderr, "%s:%d:%d: %s\n", mPath.c_str(), line, column, message.c_str());
        } else if (mCount == kMaxReported + 1) {
            std::fprintf(stderr, "%s: too many errors, stopping here\n", mPath.c_str());
        }
    }
    bool Full() const { return mCount > kMaxReported; }
    bool Empty() const { return mCount == 0; }

private:
    std::string mPath;
    int mCount = 0;
};

}  // namespace

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
    std::fprintf(stderr, "%s:%d:%d: %s\n", grid.path.c_str(), grid.lines[row], column + 1, message.c_str());
}

std::optional<CharGrid> ReadCharGrid(const std::filesystem::path& path, int rowCount, int columnCount,
                                     std::string_view alphabet)
{
    CharGrid grid;
    grid.path = path.string();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot open the file\n", grid.path.c_str());
        return std::nullopt;
    }
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
    if (!sizeError && size > kMaxSourceBytes) {
        std::fprintf(stderr, "%s: %ju bytes is too large for a source file\n", grid.path.c_str(), size);
        return std::nullopt;
    }
    ErrorLog errors(grid.path);
    std::string text;
    int line = 0;
    while (!errors.Full() && std::getline(in, text)) {
        ++line;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty() || text.front() == ';') continue;
        if (text.front() == '@') {
            if (grid.settings.size() == kMaxSettings) {
                errors.At(line, 1, "more than " + std::to_string(kMaxSettings) + " settings");
                continue;
            }
            grid.settings.emplace_back(line, text.substr(1));
            continue;
        }
        const int row = static_cast<int>(grid.rows.size());
        if (row == rowCount) {
            errors.At(line, 1, "more than " + std::to_string(rowCount) + " rows");
            break;
        }
        for (std::size_t i = 0; i < text.size() && i < static_cast<std::size_t>(columnCount); ++i) {
            if (alphabet.find(text[i]) == std::string_view::npos) {
                errors.At(line, static_cast<int>(i) + 1, "unknown character " + QuoteChar(text[i]));
            }
        }
        if (text.size() != static_cast<std::size_t>(columnCount)) {
            const int column = static_cast<int>(std::min<std::size_t>(text.size(), columnCount)) + 1;
            errors.At(line, column, "row " + std::to_string(row) + " has " + std::to_string(text.size()) +
                                        " cells, expected " + std::to_string(columnCount));
        }
        grid.rows.push_back(std::move(text));
        grid.lines.push_back(line);
    }
    if (!errors.Full() && in.bad()) errors.At(line, 1, "read error");
    if (!errors.Full() && grid.rows.size() < static_cast<std::size_t>(rowCount)) {
        errors.At(line + 1, 1, "expected " + std::to_string(rowCount) + " rows, found " +
                                   std::to_string(grid.rows.size()));
    }
    if (!errors.Empty()) return std::nullopt;
    return grid;
}
