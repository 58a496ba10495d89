#include "scenes/Game.h"

#include "app/GameFrame.h"
#include "app/Keys.h"
#include "app/Sound.h"

CGame::CGame(CGameFrameConstruct* frame) : BaseScene(frame), mpMap(std::make_unique<CMap>()), mResources(frame) {}

CGame::~CGame() = default;

void CGame::Init()
{
    mPlayer.SetGame(this);
    mpMap->SetGame(this);
    mBackGround.SetGame(this);
    mCamera.SetGame(this);

    auto load = [this](const char* path) { return mResources.LoadTexture(path); };
    mPlayer.SetPlayerTexture(load("Resource/Texture/player試作11.png"));
    mPlayer.SetDownTexture(load("Resource/Texture/playerDown2.png"));
    mPlayer.SetMiniTexture(load("Resource/Texture/MiniPlayerAnime.png"));
    mPlayer.SetStockTexture(load("Resource/Texture/BubbleAnime.png"));
    mPlayer.SetStockAlphaTexture(load("Resource/Texture/BubbleAnimeAlpha.png"));
    mPlayer.SetHpTexture(load("Resource/Texture/HP.png"));
    mPlayer.SetTrailTexture(load("Resource/Texture/starBubble.png"));
    mPlayer.SetTrailAlphaTexture(load("Resource/Texture/starBubbleAlpha.png"));
    mPlayer.SetDigitTexture(load("Resource/Texture/suji2.png"));
    mPlayer.SetEnemyFaceTexture(load("Resource/Texture/EnemyFace.png"));
    mPlayer.SetMonaTexture(load("Resource/Texture/BubbleMona.png"));
    mPlayer.SetMonaAlphaTexture(load("Resource/Texture/BubbleMonaAlpha試作2.png"));
    mPlayer.SetBubbleTexture(load("Resource/Texture/BubbleAnime.png"));
    mPlayer.SetBubbleAlphaTexture(load("Resource/Texture/BubbleAnimeAlpha.png"));
    mBackGround.SetLowerTexture(load("Resource/Texture/TitleBack2.jpg"));
    mBackGround.SetUpperTexture(load("Resource/Texture/Back2.png"));
    mpMap->SetChipTexture(load("Resource/Texture/MapChip12.png"));
    mpMap->SetStarTexture(load("Resource/Texture/星クリア.png"));
    mpTexEnemy = load("Resource/Texture/EnemyBase.png");
    mpTexFlyEnemy = load("Resource/Texture/FlyEnemy.png");
    mpTexFlyEnemySpin = load("Resource/Texture/FlyEnemy5.png");
    mpTexBullet = load("Resource/Texture/FlyEnemyBullet2.png");
    mpTexSlime = load("Resource/Texture/SlimeEnemy.png");
    mpTexStar = load("Resource/Texture/star.png");
    mpTexStarBubble = load("Resource/Texture/starBubble.png");
    mpTexStarBubbleAlpha = load("Resource/Texture/starBubbleAlpha.png");
    mpTexSun = load("Resource/Texture/Sun.bmp");
    mpTexEnemyBubble = load("Resource/Texture/EnemyBubble.png");
    mpTexEnemyBubbleAlpha = load("Resource/Texture/EnemyBubbleAlpha.png");
    mpTexSlimeBubble = load("Resource/Texture/SlimeBubble.png");
    mpTexSlimeBubbleAlpha = load("Resource/Texture/SlimeBubbleAlpha.png");
    mpTexHeart = load("Resource/Texture/HP Item.png");
    mpTexHealBubble = load("Resource/Texture/playerBubble.png");
    mpTexHealBubbleAlpha = load("Resource/Texture/playerBubbleAlpha.png");
    mpTexJumpEnemy = load(kJumpEnemyTexture);
    mPlayer.SetStarTexture(mpTexStar);
    mPlayer.SetStarBubbleTexture(mpTexStarBubble);
    mPlayer.SetStarBubbleAlphaTexture(mpTexStarBubbleAlpha);

    static const char* const kEffects[CPlayer::SOUND_COUNT] = {
        "Resource/Sound/泡06・高音・単音.wav",
        "Resource/Sound/Motion-Pop07-2.wav",
        "Resource/Sound/Motion-Pop06-2.wav",
        "Resource/Sound/damage6.wav",
        "Resource/Sound/動き10（ぺろろろ・下がり）.wav",
        "Resource/Sound/泡05.wav",
        "Resource/Sound/ChangeBig.wav",
        "Resource/Sound/ChangeMini.wav",
        "Resource/Sound/消失・ぱちんっ.wav",
        "Resource/Sound/星・キラーン07.wav",
        "Resource/Sound/回復音.wav",
        "Resource/Sound/消失・ぱちんっ(低音).wav",
    };
    for (int i = 0; i < CPlayer::SOUND_COUNT; ++i) {
        platform::SoundBuffer* sound = mResources.LoadSound(kEffects[i]);
        mPlayer.SetSound(static_cast<CPlayer::SoundSlot>(i), sound);
        if (i == CPlayer::SND_POP) mpSndPop = sound;
    }

    mpMusic = mResources.LoadSound(kMusic);
    Disable3D(mpMusic);
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

    for (auto& item : mScores) {
        item->SetGame(this);
        item->Activate();
    }
    for (auto& item : mHeals) {
        item->SetGame(this);
        item->Activate();
    }
    for (auto& enemy : mEnemies) {
        enemy->SetGame(this);
        enemy->Init();
    }
    for (auto& enemy : mFlyEnemies) {
        enemy->SetGame(this);
        enemy->Init();
        enemy->SetBulletTexture(mpTexBullet);
    }
    for (auto& enemy : mSlimes) {
        enemy->SetGame(this);
        enemy->Init();
    }
    // Jumping enemies run like every other kind: an undrawn enemy that still hurts would be unfair.
    for (auto& enemy : mJumpEnemies) {
        enemy->SetGame(this);
        enemy->Init();
    }
}

