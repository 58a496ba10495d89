#include "GridWriter.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool WriteText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write the file\n", path.string().c_str());
        return false;
    }
    return true;
}

}  // namespace

std::string CsvGridText(const std::vector<std::vector<int>>& grid)
{
    std::string text;
    for (const auto& row : grid) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) text += ',';
            text += std::to_string(row[c]);
        }
        text += '\n';
    }
    return text;
}

bool WriteDigitGrid(const std::filesystem::path& path, const std::vector<std::vector<int>>& grid)
{
    std::string text;
    for (const auto& row : grid) {
        for (const int code : row) {
            if (code < 0 || code > 9) {
                std::fprintf(stderr, "%s: code %d does not fit one digit\n", path.string().c_str(), code);
                return false;
            }
            text += static_cast<char>('0' + code);
        }
        text += '\n';
    }
    return WriteText(path, text);
}
