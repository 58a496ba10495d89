#pragma once
#include <cstdint>

#include "app/Geometry.h"

// One code per cell of the stage, row by row.
using StageGrid = int32_t[kMapRows][kMapCols];

// One digit per cell of the title's ground.
using TitleGrid = int32_t[kTitleMapRows][kTitleMapCols];
