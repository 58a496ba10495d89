#include "StageCompiler.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "GridWriter.h"
#include "StageLegend.h"
#include "StageLimitsCheck.h"
#include "app/AssetFiles.h"
#include "platform/UserFiles.h"

namespace {

// The hero starts with its 45 x 75 box centred on its start; cells are 40 pixels.
constexpr int kCell = 40;
constexpr double kHeroWidth = 45, kHeroHeight = 75;

StageGrid EmptyGrid()
{
    return StageGrid(kStageRows, std::vector<int>(kStageColumns, 0));
}

bool CheckTwoByTwoItems(const CharGrid& source)
{
    bool ok = true;
    for (int r = 0; r < kStageRows; ++r) {
        for (int c = 0; c < kStageColumns; ++c) {
            const char symbol = source.At(r, c);
            if (!FillsTwoByTwo(FindLegendEntry(symbol)->cell)) continue;
            const std::string what = QuoteChar(symbol) + " fills the 2x2 block to its right and below";
            if (r + 1 >= kStageRows || c + 1 >= kStageColumns) {
                ReportCellError(source, r, c, what + ", which leaves the stage");
                ok = false;
                continue;
            }
            for (const auto& [dr, dc] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{1, 1}}) {
                if (source.At(r + dr, c + dc) != '.') {
                    ReportCellError(source, r + dr, c + dc, what + "; this cell must be '.'");
                    ok = false;
                }
            }
        }
    }
    return ok;
}

bool CheckGoalMarker(const CharGrid& source, const StageGrid& tiles)
{
    int markers = 0;
    for (int r = 0; r < kStageRows; ++r) {
        for (int c = 0; c < kStageColumns; ++c) {
            if (tiles[r][c] != kTileGoalMarker) continue;
            if (++markers > 1) {
                ReportCellError(source, r, c, "second goal marker; the goal star is drawn at one only");
            }
        }
    }
    if (markers == 0) std::fprintf(stderr, "%s: no goal marker 'G'\n", source.path.c_str());
    return markers == 1;
}

bool CheckHeroStart(const CharGrid& source, const StageGrid& tiles, platform::Vec2 start)
{
    const int kStartFirstColumn = std::max(0, static_cast<int>((start.x - kHeroWidth / 2) / kCell));
    const int kStartLastColumn = std::min(kStageColumns - 1, static_cast<int>((start.x + kHeroWidth / 2) / kCell));
    const int kStartFirstRow = std::max(0, static_cast<int>((start.y - kHeroHeight / 2) / kCell));
    const int kStartLastRow = std::min(kStageRows - 1, static_cast<int>((start.y + kHeroHeight / 2) / kCell));
    bool ok = true;
    bool groundBelow = false;
    for (int c = kStartFirstColumn; c <= kStartLastColumn; ++c) {
        for (int r = kStartFirstRow; r <= kStartLastRow; ++r) {
            if (StopsHero(tiles[r][c])) {
                ReportCellError(source, r, c,
                                "the hero starts inside this tile (its box centred on (" + std::to_string(start.x) +
                                    ", " + std::to_string(start.y) + "))");
                ok = false;
            }
        }
        for (int r = kStartLastRow + 1; r < kStageRows; ++r) {
            if (StopsHero(tiles[r][c]) && tiles[r][c] != kTileDamage) groundBelow = true;
        }
    }
    if (!groundBelow) {
        std::fprintf(stderr, "%s: no ground under the hero's start (columns %d-%d)\n", source.path.c_str(),
                     kStartFirstColumn, kStartLastColumn);
        ok = false;
    }
    return ok;
}

}  // namespace

std::optional<StageLayers> CompileStage(const CharGrid& source, platform::Vec2 start)
{
    // The reader has checked the shape and the alphabet; a grid that skipped it is refused whole.
    bool shaped = source.rows.size() == kStageRows && source.lines.size() == kStageRows;
    for (const std::string& row : source.rows) {
        shaped = shaped && row.size() == kStageColumns &&
                 row.find_first_not_of(StageLegendAlphabet()) == std::string::npos;
    }
    if (!shaped) {
        std::fprintf(stderr, "%s: not a checked %d x %d stage source\n", source.path.c_str(), kStageRows,
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
    bool ok = CheckTwoByTwoItems(source);
    ok = CheckGoalMarker(source, layers.tiles) && ok;
    ok = CheckHeroStart(source, layers.tiles, start) && ok;
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
    bool ok = true;
    for (const auto& [line, text] : source.settings) {
        std::string problem;
        if (!ParseStageDescriptionLine(text, stage, problem)) {
            std::fprintf(stderr, "%s:%d: %s\n", source.path.c_str(), line, problem.c_str());
            ok = false;
        }
    }
    if (!ok) return std::nullopt;
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
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "%s: cannot make the folder: %s\n", folder.c_str(), error.message().c_str());
        return false;
    }
    bool ok = WriteCsvGrid(folder / files::kTileMapName, layers->tiles);
    ok = WriteCsvGrid(folder / files::kEnemyMapName, layers->enemies) && ok;
    ok = WriteCsvGrid(folder / files::kScoreMapName, layers->scores) && ok;
    ok = WriteCsvGrid(folder / files::kRecoveryMapName, layers->heals) && ok;
    ok = WriteCsvGrid(folder / files::kSignMapName, layers->signs) && ok;
    std::string writeError;
    const auto description = folder / files::kStageDescriptionName;
    if (!platform::WriteFileAtomically(description, FormatStageDescription(*stage), writeError)) {
        std::fprintf(stderr, "%s: %s\n", description.c_str(), writeError.c_str());
        ok = false;
    }
    if (ok) std::printf("%s: %s, score total %d\n", folder.c_str(), stage->name.c_str(), StageScoreTotal(*layers));
    return ok;
}
