#include "player/Player.h"

#include "app/Assert.h"

void CPlayer::SetMiniTexture(const platform::Texture* t)
{
    ZEM_ASSERT(t != nullptr, L"テクスチャの情報が空です");
    if (t) mpTexMini = t;
}

void CPlayer::SetMonaTexture(const platform::Texture* t)
{
    ZEM_ASSERT(t != nullptr, L"テクスチャの情報が空です");
    if (t) mpTexMona = t;
}

void CPlayer::SetMonaAlphaTexture(const platform::Texture* t)
{
    ZEM_ASSERT(t != nullptr, L"テクスチャの情報が空です");
    if (t) mpTexMonaAlpha = t;
}

void CPlayer::SetSound(SoundSlot slot, platform::SoundBuffer* sound)
{
    if (sound != nullptr && slot >= 0 && slot < SOUND_COUNT) mpSounds[slot] = sound;
}

void CPlayer::Init()
{
    mPos = {200.0f, 1300.0f};
    mScaleX = 1.0f;
    mScaleY = 1.0f;
    mHp = 3;
    mAlive = true;
    mMini = false;
    mAlpha = 255;
    mMonaCount = 0;
}

void CPlayer::Update()
{
    ++mFrame;
}

void CPlayer::Draw(platform::Sprite*, platform::Device*) {}

void CPlayer::Release()
{
    mpTexPlayer = mpTexDown = mpTexMini = mpTexHp = mpTexDigits = nullptr;
    mpTexTrail = mpTexTrailAlpha = mpTexStock = mpTexStockAlpha = nullptr;
    mpTexMona = mpTexMonaAlpha = mpTexBubble = mpTexBubbleAlpha = mpTexEnemyFace = nullptr;
    mpTexStar = mpTexStarBubble = mpTexStarBubbleAlpha = nullptr;
    for (auto& sound : mpSounds) sound = nullptr;
}
