#include "map/LoadedStageCheck.h"

#include <cstdio>
#include <filesystem>

#include "app/AssetFiles.h"
#include "app/Quote.h"
#include "map/StageCheck.h"

namespace {

// Problems past these many are only counted.
constexpr int kProblemsNamed = 5;

const std::string& FileOf(const StageDescription& stage, StageLayer layer)
{
    switch (layer) {
    case StageLayer::Tiles: return stage.tileMap;
    case StageLayer::Enemies: return stage.enemyMap;
    case StageLayer::Scores: return stage.scoreMap;
    case StageLayer::Heals: return stage.recoveryMap;
    case StageLayer::Signs: return stage.signMap.empty() ? stage.tileMap : stage.signMap;
    }
    return stage.tileMap;
}

} // namespace

int CheckLoadedStage(const CMap& map, const StageDescription& stage)
{
    const std::filesystem::path folder = std::filesystem::path(stage.tileMap).parent_path();
    const std::string description = (folder / files::kStageDescriptionName).string();
    const StageGridsView grids{map.mMapData, map.mEnemyData, map.mScoreData, map.mRecoveryData, map.mSignData};
    int named = 0;
    const int problems = CheckStage(grids, stage.start, [&](const StageProblem& problem) {
        if (++named > kProblemsNamed) return;
        if (problem.row >= 0) {
            std::fprintf(stderr, "zem: %s:%d:%d: %s\n", QuotePath(FileOf(stage, problem.layer)).c_str(), problem.row + 1,
                         problem.column + 1, problem.what.c_str());
        } else {
            const std::string& file = problem.start ? description : FileOf(stage, problem.layer);
            std::fprintf(stderr, "zem: %s: %s\n", QuotePath(file).c_str(), problem.what.c_str());
        }
    });
    if (problems > kProblemsNamed) {
        std::fprintf(stderr, "zem: %s: %d more problems with the stage; it plays as it is\n", QuotePath(folder).c_str(),
                     problems - kProblemsNamed);
    }
    return problems;
}
