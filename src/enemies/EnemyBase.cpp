#include "enemies/EnemyBase.h"

void CEnemyBase::SetResources(const EnemyResources& resources)
{
    SetTexture(resources.body);
    SetFlashTexture(resources.flash);
    SetBubbleTexture(resources.bubble);
    SetBubbleAlphaTexture(resources.bubbleAlpha);
    SetPopSound(resources.pop);
}

void CEnemyBase::Init()
{
    mAlpha = 255;
    mTrapTimer = 300;
    mCaptured = false;
    mState = kEnemyWalkLeft;
}

void CEnemyBase::Update(int)
{
    ++mFrame;
}

void CEnemyBase::Draw(platform::Sprite*, platform::Device*) {}

void CEnemyBase::Release()
{
    mpTexBody = nullptr;
    mpSndPop = nullptr;
}
