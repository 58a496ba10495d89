#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "CharGrid.h"

constexpr int kTitleRows = 18;
constexpr int kTitleColumns = 34;

// The title's ground band, from data/title.txt: '.' nothing, '=' grass top, '#' soil.
std::string_view TitleGroundAlphabet();

// Turns the checked title source into the title map codes (0 nothing, 2 grass top, 1 soil:
// the title draws code 2 from the chip image's first cell and code 1 from its second).
// The band scrolls and wraps column by column; once wrapped, column 0 lies under column 33
// with only a 4-pixel sliver showing, so the two must match or the seam shows. A mismatch
// is reported at its cell and nothing is returned.
std::optional<std::vector<std::vector<int>>> CompileTitleGround(const CharGrid& source);
