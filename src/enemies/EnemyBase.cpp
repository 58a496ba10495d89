#include "enemies/EnemyBase.h"

void CEnemyBase::Init()
{
    mAlpha = 255;
    mTrapTimer = 300;
    mCaptured = false;
    mState = 2;
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
