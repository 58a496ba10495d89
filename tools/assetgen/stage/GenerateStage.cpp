// Compiles the stage and the title ground from their readable sources under data/:
// data/stage.txt becomes the five grids in Resource/Data, data/title.txt becomes TitleMap.txt.
#include <cstdio>

#include "CharGrid.h"
#include "Generators.h"
#include "app/AssetFiles.h"
#include "GridWriter.h"
#include "StageCompiler.h"
#include "StageLegend.h"
#include "TitleGround.h"

namespace {

bool CompileStageFiles(const std::filesystem::path& dataDir, const std::filesystem::path& runDir)
{
    const auto source = ReadCharGrid(dataDir / "stage.txt", kStageRows, kStageColumns, StageLegendAlphabet());
    if (!source) return false;
    const auto layers = CompileStage(*source);
    if (!layers) return false;
    bool ok = WriteCsvGrid(runDir / files::kTileMap, layers->tiles);
    ok = WriteCsvGrid(runDir / files::kEnemyMap, layers->enemies) && ok;
    ok = WriteCsvGrid(runDir / files::kScoreMap, layers->scores) && ok;
    ok = WriteCsvGrid(runDir / files::kRecoveryMap, layers->heals) && ok;
    ok = WriteCsvGrid(runDir / files::kSignMap, layers->signs) && ok;
    if (ok) std::printf("stage: score total %d\n", StageScoreTotal(*layers));
    return ok;
}

bool CompileTitleFile(const std::filesystem::path& dataDir, const std::filesystem::path& runDir)
{
    const auto source = ReadCharGrid(dataDir / "title.txt", kTitleRows, kTitleColumns, TitleGroundAlphabet());
    if (!source) return false;
    const auto codes = CompileTitleGround(*source);
    return codes && WriteDigitGrid(runDir / files::kTitleMap, *codes);
}

}  // namespace

bool GenerateStage(const std::filesystem::path& dataDir, const std::filesystem::path& runDir)
{
    const bool stageOk = CompileStageFiles(dataDir, runDir);
    const bool titleOk = CompileTitleFile(dataDir, runDir);
    return stageOk && titleOk;
}
