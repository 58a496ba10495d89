#include "map/StageLimits.h"

#include <algorithm>
#include <array>

#include "map/CellCodes.h"

namespace {

// Everything a cell can make that is drawn, and what drawing one costs (bench/stage_content_bench.cpp:
// a rendered frame with many of one kind on the first screen, against the same screen empty).
enum Thing { kWalker, kJumper, kFlyer, kSlime, kSmallStar, kBigStar, kHeart, kThingCount };

struct ThingLook {
    const char* one;
    const char* many;
    int units;
    ContentGrid grid;
};

constexpr std::array<ThingLook, kThingCount> kThings{{
    {"walking enemy", "walking enemies", 1, ContentGrid::Enemies},
    {"jumping enemy", "jumping enemies", 2, ContentGrid::Enemies},
    {"flying enemy", "flying enemies", 3, ContentGrid::Enemies}, // with its bullets
    {"slime", "slimes", 1, ContentGrid::Enemies},
    {"small star", "small stars", 2, ContentGrid::Scores},
    {"big star", "big stars", 7, ContentGrid::Scores},
    {"heart", "hearts", 6, ContentGrid::Heals},
}};

constexpr int kNothing = -1;

int EnemyThing(int32_t code)
{
    switch (code) {
    case kSpawnWalkEnemy: return kWalker;
    case kSpawnJumpEnemy: return kJumper;
    case kSpawnFlyEnemy: return kFlyer;
    case kSpawnSlime: return kSlime;
    default: return kNothing;
    }
}

int ScoreThing(int32_t code)
{
    switch (code) {
    case kScoreSmall: return kSmallStar;
    case kScoreBig: return kBigStar;
    default: return kNothing;
    }
}

int HealThing(int32_t code)
{
    return code == kHealHeart ? kHeart : kNothing;
}

int UnitsOf(int thing)
{
    return thing == kNothing ? 0 : kThings[static_cast<size_t>(thing)].units;
}

int CellUnits(const StageContent& content, int r, int c)
{
    return EnemyUnits(content.enemies[r][c]) + ScoreUnits(content.scores[r][c]) + HealUnits(content.heals[r][c]);
}

// The units of every column, so that a window's sum is that of its columns.
std::array<int, kMapCols> ColumnUnits(const StageContent& content)
{
    std::array<int, kMapCols> units{};
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapCols; ++c) units[static_cast<size_t>(c)] += CellUnits(content, r, c);
    }
    return units;
}

// The units of every window, by its first column.
std::vector<int> WindowUnits(const StageContent& content)
{
    const std::array<int, kMapCols> columns = ColumnUnits(content);
    std::vector<int> windows(kMapCols - kScreenColumns + 1, 0);
    int sum = 0;
    for (int c = 0; c < kMapCols; ++c) {
        sum += columns[static_cast<size_t>(c)];
        if (c >= kScreenColumns) sum -= columns[static_cast<size_t>(c - kScreenColumns)];
        if (c >= kScreenColumns - 1) windows[static_cast<size_t>(c - kScreenColumns + 1)] = sum;
    }
    return windows;
}

struct Window {
    int column = 0;
    int units = 0;
};

bool Overlap(const Window& a, const Window& b)
{
    return a.column < b.column + kScreenColumns && b.column < a.column + kScreenColumns;
}

// What a window holds, kind by kind: "120 walking enemies, 1 heart".
std::string Inventory(const StageContent& content, const Window& window, std::vector<ContentGrid>& grids)
{
    std::array<int, kThingCount> counts{};
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = window.column; c < window.column + kScreenColumns; ++c) {
            for (const int thing : {EnemyThing(content.enemies[r][c]), ScoreThing(content.scores[r][c]),
                                    HealThing(content.heals[r][c])}) {
                if (thing != kNothing) ++counts[static_cast<size_t>(thing)];
            }
        }
    }
    std::string text;
    for (size_t thing = 0; thing < kThingCount; ++thing) {
        if (counts[thing] == 0) continue;
        const ThingLook& look = kThings[thing];
        text += (text.empty() ? "" : ", ") + std::to_string(counts[thing]) + " " + (counts[thing] == 1 ? look.one : look.many);
        if (std::find(grids.begin(), grids.end(), look.grid) == grids.end()) grids.push_back(look.grid);
    }
    std::sort(grids.begin(), grids.end());
    return text;
}

StageLimitProblem WindowProblem(const StageContent& content, const Window& window)
{
    StageLimitProblem problem;
    problem.refused = window.units > kScreenUnitsLimit;
    problem.column = window.column;
    problem.columns = kScreenColumns;
    const std::string inventory = Inventory(content, window, problem.grids);
    problem.what = "hold " + std::to_string(window.units) + " units of drawing (" + inventory + "), more than the " +
                   (problem.refused ? std::to_string(kScreenUnitsLimit) + " a screen may hold"
                                    : std::to_string(kScreenUnitsWarning) +
                                          " a screen should hold; a slower machine may drop frames there");
    return problem;
}

// The first enemy past the limit, in spawn order, with the stage's count.
void CheckEnemyCount(const StageContent& content, std::vector<StageLimitProblem>& problems)
{
    int count = 0;
    StageLimitProblem problem;
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapCols; ++c) {
            if (EnemyThing(content.enemies[r][c]) == kNothing) continue;
            if (++count == kStageEnemyLimit + 1) {
                problem.row = r;
                problem.column = c;
            }
        }
    }
    if (count <= kStageEnemyLimit) return;
    problem.grids = {ContentGrid::Enemies};
    problem.what = "enemy number " + std::to_string(kStageEnemyLimit + 1) + " of " + std::to_string(count) +
                   ", more than the " + std::to_string(kStageEnemyLimit) + " a stage may hold";
    problems.push_back(std::move(problem));
}

} // namespace

int EnemyUnits(int32_t code)
{
    return UnitsOf(EnemyThing(code));
}

int ScoreUnits(int32_t code)
{
    return UnitsOf(ScoreThing(code));
}

int HealUnits(int32_t code)
{
    return UnitsOf(HealThing(code));
}

int FullestScreenUnits(const StageContent& content)
{
    const std::vector<int> windows = WindowUnits(content);
    return *std::max_element(windows.begin(), windows.end());
}

std::vector<StageLimitProblem> CheckStageLimits(const StageContent& content)
{
    std::vector<StageLimitProblem> problems;
    CheckEnemyCount(content, problems);
    const std::vector<int> units = WindowUnits(content);
    std::vector<Window> crowded;
    for (size_t c = 0; c < units.size(); ++c) {
        if (units[c] > kScreenUnitsWarning) crowded.push_back({static_cast<int>(c), units[c]});
    }
    // The fullest first; among equals, the first from the left.
    std::stable_sort(crowded.begin(), crowded.end(), [](const Window& a, const Window& b) { return a.units > b.units; });
    std::vector<Window> named;
    for (const Window& window : crowded) {
        if (std::any_of(named.begin(), named.end(), [&](const Window& other) { return Overlap(window, other); })) continue;
        named.push_back(window);
        problems.push_back(WindowProblem(content, window));
    }
    return problems;
}
