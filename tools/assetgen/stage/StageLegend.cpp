#include "StageLegend.h"

#include <array>

#include "map/CellCodes.h"

namespace {

constexpr std::array<LegendEntry, 23> kLegend{{
    {'.', {}},
    {'=', {.tile = kTileGrass}}, // ground with a grass top
    {'#', {.tile = kTileSoil}}, // soil
    {'%', {.tile = kTileStone}}, // stone block
    {'-', {.tile = kTileOneWay}}, // one-way plank
    {'^', {.tile = kTileDamage}}, // spikes: damage floor
    {'|', {.tile = kTileEnemyWall}}, // enemy wall
    {'G', {.tile = kTileGoalMarker}}, // goal marker: the goal star's top-left cell
    {'g', {.tile = kTileGoalArea}}, // goal area
    {'w', {.enemy = kSpawnWalkEnemy}}, // walking enemy
    {'j', {.enemy = kSpawnJumpEnemy}}, // jumping enemy
    {'f', {.enemy = kSpawnFlyEnemy}}, // flying enemy
    {'s', {.enemy = kSpawnSlime}}, // slime
    {'*', {.score = kScoreSmall}}, // small star
    {'$', {.score = kScoreBig}}, // big star, 2 x 2
    {'+', {.heal = kHealHeart}}, // heart, 2 x 2
    {'1', {.sign = kSignWalk}},
    {'2', {.sign = kSignJump}},
    {'3', {.sign = kSignBubble}},
    {'4', {.sign = kSignForm}},
    {'5', {.sign = kSignPlatform}},
    {'6', {.sign = kSignPit}},
    {'7', {.sign = kSignGoal}},
}};

}  // namespace

std::span<const LegendEntry> StageLegend()
{
    return kLegend;
}

const LegendEntry* FindLegendEntry(char symbol)
{
    for (const LegendEntry& entry : kLegend) {
        if (entry.symbol == symbol) return &entry;
    }
    return nullptr;
}

std::string StageLegendAlphabet()
{
    std::string alphabet;
    for (const LegendEntry& entry : kLegend) alphabet += entry.symbol;
    return alphabet;
}