void CGame::SpawnEnemy(float x, float y)
{
    auto enemy = std::make_unique<CEnemyBase>();
    enemy->GetAliveRef() = true;
    enemy->GetPosRef() = {x, y};
    enemy->SetTexture(mpTexEnemy);
    enemy->SetFlashTexture(mpTexSun);
    enemy->SetBubbleTexture(mpTexEnemyBubble);
    enemy->SetBubbleAlphaTexture(mpTexEnemyBubbleAlpha);
    enemy->SetPopSound(mpSndPop);
    mEnemies.push_back(std::move(enemy));
}

void CGame::SpawnFlyEnemy(float x, float y)
{
    auto enemy = std::make_unique<CFlyEnemy>();
    enemy->GetAliveRef() = true;
    enemy->GetPosRef() = {x, y};
    enemy->SetTexture(mpTexFlyEnemy);
    enemy->SetSpinTexture(mpTexFlyEnemySpin);
    enemy->SetBulletTexture(mpTexBullet);
    enemy->SetFlashTexture(mpTexSun);
    enemy->SetBubbleTexture(mpTexEnemyBubble);
    enemy->SetBubbleAlphaTexture(mpTexEnemyBubbleAlpha);
    enemy->SetPopSound(mpSndPop);
    mFlyEnemies.push_back(std::move(enemy));
}

void CGame::SpawnJumpEnemy(float x, float y)
{
    auto enemy = std::make_unique<CJumpEnemy>();
    enemy->GetAliveRef() = true;
    enemy->GetPosRef() = {x, y};
    enemy->SetTexture(mpTexJumpEnemy);
    enemy->SetPopSound(mpSndPop);
    mJumpEnemies.push_back(std::move(enemy));
}

void CGame::SpawnSlime(float x, float y)
{
    auto enemy = std::make_unique<CSlime>();
    enemy->GetAliveRef() = true;
    enemy->GetPosRef() = {x, y};
    enemy->SetTexture(mpTexSlime);
    enemy->SetFlashTexture(mpTexSun);
    enemy->SetBubbleTexture(mpTexSlimeBubble);
    enemy->SetBubbleAlphaTexture(mpTexSlimeBubbleAlpha);
    enemy->SetPopSound(mpSndPop);
    mSlimes.push_back(std::move(enemy));
}

