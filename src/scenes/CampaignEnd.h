#pragma once
#include "app/BaseScene.h"
#include "app/MenuKeys.h"
#include "app/ResourceHolder.h"

// The campaign's end, after the result of its last stage: each stage cleared since the title with
// its time, its score and what it beat, and the totals. Enter (Start) or M returns to the title.
class CCampaignEnd final : public BaseScene {
public:
    explicit CCampaignEnd(CGameFrameConstruct* frame) : BaseScene(frame), mResources(frame) {}

    void Init() override;
    void Release() override;
    SceneId Update() override;
    void Draw(platform::Sprite* sprite, platform::Device* device) override;
    const char* TraceName() const override { return "campaign"; }
    void WriteTrace(CTraceWriter& trace) const override;

private:
    CResourceHolder mResources;
    const platform::Texture* mpBackTexture = nullptr;
    const platform::Texture* mpFontTexture = nullptr;
    const platform::Texture* mpLabelTexture = nullptr;
    platform::SoundBuffer* mpMusic = nullptr;
    CMenuKeys mMenuKeys; // the key that opened this screen is still held: no press of its own
    int mCount = 0;
};
