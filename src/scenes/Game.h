#pragma once
#include <memory>

#include "app/BaseScene.h"
#include "app/Geometry.h"
#include "app/OwnedList.h"
#include "app/ResourceHolder.h"
#include "enemies/EnemyBase.h"
#include "enemies/FlyEnemy.h"
#include "enemies/JumpEnemy.h"
#include "enemies/Slime.h"
#include "items/Heal.h"
#include "items/Score.h"
#include "map/Map.h"
#include "player/Player.h"
#include "scenes/BackGround.h"
#include "scenes/Camera.h"
#include "scenes/StagePause.h"

// The stage: owns the map, camera, background, player, enemies and pick-ups; loads what they
// use, runs and draws them in a fixed order, and decides when the stage is left.
class CGame final : public BaseScene {
public:
    explicit CGame(CGameFrameConstruct* frame);
    ~CGame() override;

    void Init() override;
    void Release() override;
    SceneId Update() override;
    void Draw(platform::Sprite* sprite, platform::Device* device) override;
    const char* TraceName() const override { return "game"; }
    void WriteTrace(CTraceWriter& trace) const override;

    CPlayer& GetPlayer() { return mPlayer; }
    CMap& GetMap() { return *mpMap; }
    CCamera& GetCamera() { return mCamera; }
    OwnedList<CEnemyBase>& GetEnemies() { return mEnemies; }
    OwnedList<CJumpEnemy>& GetJumpEnemies() { return mJumpEnemies; }
    OwnedList<CFlyEnemy>& GetFlyEnemies() { return mFlyEnemies; }
    OwnedList<CSlime>& GetSlimes() { return mSlimes; }
    OwnedList<CScore>& GetScores() { return mScores; }
    OwnedList<CHeal>& GetHeals() { return mHeals; }

    // The frame's millisecond clock, which some enemies seed the random generator from.
    uint32_t Now() const;

    void SetScore(int score) { mScore = score; }
    void SetRespawnPos(float x, float y) { mRespawnPos = {x, y}; }
    void SetStageCleared() { mStageCleared = true; }
    void AddScoreTotal(int value) { mStageScoreTotal += value; }

    void SpawnEnemy(float x, float y);
    void SpawnFlyEnemy(float x, float y);
    void SpawnJumpEnemy(float x, float y);
    void SpawnSlime(float x, float y);
    void SpawnScore(float x, float y, int kind);
    void SpawnHeal(float x, float y);

    int Score() const { return mScore; }
    bool Paused() const { return mPause.Paused(); }
    int StageScoreTotal() const { return mStageScoreTotal; }
    bool StageCleared() const { return mStageCleared; }

private:
    // Makes an enemy of a kind at (x, y), alive, with what the kind is lent, at the end of its list.
    template <class Enemy>
    void Spawn(OwnedList<Enemy>& list, float x, float y, const EnemyResources& resources);

    int32_t mScore = 0;
    int32_t mStageScoreTotal = 0;
    platform::Vec2 mRespawnPos;
    std::unique_ptr<CMap> mpMap; // the grids are large; kept off the stack of whoever makes a stage
    float mScoreItemSize = kScoreItemSize;
    float mHealItemSize = kHealItemSize;
    CBackGround mBackGround;
    CPlayer mPlayer;
    CCamera mCamera;

    // What is lent to every enemy or item of a kind (pictures also to the player).
    EnemyResources mWalkEnemyLook;
    EnemyResources mJumpEnemyLook;
    EnemyResources mFlyEnemyLook;
    EnemyResources mSlimeLook;
    ItemResources mScoreLook;
    ItemResources mHealLook;
    platform::SoundBuffer* mpSndPop = nullptr;

    OwnedList<CEnemyBase> mEnemies;
    OwnedList<CJumpEnemy> mJumpEnemies;
    OwnedList<CFlyEnemy> mFlyEnemies;
    OwnedList<CSlime> mSlimes;
    OwnedList<CScore> mScores;
    OwnedList<CHeal> mHeals;
    bool mStageCleared = false;
    platform::SoundBuffer* mpMusic = nullptr;
    platform::SoundBuffer* mpGoalJingle = nullptr; // played once, when the goal is first touched
    bool mGoalJinglePlayed = false;
    CStagePause mPause;

    // Owns every texture and sound loaded here; each is freed once, when the stage is released.
    CResourceHolder mResources;
};
