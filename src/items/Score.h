#pragma once
#include <cstdint>

#include "items/PickUp.h"
#include "map/CellCodes.h"
#include "platform/Device.h"
#include "platform/Matrix.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

// A score item: a star in a bubble worth 1 (kind kScoreSmall) or 10 (kind kScoreBig, drawn twice
// as large); its kind is its cell's score code. The player's contacts collect it; then it rises,
// turns fast and fades out, and stays in the stage's list, gone.
class CScore : public CPickUp {
public:
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

    bool KnownKind() const { return ScoreValue(mKind) != 0; }
};
