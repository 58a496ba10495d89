#pragma once
#include <functional>
#include <string>

#include "map/SignLettering.h"
#include "map/StageGrid.h"
#include "platform/Matrix.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

// What the player's ground collision did; the player applies it to itself.
struct GroundContact {
    bool landed = false; // on ground or a plank: on the ground, Mona stock restored
    bool hurt = false;   // a damage floor hurt it (the bounce is already in its speed)
};

// How a kind of enemy meets the ground (every tile with a picture is solid for all of them).
enum class GroundRule {
    TurnAtWallsAndLedges, // the walker: a wall ahead or a ledge below turns it; it is not pushed
    Pushed,               // pushed out, its sideways speed stopped; landing ends its jump or hop
    PushedOffPlankInside, // as Pushed, but pushed off a plank's right side it ends inside it
};

// The stage map: the tile grid and the three spawn grids, collision for every moving thing,
// the goal and its star, the respawn point, and the drawing of tiles and goal star. It knows no
// object of the stage: they call its collision with their own boxes, and the spawn passes hand
// the cells they find to whoever spawns.
class CMap {
public:
    CMap();

    void Init();

    // Stage files.
    void LoadMap(const std::string& path);
    void LoadEnemyMap(const std::string& path);
    void LoadScoreMap(const std::string& path);
    void LoadRecoveryMap(const std::string& path);
    // The signs only show; an empty path is a stage without signs.
    void LoadSignMap(const std::string& path);
    // Spawn passes, row by row from the top, each row from the left: every cell whose code is
    // not 0, with the world position of its top-left corner.
    using SpawnCell = std::function<void(int32_t code, float x, float y)>;
    void SpawnEnemies(const SpawnCell& spawn) const;
    void SpawnScoreItems(const SpawnCell& spawn) const;
    void SpawnHealItems(const SpawnCell& spawn) const;

    // Collision. A box is its centre, width and height; the moved box is the box plus its
    // speed, taken once at the start. All comparisons are strict. Corrections carry from cell
    // to cell in row-major order.
    // The player: `canBeHurt` when a damage floor may hurt it now (not invincible).
    GroundContact CollidePlayer(platform::Vec2& pos, float& velX, float& velY, bool& airborne, float width,
                                float height, bool* roomToResize = nullptr, bool canBeHurt = false);
    // An enemy on the ground, by its kind's rule; `airborne` may be null.
    void CollideGround(GroundRule rule, platform::Vec2& pos, float& velX, float& velY, int32_t& state, bool* airborne,
                       float width, float height);
    bool CollideBullet(platform::Vec2* pos, float halfWidth, float halfHeight, float offsetX, float cellWidth,
                       float cellHeight);

    // The goal star and the cells follow the camera; the respawn point is ready after it.
    void Update(platform::Vec2 camera);
    // The goal star has grown to its end: the stage is cleared.
    bool StarFinished() const { return mStarFinished; }
    // Behind the tiles: the darkness of every pit, then the signs (MapBackdrop.cpp).
    void DrawBackdrop(platform::Sprite* sprite);
    void DrawTiles(platform::Sprite* sprite);
    void DrawGoalStar(platform::Sprite* sprite);

    void SetChipTexture(const platform::Texture* texture) { if (texture != nullptr) mpChipTexture = texture; }
    void SetStarTexture(const platform::Texture* texture) { if (texture != nullptr) mpStarTexture = texture; }
    void SetSignTexture(const platform::Texture* texture) { if (texture != nullptr) mpSignTexture = texture; }
    void SetPitTexture(const platform::Texture* texture) { if (texture != nullptr) mpPitTexture = texture; }
    // The keys the signs name, lettered from `font` where they are not the defaults.
    void SetSignLettering(const SignLettering& lettering, const platform::Texture* font)
    {
        mSignLettering = lettering;
        mpSignFont = font;
    }
    void ReleaseTextures();

    bool GoalReached() const { return mGoal; }
    platform::Vec2 Respawn() const { return mRespawn; }
    platform::Vec2 StarScale() const { return {mStarScaleX, mStarScaleY}; }
    int32_t Frame() const { return mFrame; }
    // Tests compare the window of cells each collision visits against the whole grid.
    void SetFullScan(bool fullScan) { mFullScan = fullScan; }
    // The tile code of a cell; 0 outside the grid.
    int32_t TileAt(int row, int column) const;

    // What a stage frame changes of the map, as a stage snapshot keeps it: the goal and its
    // star, the respawn point, the frame count and the cells last placed. The grids never change
    // once loaded; the cells' matrices of the full scan (a test aid) are not kept.
    struct PlayState;
    void SavePlay(PlayState& state) const;
    void RestorePlay(const PlayState& state);

    float mPosX[kMapRows][kMapCols] = {};
    float mPosY[kMapRows][kMapCols] = {};
    bool mGoal = false;
    StageGrid mMapData = {};
    StageGrid mEnemyData = {};
    StageGrid mScoreData = {};
    StageGrid mRecoveryData = {};
    StageGrid mSignData = {};

    // The rows and columns a call visits, end exclusive.
    struct CellWindow {
        int rowBegin = 0;
        int rowEnd = 0;
        int colBegin = 0;
        int colEnd = 0;
    };

private:
    CellWindow WindowAround(float xLow, float xHigh, float yLow, float yHigh) const;
    CellWindow WindowForBox(float x, float y, float sx, float sy, float width, float height) const;
    // The steps of a collision, one cell at a time.
    struct PlayerBox;
    void PlayerMeetsSolid(PlayerBox& box, int r, int c, GroundContact& contact, bool& canBeHurt);
    void PlayerMeetsPlank(PlayerBox& box, int r, int c, GroundContact& contact);
    void PlayerMeetsGoal(const PlayerBox& box, int r, int c);
    struct EnemyBox;
    void EnemyMeetsWalls(EnemyBox& box, int r, int c) const;
    void EnemyMeetsFloorAndCeiling(EnemyBox& box, int r, int c) const;
    void ForEachCode(const StageGrid& grid, const SpawnCell& spawn) const;

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
    bool mStarFinished = false;
    int32_t mFrame = 0;
    float mStarSpeed = 2.0f;

    bool mCellsReady = false; // Init has laid out the cells, so a window can stand for the grid
    bool mFullScan = false;
    CellWindow mVisible;      // the cells the last update found in view
    platform::Vec2 mCellCamera; // the camera the last update placed the cells by
    int mGoalRow = 0;         // the goal star's cell, found when the tiles load
    int mGoalCol = 0;
    void FindGoalCell();

    // A pit is a gap in the bottom row between two columns of ground; it is drawn dark from the
    // lower of the two ground levels beside it down. The first dark row of each column, found
    // when the tiles load; kMapRows where there is no pit.
    int mPitTop[kMapCols] = {};
    void FindPits();
    const platform::Texture* mpSignTexture = nullptr;
    SignLettering mSignLettering;
    const platform::Texture* mpSignFont = nullptr;
    void DrawLetteredSign(platform::Sprite* sprite, int code, platform::Vec2 topLeft) const;
    const platform::Texture* mpPitTexture = nullptr;
};

struct CMap::PlayState {
    bool goal = false;
    platform::Matrix starTrans;
    platform::Matrix starScaleMatrix;
    platform::Matrix starRot;
    platform::Matrix starWorld;
    float starScaleX = 0.0f;
    float starScaleY = 0.0f;
    float starAngle = 0.0f;
    platform::Vec2 respawn;
    bool starFinished = false;
    int32_t frame = 0;
    CellWindow visible;
    platform::Vec2 cellCamera;
};
