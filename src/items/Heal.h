#pragma once
#include "items/PickUp.h"
#include "platform/Device.h"
#include "platform/Matrix.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

// A heal item: a heart in a bubble, one health point. The player's contacts collect it; then it
// rises, turns fast and fades out, and stays in the stage's list, gone.
class CHeal : public CPickUp {
public:
    void Update();
    void Draw(platform::Sprite* sprite, platform::Device* device);

private:
    platform::Matrix mTrans;
    platform::Matrix mScale;
    platform::Matrix mRot;
    platform::Matrix mWorld;
};
