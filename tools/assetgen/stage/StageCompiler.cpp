#include "StageCompiler.h"

#include <cstdio>
#include <string>

#include "StageLegend.h"

namespace {

// The hero starts with its 45 x 75 box centred on (200, 1300); cells are 40 pixels.
constexpr int kCell = 40;
constexpr double kStartX = 200, kStartY = 1300, kHeroWidth = 45, kHeroHeight = 75;
constexpr int kStartFirstColumn = static_cast<int>((kStartX - kHeroWidth / 2) / kCell);
constexpr int kStartLastColumn = static_cast<int>((kStartX + kHeroWidth / 2) / kCell);
constexpr int kStartFirstRow = static_cast<int>((kStartY - kHeroHeight / 2) / kCell);
constexpr int kStartLastRow = static_cast<int>((kStartY + kHeroHeight / 2) / kCell);

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

bool CheckHeroStart(const CharGrid& source, const StageGrid& tiles)
{
    bool ok = true;
    bool groundBelow = false;
    for (int c = kStartFirstColumn; c <= kStartLastColumn; ++c) {
        for (int r = kStartFirstRow; r <= kStartLastRow; ++r) {
            if (StopsHero(tiles[r][c])) {
                ReportCellError(source, r, c, "the hero starts inside this tile (its box centred on (200, 1300))");
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

std::optional<StageLayers> CompileStage(const CharGrid& source)
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
    ok = CheckHeroStart(source, layers.tiles) && ok;
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
