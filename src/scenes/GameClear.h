#pragma once
#include <cstdint>

#include "app/BaseScene.h"
#include "app/BestResults.h"
#include "scenes/MenuParticle.h"
#include "app/ResourceHolder.h"
#include "platform/Matrix.h"
#include "platform/Types.h"

// The result screen after a cleared stage: the score, a star that fills with the share of the
// stage's score collected, a turning star in a bubble, two fountains of bubbles and ten
// letters falling into two rows. G plays again, M returns to the title, N (or Enter) plays the
// next stage when there is one open; after the game's last stage the campaign is complete.
class CGameClear final : public BaseScene {
public:
    static constexpr int kLetterCount = 10;
    static constexpr int kParticleCount = 40;

    // A letter tile falling into its row.
    struct CLetter {
        platform::Vec3 mPos;
        platform::Matrix mMatrix;
    };

    // A bubble of the fountains.
    using CParticle = CMenuParticle;

    explicit CGameClear(CGameFrameConstruct* frame) : BaseScene(frame), mResources(frame) {}

    void Init() override;
    void Release() override;
    SceneId Update() override;
    void Draw(platform::Sprite* sprite, platform::Device* device) override;
    const char* TraceName() const override { return "clear"; }
    void WriteTrace(CTraceWriter& trace) const override;

    int Percent() const { return mPercent; }
    const NewBests& News() const { return mNewBests; }
    // The stage N or Enter plays next (an index of the frame's stages), or -1.
    int NextStage() const { return mNextStage; }
    bool CampaignComplete() const { return mCampaignComplete; }
    const CLetter& Letter(int i) const { return mLetters[i]; }
    const CParticle& Particle(int i) const { return mParticles[i]; }

private:
    void UpdateParticle(int n);
    // A fresh bubble at the bottom corner of its fountain.
    void RenewParticle(int n, float sway, int lifeSpread);

    const platform::Texture* mpBackTexture = nullptr;
    platform::Vec3 mBackPos;
    platform::Matrix mMatrix; // the background's in Update, the result picture's in Draw
    CLetter mLetters[kLetterCount];
    const platform::Texture* mpLetterTexture = nullptr;
    CParticle mParticles[kParticleCount];
    const platform::Texture* mpParticleAlphaTexture = nullptr;
    const platform::Texture* mpParticleTexture = nullptr;
    const platform::Texture* mpResultTexture = nullptr;
    const platform::Texture* mpGaugeTexture = nullptr;
    const platform::Texture* mpStarPlainTexture = nullptr;
    const platform::Texture* mpDigitTexture = nullptr;
    int32_t mPercent = 0;
    int32_t mCount = 0;
    const platform::Texture* mpEnemyFaceTexture = nullptr;
    const platform::Texture* mpBigStarTexture = nullptr;
    const platform::Texture* mpBigBubbleTexture = nullptr;
    const platform::Texture* mpBigBubbleAlphaTexture = nullptr;
    platform::SoundBuffer* mpClearMusic = nullptr;
    // The game's own addition: the best results, when the game keeps them.
    const platform::Texture* mpLabelTexture = nullptr;
    NewBests mNewBests;
    int mNextStage = -1;
    bool mCampaignComplete = false;
    const platform::Texture* mpFontTexture = nullptr;
    void FindNextStage();

    // Owns every picture and the tune; each is freed once, when the scene is released.
    CResourceHolder mResources;
};
