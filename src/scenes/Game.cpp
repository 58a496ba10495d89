#include "scenes/Game.h"

#include "app/AssetFiles.h"
#include "app/GameFrame.h"
#include "app/Keys.h"
#include "app/Sound.h"

CGame::CGame(CGameFrameConstruct* frame) : BaseScene(frame), mpMap(std::make_unique<CMap>()), mResources(frame) {}

CGame::~CGame() = default;

uint32_t CGame::Now() const
{
    return mpFrame->Now();
}

void CGame::Init()
{
    mPlayer.SetGame(this);
    mpMap->SetGame(this);
    mBackGround.SetGame(this);
    mCamera.SetGame(this);
    mPause.SetFrame(mpFrame);
    if (!mpFrame->mRetry) mpFrame->mRun = {};

    auto load = [this](const char* path) { return mResources.LoadTexture(path); };
    mPlayer.SetPlayerTexture(load(files::kPlayerSheet));
    mPlayer.SetDownTexture(load(files::kPlayerDefeated));
    mPlayer.SetMiniTexture(load(files::kMiniPlayerSheet));
    mPlayer.SetStockTexture(load(files::kShotBubbles));
    mPlayer.SetStockAlphaTexture(load(files::kShotBubblesAlpha));
    mPlayer.SetHpTexture(load(files::kHpIcon));
    mPlayer.SetTrailTexture(load(files::kStarBubble));
    mPlayer.SetTrailAlphaTexture(load(files::kStarBubbleAlpha));
    mPlayer.SetDigitTexture(load(files::kDigits));
    mPlayer.SetEnemyFaceTexture(load(files::kEnemyFace));
    mPlayer.SetMonaTexture(load(files::kMonaBubbles));
    mPlayer.SetMonaAlphaTexture(load(files::kMonaBubblesAlpha));
    mPlayer.SetBubbleTexture(load(files::kShotBubbles));
    mPlayer.SetBubbleAlphaTexture(load(files::kShotBubblesAlpha));
    mBackGround.SetLowerTexture(load(files::kLowerBackground));
    mBackGround.SetUpperTexture(load(files::kUpperBackground));
    mpMap->SetChipTexture(load(files::kMapChips));
    mpMap->SetStarTexture(load(files::kGoalStar));
    mPause.SetTexture(load(files::kLabels));
    // Pictures shared by every enemy or item of a kind, each loaded once.
    const platform::Texture* enemyBody = load(files::kWalkEnemySheet);
    const platform::Texture* flyBody = load(files::kFlyEnemySheet);
    const platform::Texture* flySpin = load(files::kFlyEnemySpin);
    const platform::Texture* bullet = load(files::kFlyEnemyBullet);
    const platform::Texture* slimeBody = load(files::kSlimeSheet);
    mScoreLook.picture = load(files::kScoreStar);
    mScoreLook.bubble = load(files::kStarBubble);
    mScoreLook.bubbleAlpha = load(files::kStarBubbleAlpha);
    const platform::Texture* glow = load(files::kGlow);
    const platform::Texture* enemyBubble = load(files::kEnemyBubbles);
    const platform::Texture* enemyBubbleAlpha = load(files::kEnemyBubblesAlpha);
    const platform::Texture* slimeBubble = load(files::kSlimeBubbles);
    const platform::Texture* slimeBubbleAlpha = load(files::kSlimeBubblesAlpha);
    mHealLook.picture = load(files::kHealHeart);
    mHealLook.bubble = load(files::kHealBubble);
    mHealLook.bubbleAlpha = load(files::kHealBubbleAlpha);
    // The jumping enemies have a sheet of their own (three 64 x 80 frames).
    const platform::Texture* jumpBody = load(files::kJumpEnemySheet);
    mPlayer.SetStarTexture(mScoreLook.picture);
    mPlayer.SetStarBubbleTexture(mScoreLook.bubble);
    mPlayer.SetStarBubbleAlphaTexture(mScoreLook.bubbleAlpha);

    static const char* const kEffects[CPlayer::SOUND_COUNT] = {
        files::kSndShot,
        files::kSndJump,
        files::kSndPop06,
        files::kSndDamage,
        files::kSndFall,
        files::kSndMona,
        files::kSndGrow,
        files::kSndShrink,
        files::kSndCapture,
        files::kSndScore,
        files::kSndHeal,
        files::kSndPop,
    };
    for (int i = 0; i < CPlayer::SOUND_COUNT; ++i) {
        platform::SoundBuffer* sound = mResources.LoadSound(kEffects[i]);
        mPlayer.SetSound(static_cast<CPlayer::SoundSlot>(i), sound);
        if (i == CPlayer::SND_POP) mpSndPop = sound;
    }

    mWalkEnemyLook = {.body = enemyBody, .flash = glow, .bubble = enemyBubble, .bubbleAlpha = enemyBubbleAlpha,
                      .pop = mpSndPop};
    mJumpEnemyLook = {.body = jumpBody, .pop = mpSndPop};
    mFlyEnemyLook = mWalkEnemyLook;
    mFlyEnemyLook.body = flyBody;
    mFlyEnemyLook.spin = flySpin;
    mFlyEnemyLook.bullet = bullet;
    mSlimeLook = {.body = slimeBody, .flash = glow, .bubble = slimeBubble, .bubbleAlpha = slimeBubbleAlpha,
                  .pop = mpSndPop};

    mpMusic = mResources.LoadSound(files::kStageMusic);
    Disable3D(mpMusic);
    mpGoalJingle = mResources.LoadSound(files::kSndGoal);
    if (mpMusic != nullptr) mpMusic->SetCurrentPosition(0);
    LoopSound(mpMusic);

    mPlayer.Init();

    mpMap->Init();
    mpMap->LoadMap();
    mpMap->LoadEnemyMap();
    mpMap->SpawnEnemies();
    mpMap->LoadScoreMap();
    mpMap->SpawnScoreItems();
    mpMap->LoadRecoveryMap();
    mpMap->SpawnHealItems();

    ForEachIn(
        [this](auto& item, int) {
            item.SetGame(this);
            item.Activate();
        },
        mScores, mHeals);
    // Jumping enemies run like every other kind: an undrawn enemy that still hurts would be unfair.
    ForEachIn(
        [this](auto& enemy, int) {
            enemy.SetGame(this);
            enemy.Init();
        },
        mEnemies, mFlyEnemies, mSlimes, mJumpEnemies);
    // The flying enemies are handed their bullets' picture once more.
    for (auto& enemy : mFlyEnemies) enemy->SetBulletTexture(mFlyEnemyLook.bullet);
}

