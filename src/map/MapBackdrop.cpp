// What the map draws behind its tiles: the darkness of the pits and the signs. Neither is
// solid nor seen by any object; they only show the player where danger is and which key to use.
#include <algorithm>

#include "app/Drawing.h"
#include "map/CellCodes.h"
#include "map/Map.h"
#include "map/StageFiles.h"

namespace {

constexpr int kSignSize = 80;                   // a sign covers 2 x 2 cells
constexpr platform::Rect kPitRim{0, 0, 40, 40}; // the ragged edge where the dark begins
constexpr platform::Rect kPitDark{40, 0, 80, 40};

} // namespace

void CMap::LoadSignMap(const std::string& path)
{
    if (!path.empty()) LoadStageCsv(path, mSignData);
}

// The ground level of a column: the top of the unbroken run of tiles that ends in the bottom row.
void CMap::FindPits()
{
    auto groundTop = [this](int c) {
        int r = kMapRows - 1;
        while (r > 0 && mMapData[r - 1][c] != kTileEmpty) --r;
        return r;
    };
    auto open = [this](int c) { return mMapData[kMapRows - 1][c] == kTileEmpty; };
    std::fill(std::begin(mPitTop), std::end(mPitTop), kMapRows);
    for (int c = 0; c < kMapCols;) {
        if (!open(c)) {
            ++c;
            continue;
        }
        int end = c;
        while (end < kMapCols && open(end)) ++end;
        // Only a gap with ground on both sides is a pit; open ground at a stage's end is not.
        if (c > 0 && end < kMapCols) {
            const int top = std::max(groundTop(c - 1), groundTop(end));
            for (int k = c; k < end; ++k) mPitTop[k] = top;
        }
        c = end;
    }
}

void CMap::DrawBackdrop(platform::Sprite* sprite)
{
    const platform::Vec3 corner{};
    auto place = [this](float x, float y) {
        return platform::Matrix::Translation(x - mCellCamera.x, y - mCellCamera.y, 0.0f);
    };
    for (int c = mVisible.colBegin; c < mVisible.colEnd; ++c) {
        for (int r = std::max(mPitTop[c], mVisible.rowBegin); r < mVisible.rowEnd; ++r) {
            DrawSprite(sprite, mpPitTexture, r == mPitTop[c] ? kPitRim : kPitDark, corner,
                       place(mPosX[r][c], mPosY[r][c]), 0xFFFFFFFF);
        }
    }
    // A sign stands on its cell's floor and reaches one cell right and one up.
    for (int r = mVisible.rowBegin; r < mVisible.rowEnd; ++r) {
        for (int c = mVisible.colBegin; c < mVisible.colEnd; ++c) {
            const int32_t code = mSignData[r][c];
            if (code < 1 || code > kSignKinds) continue;
            const platform::Rect picture{kSignSize * (code - 1), 0, kSignSize * code, kSignSize};
            DrawSprite(sprite, mpSignTexture, picture, corner, place(mPosX[r][c], mPosY[r][c] - kCellSize), 0xFFFFFFFF);
        }
    }
}
