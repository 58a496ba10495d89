#include "StageCompiler.h"

#include <cstdio>
#include <memory>
#include <string>

#include "GridWriter.h"
#include "SourceErrors.h"
#include "StageLegend.h"
#include "StageLimitsCheck.h"
#include "app/Quote.h"
#include "app/AssetFiles.h"
#include "map/StageCheck.h"
#include "platform/FolderSwap.h"

namespace {

CompiledGrid EmptyGrid()
{
    return CompiledGrid(kStageRows, std::vector<int>(kStageColumns, 0));
}

// The layers as the game holds them once it has loaded the stage's files.
struct LoadedGrids {
    StageGrid tiles, enemies, scores, heals, signs;
};

void CopyGrid(const CompiledGrid& from, StageGrid& to)
{
    for (int r = 0; r < kStageRows; ++r) {
        for (int c = 0; c < kStageColumns; ++c) to[r][c] = from[r][c];
    }
}

// The game's own check of a stage, each problem named at the source's line and column.
bool CheckAsTheGameDoes(const CharGrid& source, const StageLayers& layers, platform::Vec2 start)
{
    const auto loaded = std::make_unique<LoadedGrids>();
    CopyGrid(layers.tiles, loaded->tiles);
    CopyGrid(layers.enemies, loaded->enemies);
    CopyGrid(layers.scores, loaded->scores);
    CopyGrid(layers.heals, loaded->heals);
    CopyGrid(layers.signs, loaded->signs);
    const StageGridsView grids{loaded->tiles, loaded->enemies, loaded->scores, loaded->heals, loaded->signs};
    SourceErrors errors(source.path);
    CheckStage(grids, start, [&](const StageProblem& problem) {
        if (problem.row < 0) {
            errors.InFile(problem.what);
        } else {
            errors.At(source.lines[static_cast<size_t>(problem.row)], problem.column + 1, problem.what);
        }
    });
    errors.Finish();
    return errors.Empty();
}

} // namespace

std::optional<StageLayers> CompileStage(const CharGrid& source, platform::Vec2 start)
{
    // The reader has checked the shape and the alphabet; a grid that skipped it is refused whole.
    bool shaped = source.rows.size() == kStageRows && source.lines.size() == kStageRows;
    for (const std::string& row : source.rows) {
        shaped = shaped && row.size() == kStageColumns &&
                 row.find_first_not_of(StageLegendAlphabet()) == std::string::npos;
    }
    if (!shaped) {
        std::fprintf(stderr, "%s: not a checked %d x %d stage source\n", QuotePath(source.path).c_str(), kStageRows,
                     kStageColumns);
        return std::nullopt;
    }
    StageLayers layers{EmptyGrid(), EmptyGrid(), EmptyGrid(), EmptyGrid(), EmptyGrid()};
    for (int r = 0; r < kStageRows; ++r) {
        for (int c = 0; c < kStageColumns; ++c) {
            const StageCell& cell = FindLegendEntry(source.At(r, c))->cell;
            layers.tiles[r][c] = cell.tile;
            layers.enemies[r][c] = cell.enemy;
            layers.scores[r][c] = cell.score;
            layers.heals[r][c] = cell.heal;
            layers.signs[r][c] = cell.sign;
        }
    }
    bool ok = CheckAsTheGameDoes(source, layers, start);
    ok = CheckCompiledStageLimits(source, layers.enemies, layers.scores, layers.heals) && ok;
    if (!ok) return std::nullopt;
    return layers;
}

int StageScoreTotal(const StageLayers& layers)
{
    int total = 0;
    for (const auto& row : layers.scores) {
        for (const int code : row) total += ScoreValue(code);
    }
    return total;
}

std::optional<StageDescription> StageSettings(const CharGrid& source, const StageDescription& defaults)
{
    StageDescription stage = defaults;
    SourceErrors errors(source.path);
    for (const auto& [line, text] : source.settings) {
        std::string problem;
        size_t at = 0;
        const bool taken = ParseStageDescriptionLine(text, stage, problem, &at);
        // The column counts the '@' the reader took off.
        const int column = static_cast<int>(at) + 2;
        if (!taken) {
            errors.At(line, column, problem);
        } else if (!problem.empty()) {
            errors.NoteAt(line, column, problem);
        }
    }
    // A name that comes from elsewhere (the folder's) is shown like one from the source.
    if (const std::string shown = ShowableStageName(stage.name); shown != stage.name) {
        if (stage.name.size() > kStageNameLength) {
            errors.NoteInFile("the stage is named after its folder, and the title shows the first " +
                              std::to_string(kStageNameLength) + " characters: '" + shown + "'");
        }
        stage.name = shown;
    }
    errors.Finish();
    if (!errors.Empty()) return std::nullopt;
    ApplyTuneAndLook(stage);
    return stage;
}

bool CompileStageFolder(const std::filesystem::path& source, const std::filesystem::path& folder,
                        const StageDescription& defaults)
{
    const auto grid = ReadCharGrid(source, kStageRows, kStageColumns, StageLegendAlphabet());
    if (!grid) return false;
    const auto stage = StageSettings(*grid, defaults);
    if (!stage) return false;
    const auto layers = CompileStage(*grid, stage->start);
    if (!layers) return false;
    const std::vector<platform::FolderFile> files{
        {files::kTileMapName, CsvGridText(layers->tiles)},
        {files::kEnemyMapName, CsvGridText(layers->enemies)},
        {files::kScoreMapName, CsvGridText(layers->scores)},
        {files::kRecoveryMapName, CsvGridText(layers->heals)},
        {files::kSignMapName, CsvGridText(layers->signs)},
        {files::kStageDescriptionName, FormatStageDescription(*stage)},
    };
    std::string error;
    if (!platform::ReplaceFolder(folder, files, error)) {
        std::fprintf(stderr, "%s: %s\n", QuotePath(folder).c_str(), error.c_str());
        return false;
    }
    std::printf("%s: %s, score total %d\n", QuotePath(folder).c_str(), stage->name.c_str(), StageScoreTotal(*layers));
    return true;
}