void CGame::SpawnScore(float x, float y, int kind)
{
    auto item = std::make_unique<CScore>();
    item->mActive = true;
    item->mKind = kind;
    item->mPos = {x + mScoreItemSize / 2.0f, y + mScoreItemSize / 2.0f};
    item->SetTextures(mpTexStar, mpTexStarBubble, mpTexStarBubbleAlpha);
    mScores.push_back(std::move(item));
}

void CGame::SpawnHeal(float x, float y)
{
    auto item = std::make_unique<CHeal>();
    item->mActive = true;
    item->mPos = {x + mHealItemSize / 2.0f, y + mHealItemSize / 2.0f};
    item->SetTextures(mpTexHeart, mpTexHealBubble, mpTexHealBubbleAlpha);
    mHeals.push_back(std::move(item));
}

SceneId CGame::Update()
{
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
            for (auto& item : mScores) item->Update();
            for (auto& item : mHeals) item->Update();
            for (size_t i = 0; i < mEnemies.size(); ++i) mEnemies[i]->Update(static_cast<int>(i));
            for (size_t i = 0; i < mJumpEnemies.size(); ++i) mJumpEnemies[i]->Update(static_cast<int>(i));
            const platform::Vec2 player = mPlayer.GetPos();
            for (size_t i = 0; i < mFlyEnemies.size(); ++i) {
                mFlyEnemies[i]->Update(player.x, player.y, static_cast<int>(i));
            }
            for (size_t i = 0; i < mSlimes.size(); ++i) mSlimes[i]->Update(static_cast<int>(i));
        }
    }
    mpFrame->mScore = mScore;
    mpFrame->mScoreTotal = mStageScoreTotal;
    mpFrame->mRespawnPos = mRespawnPos;
    if (mStageCleared) result = SCENE_CLEAR;
    if (!mPlayer.GetAliveRef()) StopSound(mpMusic);
    if (mPlayer.mGameOver) result = SCENE_OVER;
    if (mpMap->mGoal) StopSound(mpMusic);
    return result;
}

void CGame::Draw(platform::Sprite* sprite, platform::Device* device)
{
    mBackGround.Draw(sprite);
    mpMap->DrawTiles(sprite);
    for (auto& enemy : mEnemies) enemy->Draw(sprite, device);
    for (auto& enemy : mJumpEnemies) enemy->Draw(sprite, device);
    for (auto& enemy : mFlyEnemies) enemy->Draw(sprite, device);
    for (auto& enemy : mSlimes) enemy->Draw(sprite, device);
    for (auto& item : mScores) item->Draw(sprite, device);
    for (auto& item : mHeals) item->Draw(sprite, device);
    mPlayer.Draw(sprite, device);
    mpMap->DrawGoalStar(sprite);
}

void CGame::Release()
{
    mPlayer.Release();
    mBackGround.Release();
    mpMap->ReleaseTextures();
    for (auto& item : mScores) item->Release();
    for (auto& item : mHeals) item->Release();
    for (auto& enemy : mEnemies) enemy->Release();
    for (auto& enemy : mJumpEnemies) enemy->Release();
    for (auto& enemy : mFlyEnemies) enemy->Release();
    for (auto& enemy : mSlimes) enemy->Release();
    mpTexEnemy = mpTexJumpEnemy = mpTexFlyEnemy = mpTexFlyEnemySpin = mpTexBullet = mpTexSlime = nullptr;
    mpTexStar = mpTexStarBubble = mpTexStarBubbleAlpha = mpTexSun = nullptr;
    mpTexEnemyBubble = mpTexEnemyBubbleAlpha = mpTexSlimeBubble = mpTexSlimeBubbleAlpha = nullptr;
    mpTexHeart = mpTexHealBubble = mpTexHealBubbleAlpha = nullptr;
    StopSound(mpMusic);
    mpSndPop = nullptr;
    mpMusic = nullptr;
    mResources.ReleaseAll();
}
