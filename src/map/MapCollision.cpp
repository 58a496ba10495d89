#include <cmath>

#include "app/Assert.h"
#include "enemies/EnemyBase.h"
#include "enemies/JumpEnemy.h"
#include "enemies/Slime.h"
#include "map/CellCodes.h"
#include "map/Map.h"
#include "player/Player.h"
#include "scenes/Game.h"

namespace {

// An edge e lies inside low .. high when low < e < high.
bool Inside(float edge, float low, float high)
{
    return low < edge && edge < high;
}

// Two extents overlap when neither only touches the other.
bool Overlap(float lowA, float highA, float lowB, float highB)
{
    return lowA < highB && highA > lowB;
}

} // namespace

void CMap::CollidePlayer(platform::Vec2& pos, float& velX, float& velY, bool& airborne, float width, float height,
                         bool* roomToResize)
{
    const float sx = pos.x + velX;
    const float sy = pos.y + velY;
    const float hw = width / 2.0f;
    const float hh = height / 2.0f;
    CPlayer* player = mpGame != nullptr ? &mpGame->GetPlayer() : nullptr;

    auto land = [&](float ty) {
        pos.y = ty - hh;
        velY = 0.0f;
        airborne = false;
        if (player != nullptr) {
            player->mOnGround = true;
            player->mMonaCount = 0;
        }
    };
    // Room to change size: the cell three rows above the landing cell is empty.
    auto noteRoom = [&](int r, int c) {
        if (roomToResize != nullptr) *roomToResize = TileAt(r - 3, c) == kTileEmpty;
    };

    const CellWindow window = WindowForBox(pos.x, pos.y, sx, sy, width, height);
    for (int r = window.rowBegin; r < window.rowEnd; ++r) {
        for (int c = window.colBegin; c < window.colEnd; ++c) {
            const int32_t code = mMapData[r][c];
            const float tx = mPosX[r][c];
            const float ty = mPosY[r][c];
            const bool ground = IsGroundTile(code);
            if (ground || code == kTileDamage) {
                if (Overlap(pos.y - hh, pos.y + hh, ty, ty + kCellSize)) {
                    if (Inside(tx, sx - hw, sx + hw)) {
                        pos.x = tx - hw;
                        velX = 0.0f;
                    } else if (Inside(tx + kCellSize, sx - hw, sx + hw)) {
                        pos.x = tx + kCellSize + hw;
                        velX = 0.0f;
                    }
                }
                if (!Overlap(pos.x - hw, pos.x + hw, tx, tx + kCellSize)) continue;
                if (Inside(ty, sy - hh, sy + hh)) {
                    land(ty);
                    if (ground) {
                        noteRoom(r, c);
                        if (TileAt(r - 1, c) == kTileEmpty && TileAt(r - 2, c) == kTileEmpty && TileAt(r - 3, c) == kTileEmpty) {
                            mRespawn = {tx, ty - height};
                        }
                    } else if (player != nullptr && player->mInvincible == 0) {
                        // The damage floor hurts; the bounce goes to the speed this call moves
                        // (the player always faces a side, so it always bounces).
                        player->ApplyHitRule();
                        velY = CPlayer::kHitBounce;
                    }
                } else if (ground ? Inside(ty + kCellSize, sy - hh, sy + hh)
                                  : (sy + hh > ty && sy - hh < ty + kCellSize)) {
                    pos.y = ty + kCellSize + hh;
                    velY = 0.0f;
                }
            } else if (code == kTileOneWay) {
                // One-way: only a fall from above lands on it.
                if (Overlap(pos.x - hw, pos.x + hw, tx, tx + kCellSize) && velY > 0.0f && pos.y + hh <= ty &&
                    Inside(ty, sy - hh, sy + hh)) {
                    land(ty);
                    noteRoom(r, c);
                }
            } else if (code == kTileGoalMarker || code == kTileGoalArea) {
                const bool side = Overlap(pos.y - hh, pos.y + hh, ty, ty + kCellSize) &&
                                  (Inside(tx, sx - hw, sx + hw) || Inside(tx + kCellSize, sx - hw, sx + hw));
                const bool floor = Overlap(pos.x - hw, pos.x + hw, tx, tx + kCellSize) &&
                                   (Inside(ty, sy - hh, sy + hh) || Inside(ty + kCellSize, sy - hh, sy + hh));
                if (side || floor) {
                    if (!mGoal) {
                        mStarScaleX = 1.0f;
                        mStarScaleY = 1.0f;
                    }
                    mGoal = true;
                }
            }
        }
    }
}

void CMap::CollideEnemy(int index)
{
    auto& enemies = mpGame->GetEnemies();
    if (index < 0 || static_cast<size_t>(index) >= enemies.size()) return;
    CEnemyBase& enemy = *enemies[static_cast<size_t>(index)];
    CollideGroundEnemy(GroundEnemy::Walker, enemy.GetPosRef(), enemy.GetVelXRef(), enemy.GetVelYRef(), enemy.mState,
                       nullptr, mEnemyWidth, mEnemyHeight);
}

void CMap::CollideJumpEnemy(int index)
{
    auto& enemies = mpGame->GetJumpEnemies();
    if (index < 0 || static_cast<size_t>(index) >= enemies.size()) return;
    CJumpEnemy& enemy = *enemies[static_cast<size_t>(index)];
    CollideGroundEnemy(GroundEnemy::Jumper, enemy.GetPosRef(), enemy.GetVelXRef(), enemy.GetVelYRef(), enemy.mState,
                       &enemy.mAirborne, mEnemyWidth, mEnemyHeight);
}

