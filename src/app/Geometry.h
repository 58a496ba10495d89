#pragma once
// The sizes of the world: the screen, the stage grid and the boxes of what moves in it.
#include "platform/Types.h"

// The drawing area, in pixels.
constexpr float kScreenWidth = platform::kDrawingWidth;
constexpr float kScreenHeight = platform::kDrawingHeight;

// Whether a picture centred at `screenPos` (on screen, in pixels) whose pixels all lie within
// `reach` of its centre can put a pixel on the screen. What cannot is neither placed nor drawn.
inline bool ReachesScreen(platform::Vec2 screenPos, float reach)
{
    return screenPos.x > -reach && screenPos.x < kScreenWidth + reach && screenPos.y > -reach &&
           screenPos.y < kScreenHeight + reach;
}

// The goal star covers 120 x 120 pixels at its own scale 1, but its picture is drawn at
// kGoalStarPicture pixels a side and scaled down to match, so that its turn, which grows it to
// fill the screen, shows it sharp.
constexpr int kGoalStarSize = 120;
constexpr int kGoalStarPicture = 2048;

// The stage: 36 rows of 350 cells of 40 x 40 pixels, 14000 x 1440 world pixels.
constexpr int kMapRows = 36;
constexpr int kMapCols = 350;
constexpr float kCellSize = 40.0f;
constexpr float kStageWidth = kCellSize * kMapCols;
constexpr float kStageHeight = kCellSize * kMapRows;

// The title's ground: 18 rows of 34 cells.
constexpr int kTitleMapRows = 18;
constexpr int kTitleMapCols = 34;

// Boxes. Walking, jumping and flying enemies share one body box.
constexpr float kEnemyWidth = 45.0f;
constexpr float kEnemyHeight = 75.0f;
// The slime is touched through a 42-pixel box but collides with the tiles through a 40-pixel one.
constexpr float kSlimeContactSize = 42.0f;
constexpr float kSlimeTileSize = 40.0f;
// Score and heal items: the side of the cell box the spawner centres them in.
constexpr float kScoreItemSize = 40.0f;
constexpr float kHealItemSize = 80.0f;
// A shot bubble: its picture cell and its contact box.
constexpr float kBubbleSize = 64.0f;
