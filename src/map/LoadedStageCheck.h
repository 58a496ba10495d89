#pragma once
#include "app/StageDescription.h"
#include "map/Map.h"

// Checks the stage `map` has loaded from `stage`'s files as zem-stage checks a text stage
// (StageCheck.h), and names each problem on standard error in one line with its file and place;
// past the first few they are counted in one line. The stage plays on as it is: a second goal
// marker or a start inside the ground still plays, if not as its maker meant. Returns how many
// problems there were.
int CheckLoadedStage(const CMap& map, const StageDescription& stage);
