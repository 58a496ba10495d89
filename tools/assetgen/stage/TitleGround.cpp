#include "TitleGround.h"

#include <cstdio>
#include <string>

std::string_view TitleGroundAlphabet()
{
    return ".=#";
}

std::optional<std::vector<std::vector<int>>> CompileTitleGround(const CharGrid& source)
{
    bool shaped = source.rows.size() == kTitleRows && source.lines.size() == kTitleRows;
    for (const std::string& row : source.rows) {
        shaped = shaped && row.size() == kTitleColumns &&
                 row.find_first_not_of(TitleGroundAlphabet()) == std::string::npos;
    }
    if (!shaped) {
        std::fprintf(stderr, "%s: not a checked %d x %d title source\n", source.path.c_str(), kTitleRows,
                     kTitleColumns);
        return std::nullopt;
    }
    bool ok = true;
    std::vector<std::vector<int>> codes(kTitleRows, std::vector<int>(kTitleColumns, 0));
    for (int r = 0; r < kTitleRows; ++r) {
        for (int c = 0; c < kTitleColumns; ++c) {
            const char symbol = source.At(r, c);
            codes[r][c] = symbol == '=' ? 2 : symbol == '#' ? 1 : 0;
        }
        if (source.At(r, 0) != source.At(r, kTitleColumns - 1)) {
            ReportCellError(source, r, 0, "column 0 must repeat column 33: the scroll lays it under column 33");
            ok = false;
        }
    }
    if (!ok) return std::nullopt;
    return codes;
}
