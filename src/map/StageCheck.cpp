#include "map/StageCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "map/CellCodes.h"

namespace {

// The hero's full-size box, centred on its start.
constexpr double kHeroWidth = 45.0;
constexpr double kHeroHeight = 75.0;

// Tiles the hero cannot stand inside: ground, planks, spikes.
bool StopsHero(int32_t code)
{
    return code >= kTileGrass && code <= kTileDamage;
}

// What the hero can stand on at its start: ground or a plank, not spikes.
bool CarriesHero(int32_t code)
{
    return StopsHero(code) && code != kTileDamage;
}

// Big stars and hearts are drawn 80 x 80 over the 2 x 2 block whose top-left cell holds them.
const char* TwoByTwoItem(const StageGridsView& grids, int row, int column, StageLayer& layer)
{
    if (grids.scores[row][column] == kScoreBig) {
        layer = StageLayer::Scores;
        return "big star";
    }
    if (grids.heals[row][column] == kHealHeart) {
        layer = StageLayer::Heals;
        return "heart";
    }
    return nullptr;
}

bool CellEmpty(const StageGridsView& grids, int row, int column)
{
    return grids.tiles[row][column] == 0 && grids.enemies[row][column] == 0 && grids.scores[row][column] == 0 &&
           grids.heals[row][column] == 0 && grids.signs[row][column] == 0;
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string Point(platform::Vec2 start)
{
    return "(" + Number(start.x) + ", " + Number(start.y) + ")";
}

class Checker {
public:
    Checker(const StageGridsView& grids, const std::function<void(const StageProblem&)>& report)
        : mGrids(grids), mReport(report)
    {
    }

    void TwoByTwoItems()
    {
        for (int r = 0; r < kMapRows; ++r) {
            for (int c = 0; c < kMapCols; ++c) {
                StageLayer layer = StageLayer::Scores;
                const char* item = TwoByTwoItem(mGrids, r, c, layer);
                if (item == nullptr) continue;
                const std::string name = item;
                if (r + 1 >= kMapRows || c + 1 >= kMapCols) {
                    Report(layer, r, c,
                           "a " + name + " fills the 2 x 2 block to its right and below, which leaves the stage");
                    continue;
                }
                const struct {
                    int dr, dc;
                    const char* where;
                } block[] = {{0, 1, "to its left"}, {1, 0, "above it"}, {1, 1, "above it to the left"}};
                for (const auto& cell : block) {
                    if (CellEmpty(mGrids, r + cell.dr, c + cell.dc)) continue;
                    Report(layer, r + cell.dr, c + cell.dc,
                           "the " + name + " " + cell.where + " fills this cell of its 2 x 2 block; it must be empty");
                }
            }
        }
    }

    void GoalMarker()
    {
        int markers = 0;
        for (int r = 0; r < kMapRows; ++r) {
            for (int c = 0; c < kMapCols; ++c) {
                if (mGrids.tiles[r][c] != kTileGoalMarker) continue;
                if (++markers > 1)
                    Report(StageLayer::Tiles, r, c, "a second goal marker; the goal star stands on one only");
            }
        }
        if (markers == 0) Report(StageLayer::Tiles, -1, -1, "no goal marker; the goal star needs one");
    }

    void HeroStart(platform::Vec2 start)
    {
        if (!std::isfinite(start.x) || !std::isfinite(start.y)) {
            Report(StageLayer::Tiles, -1, -1, "the hero's start is not a point of the stage", true);
            return;
        }
        // The cells the box overlaps; a box that only touches a cell's edge is not inside it.
        const auto [firstColumn, lastColumn] = Cells(start.x, kHeroWidth, kMapCols);
        const auto [firstRow, lastRow] = Cells(start.y, kHeroHeight, kMapRows);
        // Inside ground is one problem however many tiles the box overlaps: named at the first.
        int insideRow = -1;
        int insideColumn = -1;
        int tilesInside = 0;
        bool groundBelow = false;
        for (int r = firstRow; r <= lastRow; ++r) {
            for (int c = firstColumn; c <= lastColumn; ++c) {
                if (!StopsHero(mGrids.tiles[r][c])) continue;
                if (tilesInside++ == 0) {
                    insideRow = r;
                    insideColumn = c;
                }
            }
        }
        for (int c = firstColumn; c <= lastColumn; ++c) {
            for (int r = lastRow + 1; r < kMapRows; ++r) groundBelow = groundBelow || CarriesHero(mGrids.tiles[r][c]);
        }
        if (tilesInside > 0) {
            Report(StageLayer::Tiles, insideRow, insideColumn,
                   "the hero's start " + Point(start) + " puts its box inside this tile" +
                       (tilesInside > 1 ? " and " + std::to_string(tilesInside - 1) + " more" : std::string()),
                   true);
        }
        if (!groundBelow) {
            Report(StageLayer::Tiles, -1, -1,
                   "no ground under the hero's start " + Point(start) + ", in columns " +
                       std::to_string(firstColumn + 1) + " to " + std::to_string(lastColumn + 1),
                   true);
        }
    }

    int Count() const { return mCount; }

private:
    // The first and last cell a box of `size` centred on `centre` overlaps, within `cells`.
    static std::pair<int, int> Cells(double centre, double size, int cells)
    {
        const double low = std::clamp((centre - size / 2) / kCellSize, 0.0, static_cast<double>(cells));
        const double high = std::clamp((centre + size / 2) / kCellSize, 0.0, static_cast<double>(cells));
        const int first = std::min(static_cast<int>(std::floor(low)), cells - 1);
        const int last = std::max(static_cast<int>(std::ceil(high)) - 1, first);
        return {first, std::min(last, cells - 1)};
    }

    void Report(StageLayer layer, int row, int column, std::string what, bool start = false)
    {
        ++mCount;
        mReport(StageProblem{layer, row, column, start, std::move(what)});
    }

    const StageGridsView& mGrids;
    const std::function<void(const StageProblem&)>& mReport;
    int mCount = 0;
};

} // namespace

int CheckStage(const StageGridsView& grids, platform::Vec2 start,
               const std::function<void(const StageProblem&)>& report)
{
    Checker checker(grids, report);
    checker.TwoByTwoItems();
    checker.GoalMarker();
    checker.HeroStart(start);
    return checker.Count();
}
