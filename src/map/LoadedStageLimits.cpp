#include "map/LoadedStageLimits.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "map/StageLimits.h"

namespace {

const std::string& FileOf(const StageDescription& stage, ContentGrid grid)
{
    switch (grid) {
    case ContentGrid::Enemies: return stage.enemyMap;
    case ContentGrid::Scores: return stage.scoreMap;
    case ContentGrid::Heals: return stage.recoveryMap;
    }
    return stage.enemyMap;
}

// The first grid's path, then the others by name: they share its folder.
std::string FilesOf(const StageDescription& stage, const std::vector<ContentGrid>& grids)
{
    std::string files;
    for (const ContentGrid grid : grids) {
        const std::string& path = FileOf(stage, grid);
        files += files.empty() ? path : ", " + std::filesystem::path(path).filename().string();
    }
    return files;
}

// "30:200:" for a cell, " columns 1-32" for a window; counted from 1.
std::string PlaceOf(const StageLimitProblem& problem)
{
    if (problem.columns == 1) return std::to_string(problem.row + 1) + ":" + std::to_string(problem.column + 1) + ":";
    return " columns " + std::to_string(problem.column + 1) + "-" + std::to_string(problem.column + problem.columns);
}

} // namespace

bool LoadedStageWithinLimits(const CMap& map, const StageDescription& stage)
{
    const std::vector<StageLimitProblem> problems =
        CheckStageLimits({map.mEnemyData, map.mScoreData, map.mRecoveryData});
    const auto refused = [](const StageLimitProblem& problem) { return problem.refused; };
    const auto first = std::find_if(problems.begin(), problems.end(), refused);
    if (first == problems.end()) return true;
    const auto more = std::count_if(first + 1, problems.end(), refused);
    std::string text = FilesOf(stage, first->grids) + ":" + PlaceOf(*first) + " " + first->what;
    text += "; the stage is not started";
    if (more > 0) text += " (" + std::to_string(more) + (more == 1 ? " more place" : " more places") + " past the limits)";
    std::fprintf(stderr, "zem: %s\n", text.c_str());
    return false;
}
