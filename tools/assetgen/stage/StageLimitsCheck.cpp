#include "StageLimitsCheck.h"

#include <memory>
#include <string>

#include "map/StageLimits.h"

namespace {

// The grids as the game holds them once it has loaded the stage's files.
struct LoadedContent {
    StageGrid enemies = {};
    StageGrid scores = {};
    StageGrid heals = {};
};

void Copy(const std::vector<std::vector<int>>& from, StageGrid& to)
{
    for (size_t r = 0; r < from.size() && r < kMapRows; ++r) {
        for (size_t c = 0; c < from[r].size() && c < kMapCols; ++c) to[r][c] = from[r][c];
    }
}

} // namespace

bool CheckCompiledStageLimits(const CharGrid& source, const std::vector<std::vector<int>>& enemies,
                              const std::vector<std::vector<int>>& scores, const std::vector<std::vector<int>>& heals)
{
    const auto content = std::make_unique<LoadedContent>();
    Copy(enemies, content->enemies);
    Copy(scores, content->scores);
    Copy(heals, content->heals);
    bool ok = true;
    for (const StageLimitProblem& problem : CheckStageLimits({content->enemies, content->scores, content->heals})) {
        std::string message = problem.refused ? "" : "warning: ";
        if (problem.columns > 1) {
            message += "columns " + std::to_string(problem.column + 1) + "-" +
                       std::to_string(problem.column + problem.columns) + " ";
        }
        ReportCellError(source, problem.row, problem.column, message + problem.what);
        ok = ok && !problem.refused;
    }
    return ok;
}
