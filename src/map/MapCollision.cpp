#include <cmath>

#include "app/Assert.h"
#include "app/WorldRules.h"
#include "map/CellCodes.h"
#include "map/EnemyState.h"
#include "map/Map.h"

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

// The player's box during one collision: where it is (corrected cell by cell), where it moves
// to (taken once), and what it writes back.
struct CMap::PlayerBox {
    platform::Vec2& pos;
    float& velX;
    float& velY;
    bool& airborne;
    bool* roomToResize;
    float sx, sy, hw, hh, height;
};

GroundContact CMap::CollidePlayer(platform::Vec2& pos, float& velX, float& velY, bool& airborne, float width,
                                  float height, bool* roomToResize, bool canBeHurt)
{
    PlayerBox box{pos, velX, velY, airborne, roomToResize, pos.x + velX, pos.y + velY, width / 2.0f, height / 2.0f,
                  height};
    GroundContact contact;
    const CellWindow window = WindowForBox(pos.x, pos.y, box.sx, box.sy, width, height);
    for (int r = window.rowBegin; r < window.rowEnd; ++r) {
        for (int c = window.colBegin; c < window.colEnd; ++c) {
            const int32_t code = mMapData[r][c];
            if (IsGroundTile(code) || code == kTileDamage) PlayerMeetsSolid(box, r, c, contact, canBeHurt);
            else if (code == kTileOneWay) PlayerMeetsPlank(box, r, c, contact);
            else if (code == kTileGoalMarker || code == kTileGoalArea) PlayerMeetsGoal(box, r, c);
        }
    }
    return contact;
}

// Ground and damage floor: pushed out sideways, then landed on or bumped from below. A landing
// on ground with three free cells above is the new safe place; a landing on a damage floor
// hurts once and bounces, the bounce given here so that a later cell can still take it back.
void CMap::PlayerMeetsSolid(PlayerBox& box, int r, int c, GroundContact& contact, bool& canBeHurt)
{
    const int32_t code = mMapData[r][c];
    const float tx = mPosX[r][c];
    const float ty = mPosY[r][c];
    const bool ground = IsGroundTile(code);
    platform::Vec2& pos = box.pos;
    if (Overlap(pos.y - box.hh, pos.y + box.hh, ty, ty + kCellSize)) {
        if (Inside(tx, box.sx - box.hw, box.sx + box.hw)) {
            pos.x = tx - box.hw;
            box.velX = 0.0f;
        } else if (Inside(tx + kCellSize, box.sx - box.hw, box.sx + box.hw)) {
            pos.x = tx + kCellSize + box.hw;
            box.velX = 0.0f;
        }
    }
    if (!Overlap(pos.x - box.hw, pos.x + box.hw, tx, tx + kCellSize)) return;
    if (Inside(ty, box.sy - box.hh, box.sy + box.hh)) {
        pos.y = ty - box.hh;
        box.velY = 0.0f;
        box.airborne = false;
        contact.landed = true;
        if (ground) {
            if (box.roomToResize != nullptr) *box.roomToResize = TileAt(r - 3, c) == kTileEmpty;
            if (TileAt(r - 1, c) == kTileEmpty && TileAt(r - 2, c) == kTileEmpty && TileAt(r - 3, c) == kTileEmpty) {
                mRespawn = {tx, ty - box.height};
            }
        } else if (canBeHurt) {
            contact.hurt = true;
            canBeHurt = false; // the hit makes the player invincible
            box.velY = kHitBounce;
        }
    } else if (ground ? Inside(ty + kCellSize, box.sy - box.hh, box.sy + box.hh)
                      : (box.sy + box.hh > ty && box.sy - box.hh < ty + kCellSize)) {
        pos.y = ty + kCellSize + box.hh;
        box.velY = 0.0f;
    }
}

// One-way: only a fall from above lands on it.
void CMap::PlayerMeetsPlank(PlayerBox& box, int r, int c, GroundContact& contact)
{
    const float tx = mPosX[r][c];
    const float ty = mPosY[r][c];
    platform::Vec2& pos = box.pos;
    if (Overlap(pos.x - box.hw, pos.x + box.hw, tx, tx + kCellSize) && box.velY > 0.0f && pos.y + box.hh <= ty &&
        Inside(ty, box.sy - box.hh, box.sy + box.hh)) {
        pos.y = ty - box.hh;
        box.velY = 0.0f;
        box.airborne = false;
        contact.landed = true;
        if (box.roomToResize != nullptr) *box.roomToResize = TileAt(r - 3, c) == kTileEmpty;
    }
}

