#pragma once
#include <functional>
#include <string>

#include "map/StageGrid.h"
#include "platform/Types.h"

// What a stage needs to play as it is meant to, checked alike by the stage compiler (zem-stage)
// and by the game when it loads a player's stage.

// The grid a problem is found in, for a message that names its file.
enum class StageLayer { Tiles, Enemies, Scores, Heals, Signs };

// A stage's five grids, as the game loads them.
struct StageGridsView {
    const StageGrid& tiles;
    const StageGrid& enemies;
    const StageGrid& scores;
    const StageGrid& heals;
    const StageGrid& signs;
};

// One thing wrong with a stage.
struct StageProblem {
    StageLayer layer = StageLayer::Tiles;
    int row = -1; // the cell at fault, counted from 0; -1 when no one cell is
    int column = -1;
    bool start = false; // the hero's start is at fault
    std::string what;
};

// Checks that each big star and heart has its 2 x 2 block to itself, that there is exactly one goal
// marker (the goal star stands on it), and that the hero starts (its box centred on `start`) in the
// open with ground somewhere below it. Each problem goes to `report`, in that order and grid order
// within each; returns how many there were.
int CheckStage(const StageGridsView& grids, platform::Vec2 start,
               const std::function<void(const StageProblem&)>& report);
