// What the map draws behind its tiles: the darkness of the pits and the signs. Neither is
// solid nor seen by any object; they only show the player where danger is and which key to use.
#include <algorithm>

#include "app/Drawing.h"
#include "app/FontSheet.h"
#include "app/TextDrawing.h"
#include "map/CellCodes.h"
#include "map/Map.h"
#include "map/StageFiles.h"

namespace {

static_assert(kSignKinds == signsheet::kSigns, "the sign sheet holds every sign kind");
constexpr int kSignSize = signsheet::kSignSize; // a sign covers 2 x 2 cells
constexpr platform::Color kKeyInk = 0xFF263238; // the dark of the default caps' arrows
constexpr float kCapLetterScale = 0.4f;         // a key's name on a cap, at most
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
            const platform::Vec2 topLeft{mPosX[r][c] - mCellCamera.x, mPosY[r][c] - kCellSize - mCellCamera.y};
            if (mSignLettering.lettered[static_cast<size_t>(code - 1)] && mpSignFont != nullptr) {
                DrawLetteredSign(sprite, code, topLeft);
                continue;
            }
            DrawSprite(sprite, mpSignTexture, signsheet::SignCell(code, false), corner,
                       platform::Matrix::Translation(topLeft.x, topLeft.y, 0.0f), 0xFFFFFFFF);
        }
    }
}

// The bare board, and on it a blank cap for each key with the bound key's name: the cap grows
// about its middle for a longer name, as far as the board allows, then the name is lettered smaller.
void CMap::DrawLetteredSign(platform::Sprite* sprite, int code, platform::Vec2 topLeft) const
{
    const auto sign = static_cast<size_t>(code - 1);
    DrawSprite(sprite, mpSignTexture, signsheet::SignCell(code, true), {},
               platform::Matrix::Translation(topLeft.x, topLeft.y, 0.0f), 0xFFFFFFFF);
    const platform::Rect blank = signsheet::kBlankCap;
    const auto blankWidth = static_cast<float>(blank.right - blank.left);
    const auto blankHeight = static_cast<float>(blank.bottom - blank.top);
    for (size_t cap = 0; cap < 2; ++cap) {
        const signsheet::CapSpot& spot = signsheet::kCaps[sign][cap];
        if (spot.width <= 0.0f) continue;
        const std::string& name = mSignLettering.names[sign][cap];
        constexpr float kInside = 8.0f; // the cap's rim on both sides
        const float width = std::clamp(TextLineWidth(name, kCapLetterScale) + kInside, spot.width, spot.widest);
        const float scale = std::min(kCapLetterScale, (width - kInside) / TextLineWidth(name, 1.0f));
        const float left = topLeft.x + spot.x + spot.width / 2.0f - width / 2.0f;
        const float top = topLeft.y + spot.y;
        DrawSprite(sprite, mpSignTexture, blank, {},
                   platform::Matrix::Scaling(width / blankWidth, signsheet::kCapHeight / blankHeight, 1.0f) *
                       platform::Matrix::Translation(left, top, 0.0f),
                   0xFFFFFFFF);
        // Centred on the cap's face, a little above its middle as the default arrows are.
        const float cell = static_cast<float>(fontsheet::kCellHeight) * scale;
        DrawTextLine(sprite, mpSignFont, name, left + (width - TextLineWidth(name, scale)) / 2.0f,
                     top + (signsheet::kCapHeight - 3.0f - cell) / 2.0f, scale, kKeyInk);
    }
}
