#include "map/Map.h"

#include <algorithm>
#include <cmath>

#include "app/Drawing.h"
#include "map/CellCodes.h"

CMap::CMap() = default;

void CMap::Init()
{
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapCols; ++c) {
            mPosX[r][c] = kCellSize * static_cast<float>(c);
            mPosY[r][c] = kCellSize * static_cast<float>(r);
        }
    }
    mCellsReady = true;
    mStarScaleX = 1.0f;
    mStarScaleY = 1.0f;
    mGoal = false;
    mStarSpeed = 2.0f;
}

int32_t CMap::TileAt(int row, int column) const
{
    if (row < 0 || row >= kMapRows || column < 0 || column >= kMapCols) return 0;
    return mMapData[row][column];
}

void CMap::Update(platform::Vec2 camera)
{
    ++mFrame;

    // Only cells that can show and have a picture are placed, as they are drawn, by this camera.
    // The full scan places every cell of the grid here.
    mVisible = WindowAround(camera.x - kCellSize, camera.x + kScreenWidth, camera.y - kCellSize, camera.y + kScreenHeight);
    mCellCamera = camera;
    if (mFullScan) {
        for (int r = mVisible.rowBegin; r < mVisible.rowEnd; ++r) {
            for (int c = mVisible.colBegin; c < mVisible.colEnd; ++c) {
                mCellMatrix[r][c] = platform::Matrix::Translation(mPosX[r][c] - camera.x, mPosY[r][c] - camera.y, 0.0f);
            }
        }
    }
    // The tiles only change when the stage loads; the full scan looks for the goal every frame.
    if (mFullScan) FindGoalCell();
    const int goalRow = mGoalRow;
    const int goalCol = mGoalCol;

    if (mGoal) {
        mStarScaleX *= 1.05f;
        mStarScaleY *= 1.05f;
        mStarAngle -= 1.0f;
        if (mStarScaleY > 50.0f) mStarFinished = true;
    } else {
        mStarScaleX = std::sin(static_cast<float>(mFrame) * mStarSpeed * kDegToRad);
        mStarScaleY = 1.0f;
        mStarAngle = 0.0f;
    }
    mStarTrans = platform::Matrix::Translation(mPosX[goalRow][goalCol] - camera.x + 60.0f,
                                               mPosY[goalRow][goalCol] - camera.y + 60.0f, 0.0f);
    mStarScaleMatrix = platform::Matrix::Scaling(mStarScaleX, mStarScaleY, 0.0f);
    mStarRot = platform::Matrix::RotationZ(mStarAngle);
    mStarWorld = mStarRot * mStarScaleMatrix * mStarTrans;
}

// The goal star sits at the last goal marker in row-major order (cell 0, 0 without one).
void CMap::FindGoalCell()
{
    mGoalRow = 0;
    mGoalCol = 0;
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapCols; ++c) {
            if (mMapData[r][c] == kTileGoalMarker) {
                mGoalRow = r;
                mGoalCol = c;
            }
        }
    }
}

void CMap::DrawTiles(platform::Sprite* sprite)
{
    const platform::Vec3 center{};
    for (int r = mVisible.rowBegin; r < mVisible.rowEnd; ++r) {
        for (int c = mVisible.colBegin; c < mVisible.colEnd; ++c) {
            const int32_t code = mMapData[r][c];
            if (!HasChip(code)) continue; // empty, goal and codes without a chip
            const platform::Rect chip{40 * (code - 1), 0, 40 * code, 40};
            const platform::Matrix place =
                mFullScan ? mCellMatrix[r][c]
                          : platform::Matrix::Translation(mPosX[r][c] - mCellCamera.x, mPosY[r][c] - mCellCamera.y, 0.0f);
            DrawSprite(sprite, mpChipTexture, chip, center, place, 0xFFFFFFFF);
        }
    }
}

void CMap::DrawGoalStar(platform::Sprite* sprite)
{
    // The large picture scaled down to the star's 120 pixels first: the same star, sharper.
    constexpr float kHalf = kGoalStarPicture / 2.0f;
    constexpr float kDown = static_cast<float>(kGoalStarSize) / kGoalStarPicture;
    DrawSprite(sprite, mpStarTexture, platform::Rect{0, 0, kGoalStarPicture, kGoalStarPicture},
               platform::Vec3{kHalf, kHalf, 0.0f}, platform::Matrix::Scaling(kDown, kDown, 1.0f) * mStarWorld,
               0xFFFFFFFF);
}

void CMap::ReleaseTextures()
{
    mpChipTexture = nullptr;
    mpStarTexture = nullptr;
    mpSignTexture = nullptr;
    mpPitTexture = nullptr;
}

CMap::CellWindow CMap::WindowAround(float xLow, float xHigh, float yLow, float yHigh) const
{
    if (!mCellsReady || mFullScan || !std::isfinite(xLow) || !std::isfinite(xHigh) || !std::isfinite(yLow) ||
        !std::isfinite(yHigh)) {
        return {0, kMapRows, 0, kMapCols};
    }
    // One cell of margin on each side keeps float rounding at the borders harmless.
    auto first = [](float low, int count) {
        return static_cast<int>(std::clamp(std::floor(low / kCellSize) - 1.0f, 0.0f, static_cast<float>(count)));
    };
    auto last = [](float high, int count) {
        return static_cast<int>(std::clamp(std::floor(high / kCellSize) + 2.0f, 0.0f, static_cast<float>(count)));
    };
    return {first(yLow, kMapRows), last(yHigh, kMapRows), first(xLow, kMapCols), last(xHigh, kMapCols)};
}

// A cell can act on a box only if its left edge lies within one cell of where the box can be
// during the call: the box starts at (x, y), and every correction puts it less than one box
// away from the moved position (sx, sy) (a head bump on a damage floor, one cell further).
CMap::CellWindow CMap::WindowForBox(float x, float y, float sx, float sy, float width, float height) const
{
    const float xMin = std::min(x, sx - width);
    const float xMax = std::max(x, sx + width);
    const float yMin = std::min(y, sy - height);
    const float yMax = std::max(y, sy + height + kCellSize);
    return WindowAround(xMin - width / 2.0f - kCellSize, xMax + width / 2.0f, yMin - height / 2.0f - kCellSize,
                        yMax + height / 2.0f);
}

void CMap::SavePlay(PlayState& state) const
{
    state = {mGoal,      mStarTrans,    mStarScaleMatrix, mStarRot, mStarWorld, mStarScaleX, mStarScaleY,
             mStarAngle, mRespawn,      mStarFinished,    mFrame,   mVisible,   mCellCamera};
}

void CMap::RestorePlay(const PlayState& state)
{
    mGoal = state.goal;
    mStarTrans = state.starTrans;
    mStarScaleMatrix = state.starScaleMatrix;
    mStarRot = state.starRot;
    mStarWorld = state.starWorld;
    mStarScaleX = state.starScaleX;
    mStarScaleY = state.starScaleY;
    mStarAngle = state.starAngle;
    mRespawn = state.respawn;
    mStarFinished = state.starFinished;
    mFrame = state.frame;
    mVisible = state.visible;
    mCellCamera = state.cellCamera;
}
