#pragma once
#include <vector>

#include "CharGrid.h"

// Holds a compiled stage to the game's limits of what a stage holds (map/StageLimits.h): past a
// hard one the stage is refused, past a softer one it is compiled with a warning. Each is named
// at the source's line and column: the cell at fault, or the top-left cell of the window, with the
// window's columns. False when a hard limit is passed.
bool CheckCompiledStageLimits(const CharGrid& source, const std::vector<std::vector<int>>& enemies,
                              const std::vector<std::vector<int>>& scores, const std::vector<std::vector<int>>& heals);