template <class Enemy>
void CGame::Spawn(OwnedList<Enemy>& list, float x, float y, const EnemyResources& resources)
{
    auto enemy = std::make_unique<Enemy>();
    enemy->GetAliveRef() = true;
    enemy->GetPosRef() = {x, y};
    enemy->SetResources(resources);
    list.push_back(std::move(enemy));
}

void CGame::SpawnEnemy(float x, float y)
{
    Spawn(mEnemies, x, y, mWalkEnemyLook);
}

void CGame::SpawnFlyEnemy(float x, float y)
{
    Spawn(mFlyEnemies, x, y, mFlyEnemyLook);
}

void CGame::SpawnJumpEnemy(float x, float y)
{
    Spawn(mJumpEnemies, x, y, mJumpEnemyLook);
}

void CGame::SpawnSlime(float x, float y)
{
    Spawn(mSlimes, x, y, mSlimeLook);
}

void CGame::SpawnScore(float x, float y, int kind)
{
    auto item = std::make_unique<CScore>();
    item->ActiveFlag() = true;
    item->PosRef() = {x + mScoreItemSize / 2.0f, y + mScoreItemSize / 2.0f};
    item->SetKind(kind);
    item->SetResources(mScoreLook);
    mScores.push_back(std::move(item));
}

void CGame::SpawnHeal(float x, float y)
{
    auto item = std::make_unique<CHeal>();
    item->ActiveFlag() = true;
    item->PosRef() = {x + mHealItemSize / 2.0f, y + mHealItemSize / 2.0f};
    item->SetResources(mHealLook);
    mHeals.push_back(std::move(item));
}

SceneId CGame::Update()
{
    if (mPause.Update()) return SCENE_NONE;
    SceneId result = SCENE_NONE;
    if (IsKeyDown(platform::VK_M)) {
        result = SCENE_TITLE;
        StopSound(mpMusic);
    }
    if (IsKeyDown(platform::VK_C)) {
        result = SCENE_CLEAR;
        StopSound(mpMusic);
    }
    // A continued game: back to the last safe place with the score kept and a grace period.
    if (mpFrame->mRetry) {
        mPlayer.GetPosRef() = mpFrame->mRespawnPos;
        mPlayer.GetScoreRef() = mpFrame->mScore;
        mPlayer.GetInvincibleRef() = 200;
        mpFrame->mRetry = false;
    }
    if (!mStageCleared) {
        mPlayer.Update();
        const bool alive = mPlayer.GetAliveRef();
        if (alive) mCamera.Update();
        mpMap->Update();
        if (alive) {
            ForEachIn([](auto& item, int) { item.Update(); }, mScores, mHeals);
            // Jumping enemies run right after the walking ones.
            ForEachIn([](CEnemyBase& enemy, int index) { enemy.Update(index); }, mEnemies, mJumpEnemies, mFlyEnemies,
                      mSlimes);
        }
    }
    mpFrame->mScore = mScore;
    mpFrame->mScoreTotal = mStageScoreTotal;
    mpFrame->mRespawnPos = mRespawnPos;
    if (mStageCleared) result = SCENE_CLEAR;
    if (!mPlayer.GetAliveRef()) StopSound(mpMusic);
    if (mPlayer.mGameOver) result = SCENE_OVER;
    if (mpMap->mGoal) StopSound(mpMusic);
    if (mpMap->mGoal && !mGoalJinglePlayed) {
        // The music stops at the goal; the jingle marks the moment while the star turns.
        PlaySound(mpGoalJingle);
        mGoalJinglePlayed = true;
    }
    mpFrame->mRun.Track(mStageCleared);
    return result;
}

void CGame::Draw(platform::Sprite* sprite, platform::Device* device)
{
    mBackGround.Draw(sprite);
    mpMap->DrawTiles(sprite);
    auto draw = [sprite, device](auto& object, int) { object.Draw(sprite, device); };
    ForEachIn(draw, mEnemies, mJumpEnemies, mFlyEnemies, mSlimes, mScores, mHeals);
    mPlayer.Draw(sprite, device);
    mpMap->DrawGoalStar(sprite);
    mPlayer.DrawHud(sprite, device);
    mPause.Draw(sprite);
}

void CGame::Release()
{
    mPause.Release();
    mPlayer.Release();
    mBackGround.Release();
    mpMap->ReleaseTextures();
    ForEachIn([](auto& object, int) { object.Release(); }, mScores, mHeals, mEnemies, mJumpEnemies, mFlyEnemies,
              mSlimes);
    mWalkEnemyLook = mJumpEnemyLook = mFlyEnemyLook = mSlimeLook = {};
    mScoreLook = mHealLook = {};
    StopSound(mpMusic);
    mpSndPop = nullptr;
    mpMusic = nullptr;
    mpGoalJingle = nullptr;
    mResources.ReleaseAll();
}
