#pragma once
#include <memory>
#include <vector>

#include "app/BaseScene.h"
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
    std::vector<std::unique_ptr<CEnemyBase>>& GetEnemies() { return mEnemies; }
    std::vector<std::unique_ptr<CJumpEnemy>>& GetJumpEnemies() { return mJumpEnemies; }
    std::vector<std::unique_ptr<CFlyEnemy>>& GetFlyEnemies() { return mFlyEnemies; }
    std::vector<std::unique_ptr<CSlime>>& GetSlimes() { return mSlimes; }
    std::vector<std::unique_ptr<CScore>>& GetScores() { return mScores; }
    std::vector<std::unique_ptr<CHeal>>& GetHeals() { return mHeals; }

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
    int StageScoreTotal() const { return mStageScoreTotal; }
    bool StageCleared() const { return mStageCleared; }

    // The jumping enemies' own sheet (three 64 x 80 frames).
    static constexpr const char* kJumpEnemyTexture = "Resource/Texture/JumpEnemy.png";
    static constexpr const char* kMusic = "Resource/Sound/rensaku_10_morivalte.wav";

private:
    int32_t mScore = 0;
    int32_t mStageScoreTotal = 0;
    platform::Vec2 mRespawnPos;
    std::unique_ptr<CMap> mpMap; // the grids are large; kept off the stack of whoever makes a stage
    float mScoreItemSize = 40.0f;
    float mHealItemSize = 80.0f;
    CBackGround mBackGround;
    CPlayer mPlayer;
    CCamera mCamera;

    // Pictures lent to every enemy or item of a kind (and some to the player).
    const platform::Texture* mpTexEnemy = nullptr;
    const platform::Texture* mpTexJumpEnemy = nullptr;
    const platform::Texture* mpTexFlyEnemy = nullptr;
    const platform::Texture* mpTexFlyEnemySpin = nullptr;
    const platform::Texture* mpTexBullet = nullptr;
    const platform::Texture* mpTexSlime = nullptr;
    const platform::Texture* mpTexStar = nullptr;
    const platform::Texture* mpTexStarBubble = nullptr;
    const platform::Texture* mpTexStarBubbleAlpha = nullptr;
    const platform::Texture* mpTexSun = nullptr;
    const platform::Texture* mpTexEnemyBubble = nullptr;
    const platform::Texture* mpTexEnemyBubbleAlpha = nullptr;
    const platform::Texture* mpTexSlimeBubble = nullptr;
    const platform::Texture* mpTexSlimeBubbleAlpha = nullptr;
    const platform::Texture* mpTexHeart = nullptr;
    const platform::Texture* mpTexHealBubble = nullptr;
    const platform::Texture* mpTexHealBubbleAlpha = nullptr;
    platform::SoundBuffer* mpSndPop = nullptr;

    std::vector<std::unique_ptr<CEnemyBase>> mEnemies;
    std::vector<std::unique_ptr<CJumpEnemy>> mJumpEnemies;
    std::vector<std::unique_ptr<CFlyEnemy>> mFlyEnemies;
    std::vector<std::unique_ptr<CSlime>> mSlimes;
    std::vector<std::unique_ptr<CScore>> mScores;
    std::vector<std::unique_ptr<CHeal>> mHeals;
    bool mStageCleared = false;
    platform::SoundBuffer* mpMusic = nullptr;

    // Owns every texture and sound loaded here; each is freed once, when the stage is released.
    CResourceHolder mResources;
};