// Any touch of a goal cell, from a side or from above or below, starts the goal star.
void CMap::PlayerMeetsGoal(const PlayerBox& box, int r, int c)
{
    const float tx = mPosX[r][c];
    const float ty = mPosY[r][c];
    const platform::Vec2& pos = box.pos;
    const bool side = Overlap(pos.y - box.hh, pos.y + box.hh, ty, ty + kCellSize) &&
                      (Inside(tx, box.sx - box.hw, box.sx + box.hw) || Inside(tx + kCellSize, box.sx - box.hw, box.sx + box.hw));
    const bool floor = Overlap(pos.x - box.hw, pos.x + box.hw, tx, tx + kCellSize) &&
                       (Inside(ty, box.sy - box.hh, box.sy + box.hh) || Inside(ty + kCellSize, box.sy - box.hh, box.sy + box.hh));
    if (!side && !floor) return;
    if (!mGoal) {
        mStarScaleX = 1.0f;
        mStarScaleY = 1.0f;
    }
    mGoal = true;
}

struct CMap::EnemyBox {
    GroundRule rule;
    platform::Vec2& pos;
    float& velX;
    float& velY;
    int32_t& state;
    bool* airborne;
    float sx, sy, hw, hh;
};

// Enemies on the ground: every tile with a picture is solid. A walker is not pushed: a wall
// ahead turns it and sets it flush, and on landing it turns where the ground ends. The others
// are pushed with their horizontal speed stopped, and landing ends their jump or hop.
void CMap::CollideGround(GroundRule rule, platform::Vec2& pos, float& velX, float& velY, int32_t& state,
                         bool* airborne, float width, float height)
{
    EnemyBox box{rule, pos, velX, velY, state, airborne, pos.x + velX, pos.y + velY, width / 2.0f, height / 2.0f};
    const CellWindow window = WindowForBox(pos.x, pos.y, box.sx, box.sy, width, height);
    for (int r = window.rowBegin; r < window.rowEnd; ++r) {
        for (int c = window.colBegin; c < window.colEnd; ++c) {
            if (!IsSolidForEnemies(mMapData[r][c])) continue;
            EnemyMeetsWalls(box, r, c);
            EnemyMeetsFloorAndCeiling(box, r, c);
        }
    }
}

void CMap::EnemyMeetsWalls(EnemyBox& box, int r, int c) const
{
    const float tx = mPosX[r][c];
    const float ty = mPosY[r][c];
    platform::Vec2& pos = box.pos;
    const bool walker = box.rule == GroundRule::TurnAtWallsAndLedges;
    if (!Overlap(pos.y - box.hh, pos.y + box.hh, ty, ty + kCellSize)) return;
    if (Inside(tx, box.sx - box.hw, box.sx + box.hw)) {
        if (!walker) {
            pos.x = tx - box.hw;
            box.velX = 0.0f;
        } else if (box.state == kEnemyWalkRight) {
            box.state = kEnemyWalkLeft;
            pos.x = tx - box.hw;
        }
    } else if (Inside(tx + kCellSize, box.sx - box.hw, box.sx + box.hw)) {
        if (!walker) {
            // Pushed off a plank's right side, a jumping enemy ends 2.5 pixels inside it.
            const bool inside = box.rule == GroundRule::PushedOffPlankInside && mMapData[r][c] == kTileOneWay;
            pos.x = inside ? tx + 60.0f : tx + kCellSize + box.hw;
            box.velX = 0.0f;
        } else if (box.state == kEnemyWalkLeft) {
            box.state = kEnemyWalkRight;
            pos.x = tx + kCellSize + box.hw;
        }
    }
}

void CMap::EnemyMeetsFloorAndCeiling(EnemyBox& box, int r, int c) const
{
    const float tx = mPosX[r][c];
    const float ty = mPosY[r][c];
    platform::Vec2& pos = box.pos;
    if (!Overlap(pos.x - box.hw, pos.x + box.hw, tx, tx + kCellSize)) return;
    if (Inside(ty, box.sy - box.hh, box.sy + box.hh)) {
        pos.y = ty - box.hh;
        box.velY = 0.0f;
        if (box.airborne != nullptr) *box.airborne = false;
        if (box.rule == GroundRule::TurnAtWallsAndLedges) {
            // Ledges: nothing below-left while walking left, or below-right while walking right.
            if (box.sx - box.hw < tx && box.state == kEnemyWalkLeft && TileAt(r + 1, c - 1) == kTileEmpty) {
                box.state = kEnemyWalkRight;
            }
            if (box.sx + box.hw > tx + box.hh && box.state == kEnemyWalkRight && TileAt(r + 1, c + 1) == kTileEmpty) {
                box.state = kEnemyWalkLeft;
            }
        }
    } else if (Inside(ty + kCellSize, box.sy - box.hh, box.sy + box.hh)) {
        pos.y = ty + kCellSize + box.hh;
        box.velY = 0.0f;
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
