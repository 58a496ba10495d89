#pragma once
#include <cstdint>

// The stage is 36 rows of 350 cells of 40 x 40 pixels (14000 x 1440 world pixels).
constexpr int kMapRows = 36;
constexpr int kMapCols = 350;
constexpr float kCellSize = 40.0f;

using StageGrid = int32_t[kMapRows][kMapCols];

// The title's ground: 18 rows of 34 cells.
constexpr int kTitleMapRows = 18;
constexpr int kTitleMapCols = 34;

using TitleGrid = int32_t[kTitleMapRows][kTitleMapCols];
