#pragma once
#include <span>
#include <string>

#include "map/CellCodes.h"

// What one character of the stage source puts into the five grids the game loads.
struct StageCell {
    int tile = 0;    // Map005.csv: 0 empty, 1-3 ground, 4 one-way, 5 damage, 6 enemy wall, 8 goal marker, 9 goal area
    int enemy = 0;   // EnemyMap005.csv: 1 walking, 2 jumping, 3 flying, 5 slime
    int score = 0;   // ScoreMap005.csv: 1 small star (+1), 2 big star (+10)
    int heal = 0;    // RecoveryMap005.csv: 1 heart
    int sign = 0;    // SignMap005.csv: the sign drawn in the background (SignCode)
};

struct LegendEntry {
    char symbol;
    StageCell cell;
};

// The stage source's legend; data/stage.txt explains it to the level designer.
std::span<const LegendEntry> StageLegend();

// The entry for `symbol`, or null when the legend has none.
const LegendEntry* FindLegendEntry(char symbol);

// Every symbol of the legend, for the reader's alphabet check.
std::string StageLegendAlphabet();
