#include "map/StageFiles.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// Lines are read as text: a carriage return before the line feed is not part of the line,
// and a UTF-8 byte-order mark at the start of the file is not part of the first field.
void CleanLine(std::string& line, bool firstLine)
{
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (firstLine && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
}

// Base-10 conversion as the standard one does it (leading blanks and a sign accepted,
// stopping at the first character after the number), but refusing instead of throwing.
bool ToInt32(const std::string& field, int32_t& value)
{
    const char* begin = field.c_str();
    char* end = nullptr;
    errno = 0;
    const long converted = std::strtol(begin, &end, 10);
    if (end == begin) return false;
    if (errno == ERANGE || converted < INT32_MIN || converted > INT32_MAX) return false;
    value = static_cast<int32_t>(converted);
    return true;
}

} // namespace

std::vector<std::string> Split(const std::string& line, char delimiter)
{
    std::vector<std::string> fields;
    std::istringstream stream(line);
    std::string field;
    while (std::getline(stream, field, delimiter)) fields.push_back(field);
    return fields;
}

bool LoadStageCsv(const std::string& path, StageGrid& grid)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::string line;
    int row = 0;
    bool extraReported = false;
    while (std::getline(file, line)) {
        CleanLine(line, row == 0);
        const std::vector<std::string> fields = Split(line, ',');
        if ((row >= kMapRows || fields.size() > static_cast<size_t>(kMapCols)) && !extraReported) {
            std::fprintf(stderr, "zem: %s:%d: more than %d rows of %d fields; the rest is ignored\n", path.c_str(),
                         row + 1, kMapRows, kMapCols);
            extraReported = true;
        }
        if (row < kMapRows) {
            for (size_t m = 0; m < fields.size() && m < static_cast<size_t>(kMapCols); ++m) {
                int32_t value = 0;
                if (ToInt32(fields[m], value)) {
                    grid[row][m] = value;
                } else {
                    std::fprintf(stderr, "zem: %s:%d:%zu: '%s' is not a whole number; the cell keeps %d\n",
                                 path.c_str(), row + 1, m + 1, fields[m].c_str(), grid[row][m]);
                }
            }
        }
        ++row;
    }
    return true;
}

bool LoadTitleMapFile(const std::string& path, TitleGrid& grid)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        std::fputs("NG\n\n", stdout);
        return false;
    }
    std::fputs("OK\n\n", stdout);
    // A byte-order mark is no cell.
    unsigned char mark[3] = {};
    if (std::fread(mark, 1, 3, file) != 3 || mark[0] != 0xEF || mark[1] != 0xBB || mark[2] != 0xBF) {
        std::rewind(file);
    }
    int row = 0;
    int column = 0;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        if (c == '\r') {
            const int next = std::fgetc(file);
            if (next == '\n') c = '\n';
            else if (next != EOF) std::ungetc(next, file);
        }
        if (c == '\n') {
            column = 0;
            ++row;
            continue;
        }
        if (row < kTitleMapRows && column < kTitleMapCols) grid[row][column] = c - '0';
        ++column;
    }
    std::fclose(file);
    return true;
}