void CMap::CollideSlime(int index)
{
    auto& slimes = mpGame->GetSlimes();
    if (index < 0 || static_cast<size_t>(index) >= slimes.size()) return;
    CSlime& slime = *slimes[static_cast<size_t>(index)];
    CollideGroundEnemy(GroundEnemy::Slime, slime.GetPosRef(), slime.GetVelXRef(), slime.GetVelYRef(), slime.mState,
                       &slime.mAirborne, mSlimeSize, mSlimeSize);
}

// Enemies on the ground: every code from 1 to 6 is solid. A walker is not pushed: a wall ahead
// turns it and sets it flush, and on landing it turns where the ground ends. The others are
// pushed with their horizontal speed stopped, and landing ends their jump or hop.
void CMap::CollideGroundEnemy(GroundEnemy kind, platform::Vec2& pos, float& velX, float& velY, int32_t& state,
                              bool* airborne, float width, float height)
{
    const float hw = width / 2.0f;
    const float hh = height / 2.0f;
    const float sx = pos.x + velX;
    const float sy = pos.y + velY;
    const CellWindow window = WindowForBox(pos.x, pos.y, sx, sy, width, height);
    for (int r = window.rowBegin; r < window.rowEnd; ++r) {
        for (int c = window.colBegin; c < window.colEnd; ++c) {
            const int32_t code = mMapData[r][c];
            if (!IsSolidForEnemies(code)) continue;
            const float tx = mPosX[r][c];
            const float ty = mPosY[r][c];
            if (Overlap(pos.y - hh, pos.y + hh, ty, ty + kCellSize)) {
                if (Inside(tx, sx - hw, sx + hw)) {
                    if (kind != GroundEnemy::Walker) {
                        pos.x = tx - hw;
                        velX = 0.0f;
                    } else if (state == kEnemyWalkRight) {
                        state = kEnemyWalkLeft;
                        pos.x = tx - hw;
                    }
                } else if (Inside(tx + kCellSize, sx - hw, sx + hw)) {
                    if (kind != GroundEnemy::Walker) {
                        // A jumping enemy pushed off a one-way platform's right side ends 2.5 pixels inside it.
                        pos.x = (kind == GroundEnemy::Jumper && code == kTileOneWay) ? tx + 60.0f : tx + kCellSize + hw;
                        velX = 0.0f;
                    } else if (state == kEnemyWalkLeft) {
                        state = kEnemyWalkRight;
                        pos.x = tx + kCellSize + hw;
                    }
                }
            }
            if (!Overlap(pos.x - hw, pos.x + hw, tx, tx + kCellSize)) continue;
            if (Inside(ty, sy - hh, sy + hh)) {
                pos.y = ty - hh;
                velY = 0.0f;
                if (airborne != nullptr) *airborne = false;
                if (kind == GroundEnemy::Walker) {
                    // Ledges: nothing below-left while walking left, or below-right while walking right.
                    if (sx - hw < tx && state == kEnemyWalkLeft && TileAt(r + 1, c - 1) == kTileEmpty) {
                        state = kEnemyWalkRight;
                    }
                    if (sx + hw > tx + hh && state == kEnemyWalkRight && TileAt(r + 1, c + 1) == kTileEmpty) {
                        state = kEnemyWalkLeft;
                    }
                }
            } else if (Inside(ty + kCellSize, sy - hh, sy + hh)) {
                pos.y = ty + kCellSize + hh;
                velY = 0.0f;
            }
        }
    }
}

bool CMap::CollideBullet(platform::Vec2* pos, float halfWidth, float halfHeight, float offsetX, float cellWidth,
                         float cellHeight)
{
    if (pos == nullptr) {
        ZEM_ASSERT(false, L"バレットの情報が空です");
        return false;
    }
    const float x = pos->x;
    const float y = pos->y;
    const float ahead = x + offsetX;
    const CellWindow window = WindowAround(std::min(x, ahead) - halfWidth - cellWidth, std::max(x, ahead) + halfWidth,
                                           y - halfHeight - cellHeight, y + halfHeight);
    for (int r = window.rowBegin; r < window.rowEnd; ++r) {
        for (int c = window.colBegin; c < window.colEnd; ++c) {
            const int32_t code = mMapData[r][c];
            if (!IsSolidForEnemies(code)) continue;
            const float tx = mPosX[r][c];
            const float ty = mPosY[r][c];
            if (Overlap(y - halfHeight, y + halfHeight, ty, ty + cellHeight)) {
                if (Inside(tx, ahead - halfWidth, ahead + halfWidth)) {
                    pos->x = tx - halfWidth;
                    return true;
                }
                if (Inside(tx + cellWidth, ahead - halfWidth, ahead + halfWidth)) {
                    pos->x = tx + cellWidth + halfWidth;
                    return true;
                }
            }
            if (Overlap(x - halfWidth, x + halfWidth, tx, tx + cellWidth)) {
                if (Inside(ty, y - halfHeight, y + halfHeight)) {
                    pos->y = ty - halfHeight;
                    return true;
                }
                if (Inside(ty + cellHeight, y - halfHeight, y + halfHeight)) {
                    pos->y = ty + cellHeight + halfHeight;
                    return true;
                }
            }
        }
    }
    return false;
}
