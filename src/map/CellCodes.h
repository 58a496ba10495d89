#pragma once
#include <cstdint>

// What the cells of the five stage grids hold. The numbers are the stage files' own.

// The tile grid.
enum TileCode : int32_t {
    kTileEmpty = 0,
    kTileGrass = 1, // the three ground looks: solid for everything that moves
    kTileSoil = 2,
    kTileStone = 3,
    kTileOneWay = 4,    // the player lands on it only when falling from above
    kTileDamage = 5,    // solid; landing on it hurts the player
    kTileEnemyWall = 6, // solid for enemies, bullets and bubbles; the player passes
    kTileGoalMarker = 8, // reaching it clears the stage; the goal star stands on the last one
    kTileGoalArea = 9,   // reaching it clears the stage
};

inline bool IsGroundTile(int32_t code)
{
    return code >= kTileGrass && code <= kTileStone;
}

// The tiles with a picture of their own in the chip sheet, chip k for code k.
inline bool HasChip(int32_t code)
{
    return code >= kTileGrass && code <= kTileEnemyWall;
}

// Enemies, bullets and bubbles: every tile with a picture stops them.
inline bool IsSolidForEnemies(int32_t code)
{
    return HasChip(code);
}

// The enemy grid: which enemy starts in the cell.
enum EnemyCode : int32_t {
    kSpawnWalkEnemy = 1,
    kSpawnJumpEnemy = 2,
    kSpawnFlyEnemy = 3,
    kSpawnSlime = 5,
};

// The score grid: a small star (worth 1) or a big one (worth 10). A score item keeps its
// cell's code as its kind.
enum ScoreCode : int32_t {
    kScoreSmall = 1,
    kScoreBig = 2,
};

// What a star of a score code is worth; 0 for any other code.
constexpr int32_t ScoreValue(int32_t code)
{
    return code == kScoreSmall ? 1 : code == kScoreBig ? 10 : 0;
}

// The heal grid.
constexpr int32_t kHealHeart = 1;

// The sign grid: a key's picture on a small board, drawn behind the tiles over the 2 x 2 block
// whose bottom-left cell holds the code. Signs only show; nothing collides with them.
enum SignCode : int32_t {
    kSignWalk = 1,     // Left / Right
    kSignJump = 2,     // Up
    kSignBubble = 3,   // Space
    kSignForm = 4,     // Down on the ground
    kSignPlatform = 5, // Up, then Down in the air
    kSignPit = 6,      // danger: a pit ahead
    kSignGoal = 7,     // the goal ahead
};
constexpr int32_t kSignKinds = 7;
