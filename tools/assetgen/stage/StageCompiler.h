#pragma once
#include <optional>
#include <vector>

#include "CharGrid.h"

constexpr int kStageRows = 36;
constexpr int kStageColumns = 350;

// One of the game's stage grids, row-major: cells[row][column].
using StageGrid = std::vector<std::vector<int>>;

struct StageLayers {
    StageGrid tiles, enemies, scores, heals, signs;
};

// Turns the checked stage source into the five grids and checks what the game needs of them:
// 2 x 2 items have their block to themselves, there is one goal marker, and the hero starts
// in the open above ground. Problems are reported at their cell; nothing is returned then.
std::optional<StageLayers> CompileStage(const CharGrid& source);

// The stage's score total: 1 per small star, 10 per big star.
int StageScoreTotal(const StageLayers& layers);
