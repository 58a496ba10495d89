#pragma once
#include <cstdint>

#include "app/BaseScene.h"
#include "app/ResourceHolder.h"
#include "platform/Matrix.h"
#include "platform/Types.h"

// The game-over screen: eight letters drop in on springs into two rows, the prompt fades and
// wraps round, the figure bobs. G continues from the last safe place with the score kept,
// Enter starts afresh, M returns to the title.
class CGameOver final : public BaseScene {
public:
    static constexpr int kLetterCount = 8;

    // A letter tile hanging on a damped spring below its rest height.
    struct CLetter {
        platform::Vec3 mPos;
        platform::Matrix mMatrix;
        float mSpeed = 0.0f;
        float mSpring = 0.02f;
        float mDamping = 0.95f;
        float mRestHeight = 0.0f;
        float mAcceleration = 0.0f;
    };

    explicit CGameOver(CGameFrameConstruct* frame) : BaseScene(frame), mResources(frame) {}

    void Init() override;
    void Release() override;
    SceneId Update() override;
    void Draw(platform::Sprite* sprite, platform::Device* device) override;
    const char* TraceName() const override { return "over"; }
    void WriteTrace(CTraceWriter& trace) const override;

    const CLetter& Letter(int i) const { return mLetters[i]; }
    platform::Vec3 PlayerPos() const { return mPlayerPos; }

private:
    // Whether other keys than the prompt's picture names are bound: they are lettered then.
    bool PromptShowsBoundKeys() const;

    const platform::Texture* mpBackTexture = nullptr;
    platform::Vec3 mBackPos;
    platform::Matrix mBackMatrix;
    const platform::Texture* mpRetryTexture = nullptr;
    platform::Vec3 mRetryPos{290.0f, 550.0f, 0.0f};
    platform::Matrix mRetryMatrix;
    int32_t mCount = 0;
    const platform::Texture* mpPlayerTexture = nullptr;
    // Loaded only when other keys than the prompt's picture names are bound.
    const platform::Texture* mpFontTexture = nullptr;
    const platform::Texture* mpLabelTexture = nullptr;
    platform::Vec3 mPlayerPos{640.0f, 450.0f, 0.0f};
    platform::Matrix mPlayerMatrix;
    CLetter mLetters[kLetterCount];
    const platform::Texture* mpLetterTexture = nullptr;
    platform::SoundBuffer* mpOverMusic = nullptr;

    // Owns every picture and the sound; each is freed once, when the scene is released.
    CResourceHolder mResources;
};
