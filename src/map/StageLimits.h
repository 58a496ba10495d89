#pragma once
#include <string>
#include <vector>

#include "map/StageGrid.h"

// How much a stage may hold, so that its fullest screen still draws within a frame of 60 frames a
// second on a machine without a graphics card, where Mesa draws every pixel (the figures are in
// the README under Limits and Performance, from bench/stage_content_bench.cpp).
//
// What is drawn is counted in units of drawing: one unit is about what one walking enemy costs a
// rendered frame. A window is a screen's width of columns, at any place, top to bottom: what
// stands above a screen may fall into it.

// A screen is this many columns wide.
constexpr int kScreenColumns = 32;

// A stage with a window holding more than this is not played. Walking enemies that turn at a wall
// meet those that follow them, so for a while a screen may show up to twice this in walkers.
constexpr int kScreenUnitsLimit = 100;
// Past this the stage compiler warns: the screen takes a good part of a frame on the development
// machine, and a slower one may drop frames there.
constexpr int kScreenUnitsWarning = 60;
// A stage holding more enemies than this is not played. Slimes that hop into a pit stay there,
// so in time all of a stage's slimes may gather on one screen.
constexpr int kStageEnemyLimit = 300;

// What the cells of a stage's grids make, as the game spawns them: a code that makes nothing
// weighs nothing.
struct StageContent {
    const StageGrid& enemies;
    const StageGrid& scores;
    const StageGrid& heals;
};

// One stage grid the game loads, for a message that names its file.
enum class ContentGrid { Enemies, Scores, Heals };

// A limit a stage goes past.
struct StageLimitProblem {
    bool refused = true; // past a hard limit: the stage is not played; otherwise a warning for its maker
    // The cell at fault, or the top-left cell of the window, counted from 0; the window's width
    // (1 for a single cell; a window is kMapRows high).
    int row = 0;
    int column = 0;
    int columns = 1;
    // The grids that hold what is counted, in the order Enemies, Scores, Heals.
    std::vector<ContentGrid> grids;
    // What is wrong, without the place: "hold 130 units of drawing (...), more than ...".
    std::string what;
};

// The units of drawing one cell's code makes in each grid: 0 for a code the game spawns nothing of.
int EnemyUnits(int32_t code);
int ScoreUnits(int32_t code);
int HealUnits(int32_t code);

// The most units any window of the stage holds.
int FullestScreenUnits(const StageContent& content);

// Every limit the stage goes past: first the count of enemies (at the first enemy past the limit,
// in the order the game spawns them), then the windows past the warning, the fullest first, each
// apart from those named before it (no two named windows share a cell).
std::vector<StageLimitProblem> CheckStageLimits(const StageContent& content);
