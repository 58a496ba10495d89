// A text stage as zem-stage reads and compiles it: the character grid, its settings and the
// five grids. A stage it compiles the game must read as it was written: its description,
// written and read back by the game, names the same stage.
#include <cstdlib>

#include "AllocationBudget.h"
#include "InputFile.h"
#include "app/AssetFiles.h"
#include "stage/StageCompiler.h"
#include "stage/StageLegend.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = InputFile(data, size);
    static const std::string alphabet = StageLegendAlphabet();
    static const StageDescription defaults = FirstStage();
    std::optional<StageDescription> stage;
    // The rows and at most 16 settings as read, the line being read (grown in doubling steps: a
    // file of one line holds 3.1 times it), the messages and the stream's buffer; then the five
    // grids of 36 x 350 numbers (273 KB in all for the game's first stage), and while they are
    // checked as the game checks a stage, the same five in the game's own grids (252 KB).
    WithinBudget(size, 4, (320 + 256) * 1024, [&] {
        const auto grid = ReadCharGrid(path, kStageRows, kStageColumns, alphabet);
        if (!grid) return;
        if (grid->rows.size() != kStageRows || grid->lines.size() != kStageRows) std::abort();
        stage = StageSettings(*grid, defaults);
        if (!stage) return;
        const auto layers = CompileStage(*grid, stage->start);
        if (!layers) {
            stage.reset();
            return;
        }
        for (const CompiledGrid* g : {&layers->tiles, &layers->enemies, &layers->scores, &layers->heals, &layers->signs}) {
            if (g->size() != kStageRows) std::abort();
            for (const auto& row : *g) {
                if (row.size() != kStageColumns) std::abort();
            }
        }
    });
    if (!stage) return 0;

    const std::string description = FormatStageDescription(*stage);
    const std::filesystem::path& folder = InputFolder(reinterpret_cast<const uint8_t*>(description.data()),
                                                      description.size(), files::kStageDescriptionName);
    const StageDescription read = ReadStageFolder(folder, stage->id, defaults);
    if (read.name != stage->name || read.tune != stage->tune || read.look != stage->look ||
        read.start.x != stage->start.x || read.start.y != stage->start.y)
        std::abort();
    return 0;
}
