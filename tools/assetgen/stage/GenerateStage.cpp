// Compiles the stages and the title ground from their readable sources under data/:
// data/stage.txt becomes the four grids and the description in Resource/Data, data/stage2.txt
// and stage3.txt the same in Resource/Stages/2 and 3, data/title.txt becomes TitleMap.txt.
#include <cstdio>

#include "CharGrid.h"
#include "Generators.h"
#include "app/AssetFiles.h"
#include "GridWriter.h"
#include "StageCompiler.h"
#include "StageLegend.h"
#include "TitleGround.h"

namespace {

// The game's own stages: data/stage.txt into Resource/Data, data/stageN.txt into
// Resource/Stages/N.
bool CompileStageFiles(const std::filesystem::path& dataDir, const std::filesystem::path& runDir)
{
    bool ok = CompileStageFolder(dataDir / "stage.txt", runDir / files::kDataDir, FirstStage());
    for (int number = 2; number <= files::kGameStageCount; ++number) {
        StageDescription defaults = FirstStage();
        defaults.id = std::to_string(number);
        defaults.name = "STAGE " + defaults.id;
        const auto source = dataDir / ("stage" + defaults.id + ".txt");
        ok = CompileStageFolder(source, runDir / files::kGameStagesDir / defaults.id, defaults) && ok;
    }
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
