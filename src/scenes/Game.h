#pragma once
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "app/BaseScene.h"
#include "app/GhostPath.h"
#include "app/Geometry.h"
#include "app/OwnedList.h"
#include "app/ResourceHolder.h"
#include "enemies/EnemyKinds.h"
#include "items/Heal.h"
#include "items/Score.h"
#include "map/Map.h"
#include "map/StageView.h"
#include "player/Player.h"
#include "scenes/BackGround.h"
#include "scenes/Camera.h"
#include "scenes/StagePause.h"

struct StageSnapshot;

// The stage: owns the map, camera, background, player, enemies and pick-ups; loads what they
// use, runs and draws them in a fixed order, and decides when the stage is left. The objects
// see it only as a CStageView.
class CGame final : public BaseScene, public CStageView {
public:
    explicit CGame(CGameFrameConstruct* frame);
    ~CGame() override;

    void Init() override;
    void Release() override;
    SceneId Update() override;
    void Draw(platform::Sprite* sprite, platform::Device* device) override;
    const char* TraceName() const override { return "game"; }
    void WriteTrace(CTraceWriter& trace) const override;

    // The stage view.
    platform::Vec2 CameraPos() const override { return mCamera.GetPos(); }
    platform::Vec2 PlayerPos() const override { return mPlayer.GetPos(); }
    CMap& GetMap() override { return *mpMap; }
    uint32_t Now() const override;
    RandomSequence& Random() override;
    const FrameInput& Input() const override;
    bool Pressed(int virtualKey) override;
    std::span<CEnemyBase* const> ContactEnemies() const override { return mContactEnemies; }
    std::span<CScore* const> ContactScores() const override { return mContactScores; }
    std::span<CHeal* const> ContactHeals() const override { return mContactHeals; }

    CPlayer& GetPlayer() { return mPlayer; }
    CCamera& GetCamera() { return mCamera; }
    // The enemies of one kind, in creation order.
    template <class Enemy>
    OwnedList<Enemy>& Enemies() { return std::get<OwnedList<Enemy>>(mEnemies); }
    OwnedList<CEnemyBase>& GetEnemies() { return Enemies<CEnemyBase>(); }
    OwnedList<CJumpEnemy>& GetJumpEnemies() { return Enemies<CJumpEnemy>(); }
    OwnedList<CFlyEnemy>& GetFlyEnemies() { return Enemies<CFlyEnemy>(); }
    OwnedList<CSlime>& GetSlimes() { return Enemies<CSlime>(); }
    OwnedList<CScore>& GetScores() { return mScores; }
    OwnedList<CHeal>& GetHeals() { return mHeals; }

    void SetScore(int score) { mScore = score; }
    void SetRespawnPos(float x, float y) { mRespawnPos = {x, y}; }
    void SetStageCleared() { mStageCleared = true; }
    void AddScoreTotal(int value) { mStageScoreTotal += value; }

    // Spawners: an object of a kind at (x, y), alive or collectable, at the end of its list.
    template <class Enemy>
    void Spawn(float x, float y);
    void SpawnEnemy(float x, float y) { Spawn<CEnemyBase>(x, y); }
    void SpawnFlyEnemy(float x, float y) { Spawn<CFlyEnemy>(x, y); }
    void SpawnJumpEnemy(float x, float y) { Spawn<CJumpEnemy>(x, y); }
    void SpawnSlime(float x, float y) { Spawn<CSlime>(x, y); }
    void SpawnScore(float x, float y, int kind);
    void SpawnHeal(float x, float y);

    // Everything a stage frame reads or writes, into a snapshot and back (StageSnapshot.h):
    // restoring one and playing the same input plays the same frames. The options overlay of
    // the pause is not part of it.
    void SaveState(StageSnapshot& snapshot) const;
    void RestoreState(const StageSnapshot& snapshot);

