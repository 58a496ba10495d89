#include "StageLegend.h"

#include <array>

namespace {

constexpr std::array<LegendEntry, 16> kLegend{{
    {'.', {}},
    {'=', {.tile = 1}},   // ground with a grass top
    {'#', {.tile = 2}},   // soil
    {'%', {.tile = 3}},   // stone block
    {'-', {.tile = 4}},   // one-way plank
    {'^', {.tile = 5}},   // spikes: damage floor
    {'|', {.tile = 6}},   // enemy wall
    {'G', {.tile = 8}},   // goal marker: the goal star's top-left cell
    {'g', {.tile = 9}},   // goal area
    {'w', {.enemy = 1}},  // walking enemy
    {'j', {.enemy = 2}},  // jumping enemy
    {'f', {.enemy = 3}},  // flying enemy
    {'s', {.enemy = 5}},  // slime
    {'*', {.score = 1}},  // small star
    {'$', {.score = 2}},  // big star, 2 x 2
    {'+', {.heal = 1}},   // heart, 2 x 2
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
