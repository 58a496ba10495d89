#pragma once
#include <string>

#include "platform/Types.h"

// Where a stage is and how it starts: its four grid files and its sign grid, the hero's start,
// its music and the two background pictures. The game scene plays whichever stage the frame carries; the grid's
// size is the same for every stage (Geometry.h).
struct StageDescription {
    std::string tileMap;
    std::string enemyMap;
    std::string scoreMap;
    std::string recoveryMap;
    std::string signMap; // the signs drawn behind the tiles; empty for none
    platform::Vec2 start;
    std::string music;
    std::string lowerBackground;
    std::string upperBackground;
};

// The game's own stage.
StageDescription FirstStage();