    int Score() const { return mScore; }
    bool Paused() const { return mPause.Paused(); }
    int StageScoreTotal() const { return mStageScoreTotal; }
    bool StageCleared() const { return mStageCleared; }

private:
    template <class... Kinds>
    using EnemyLists = std::tuple<OwnedList<Kinds>...>;
    template <class... Kinds>
    static EnemyLists<Kinds...> ListsOf(KindList<Kinds...>);

    // Runs `step(enemy, index)` on every enemy, kind by kind in the order of `Order`.
    template <class Step, class... Kinds>
    void ForEachEnemy(Step&& step, KindList<Kinds...>);
    template <class Step, class... Kinds>
    void ForEachEnemy(Step&& step, KindList<Kinds...>) const;
    template <class Step>
    void ForEachEnemy(Step&& step) { ForEachEnemy(step, StageEnemyKinds{}); }
    template <class Step>
    void ForEachEnemy(Step&& step) const { ForEachEnemy(step, StageEnemyKinds{}); }

    // The steps of Init.
    void LoadPlayerPictures();
    void LoadSharedPictures();
    void LoadSounds();
    void StartMusic();
    void LoadGrids();
    void SpawnFromGrids();
    void SpawnEnemyOfCode(int32_t code, float x, float y);
    void ListContactEnemies();
    void InitObjects();

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
    EnemyPictures mEnemyPictures;
    ItemResources mScoreLook;
    ItemResources mHealLook;
    platform::SoundBuffer* mpSndPop = nullptr;

    decltype(ListsOf(StageEnemyKinds{})) mEnemies;
    OwnedList<CScore> mScores;
    OwnedList<CHeal> mHeals;
    // The same objects as the lists, in the order the hero's contacts test them.
    std::vector<CEnemyBase*> mContactEnemies;
    std::vector<CScore*> mContactScores;
    std::vector<CHeal*> mContactHeals;
    bool mStageCleared = false;
    bool mRefused = false; // past the stage's limits: nothing was made, and the title comes back
    platform::SoundBuffer* mpMusic = nullptr;
    platform::SoundBuffer* mpGoalJingle = nullptr; // played once, when the goal is first touched
    bool mGoalJinglePlayed = false;
    CStagePause mPause;

    // Owns every texture and sound loaded here; each is freed once, when the stage is released.
    CResourceHolder mResources;

    // The race against the stage's best run: the ghost's frame now (null when none runs), and
    // the gap to it in frames at the hero's x.
    const GhostFrame* GhostNow() const;
    std::optional<long> GhostGap() const;
    static GhostFrame GhostFrameOf(const CPlayer& player);
    const platform::Texture* mpFontTexture = nullptr;
    // The signs name the keys of the settings of this revision.
    void LetterSigns();
    long mSignsLetteredFor = -1;
    const platform::Texture* mpHeroSheet = nullptr;
    const platform::Texture* mpMiniSheet = nullptr;

    // The trace of one enemy.
    template <class Enemy>
    static void WriteEnemy(CTraceWriter& trace, const Enemy& enemy);
    void WritePlayerTrace(CTraceWriter& trace) const;
    void WriteBubblesTrace(CTraceWriter& trace) const;
    void WriteMonasTrace(CTraceWriter& trace) const;
};

template <class Step, class... Kinds>
void CGame::ForEachEnemy(Step&& step, KindList<Kinds...>)
{
    ForEachIn(step, Enemies<Kinds>()...);
}

template <class Step, class... Kinds>
void CGame::ForEachEnemy(Step&& step, KindList<Kinds...>) const
{
    ForEachIn(step, std::get<OwnedList<Kinds>>(mEnemies)...);
}

template <class Enemy>
void CGame::Spawn(float x, float y)
{
    auto enemy = std::make_unique<Enemy>();
    enemy->Spawn({x, y});
    enemy->SetResources(EnemyKind<Enemy>::Look(mEnemyPictures));
    Enemies<Enemy>().push_back(std::move(enemy));
    ListContactEnemies();
}
