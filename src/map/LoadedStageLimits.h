#pragma once
#include "app/StageDescription.h"
#include "map/Map.h"

// Checks the grids `map` has loaded from `stage`'s files against the stage's limits
// (StageLimits.h). Past a hard limit the stage is not to be started: the first such problem is
// named on standard error in one line, with its file and place, and the result is false.
// Warnings are for the stage's maker (zem-stage prints them); the game says nothing of them.
bool LoadedStageWithinLimits(const CMap& map, const StageDescription& stage);
