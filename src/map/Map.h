#pragma once
#include "map/StageGrid.h"
#include "platform/Matrix.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

class CGame;

// The stage map: the tile grid and the three spawn grids, collision for every moving thing,
// the goal and its star, the respawn point, and the drawing of tiles and goal star.
class CMap {
public:
    CMap();

    void SetGame(CGame* game) { if (game != nullptr) mpGame = game; }
    void Init();

    // Stage files (fixed names under "Resource/Data/").
    void LoadMap();
    void LoadEnemyMap();
    void LoadScoreMap();
    void LoadRecoveryMap();
    // Spawn passes, row by row from the top, each row from the left.
    void SpawnEnemies();
    void SpawnScoreItems();
    void SpawnHealItems();

    // Collision. A box is its centre, width and height; the moved box is the box plus its
    // speed, taken once at the start. All comparisons are strict. Corrections carry from cell
    // to cell in row-major order.
    void CollidePlayer(platform::Vec2& pos, float& velX, float& velY, bool& airborne, float width, float height,
                       bool* roomToResize = nullptr);
    void CollideEnemy(int index);
    void CollideJumpEnemy(int index);
    void CollideSlime(int index);
    bool CollideBullet(platform::Vec2* pos, float halfWidth, float halfHeight, float offsetX, float cellWidth,
                       float cellHeight);

    void Update();
    void DrawTiles(platform::Sprite* sprite);
    void DrawGoalStar(platform::Sprite* sprite);

    void SetChipTexture(const platform::Texture* texture) { if (texture != nullptr) mpChipTexture = texture; }
    void SetStarTexture(const platform::Texture* texture) { if (texture != nullptr) mpStarTexture = texture; }
    void ReleaseTextures();

    bool GoalReached() const { return mGoal; }
    platform::Vec2 Respawn() const { return mRespawn; }
    platform::Vec2 StarScale() const { return {mStarScaleX, mStarScaleY}; }
    int32_t Frame() const { return mFrame; }
    // Tests compare the window of cells each collision visits against the whole grid.
    void SetFullScan(bool fullScan) { mFullScan = fullScan; }
    // The tile code of a cell; 0 outside the grid.
    int32_t TileAt(int row, int column) const;

    float mPosX[kMapRows][kMapCols] = {};
    float mPosY[kMapRows][kMapCols] = {};
    float mEnemyWidth = kEnemyWidth;
    float mEnemyHeight = kEnemyHeight;
    float mSlimeSize = kSlimeTileSize;
    bool mGoal = false;
    StageGrid mMapData = {};
    StageGrid mEnemyData = {};
    StageGrid mScoreData = {};
    StageGrid mRecoveryData = {};

private:
    // The rows and columns a call visits, end exclusive.
    struct CellWindow {
        int rowBegin = 0;
        int rowEnd = 0;
        int colBegin = 0;
        int colEnd = 0;
    };
    CellWindow WindowAround(float xLow, float xHigh, float yLow, float yHigh) const;
    CellWindow WindowForBox(float x, float y, float sx, float sy, float width, float height) const;
    enum class GroundEnemy { Walker, Jumper, Slime };
    void CollideGroundEnemy(GroundEnemy kind, platform::Vec2& pos, float& velX, float& velY, int32_t& state,
                            bool* airborne, float width, float height);

    const platform::Texture* mpChipTexture = nullptr;
    platform::Matrix mCellMatrix[kMapRows][kMapCols] = {}; // built for every cell by the full scan only
    const platform::Texture* mpStarTexture = nullptr;
    platform::Matrix mStarTrans;
    platform::Matrix mStarScaleMatrix;
    platform::Matrix mStarRot;
    platform::Matrix mStarWorld;
    float mStarScaleX = 0.0f;
    float mStarScaleY = 0.0f;
    float mStarAngle = 0.0f;
    platform::Vec2 mRespawn;
    CGame* mpGame = nullptr;
    int32_t mFrame = 0;
    float mStarSpeed = 2.0f;

    bool mCellsReady = false; // Init has laid out the cells, so a window can stand for the grid
    bool mFullScan = false;
    CellWindow mVisible;      // the cells the last update found in view
    platform::Vec2 mCellCamera; // the camera the last update placed the cells by
    int mGoalRow = 0;         // the goal star's cell, found when the tiles load
    int mGoalCol = 0;
    void FindGoalCell();
};
