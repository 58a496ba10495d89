// Compiles the stage and the title ground from their readable sources under data/:
// data/stage.txt becomes the four grids in Resource/Data, data/title.txt becomes TitleMap.txt.
#include <cstdio>

#include "CharGrid.h"
#include "Generators.h"
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
    const std::filesystem::path out = runDir / "Resource/Data";
    bool ok = WriteCsvGrid(out / "Map005.csv", layers->tiles);
    ok = WriteCsvGrid(out / "EnemyMap005.csv", layers->enemies) && ok;
    ok = WriteCsvGrid(out / "ScoreMap005.csv", layers->scores) && ok;
    ok = WriteCsvGrid(out / "RecoveryMap005.csv", layers->heals) && ok;
    if (ok) std::printf("stage: score total %d\n", StageScoreTotal(*layers));
    return ok;
}

bool CompileTitleFile(const std::filesystem::path& dataDir, const std::filesystem::path& runDir)
{
    const auto source = ReadCharGrid(dataDir / "title.txt", kTitleRows, kTitleColumns, TitleGroundAlphabet());
    if (!source) return false;
    const auto codes = CompileTitleGround(*source);
    return codes && WriteDigitGrid(runDir / "TitleMap.txt", *codes);
}

}  // namespace

bool GenerateStage(const std::filesystem::path& dataDir, const std::filesystem::path& runDir)
{
    const bool stageOk = CompileStageFiles(dataDir, runDir);
    const bool titleOk = CompileTitleFile(dataDir, runDir);
    return stageOk && titleOk;
}
