#pragma once
#include <cstdint>

#include "items/PickUp.h"
#include "platform/Device.h"
#include "platform/Matrix.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

// A score item: a star in a bubble worth 1 (kind 1) or 10 (kind 2, drawn twice as large). The
// player's contacts collect it; then it rises, turns fast and fades out, and stays in the stage's
// list, gone.
class CScore : public CPickUp {
public:
    static constexpr int kSmall = 1;
    static constexpr int kBig = 2;

    void SetKind(int kind) { mKind = kind; }
    int Kind() const { return mKind; }

    void Update();
    void Draw(platform::Sprite* sprite, platform::Device* device);

private:
    float mSize = 40.0f;
    int32_t mKind = 0;
    platform::Matrix mIconTrans;
    platform::Matrix mIconScale;
    platform::Matrix mIconRot;
    platform::Matrix mIconWorld;
    platform::Matrix mBubbleTrans;
    platform::Matrix mBubbleScale;
    platform::Matrix mBubbleRot;
    platform::Matrix mBubbleWorld;

    bool KnownKind() const { return mKind == kSmall || mKind == kBig; }
};
