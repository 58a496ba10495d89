#pragma once
#include <cstdint>

#include "app/BaseScene.h"
#include "app/MenuKeys.h"
#include "app/ResourceHolder.h"
#include "map/StageGrid.h"
#include "platform/Matrix.h"
#include "platform/Types.h"
#include "scenes/MenuParticle.h"
#include "scenes/OptionsScreen.h"
#include "scenes/StagePicker.h"

// The title screen: a still background, the logo, a band of ground scrolling left, a blinking
// instruction, a large bobbing bubble and thirty small bubbles drifting about, while the title
// music loops. Left and Right choose among the open stages; Enter plays a click and starts the
// chosen stage; O (or the pause key, for a controller) opens the options over the title.
class CTitle final : public BaseScene {
public:
    static constexpr int kParticleCount = 30;

    // A single picture: where it is and the translation it is drawn with.
    struct CPlacement {
        platform::Matrix mMatrix;
        platform::Vec2 mPos;
    };

    // A small drifting bubble; renewed at a random place when its life runs out.
    using CParticle = CMenuParticle;

    explicit CTitle(CGameFrameConstruct* frame) : BaseScene(frame), mOptions(frame), mResources(frame) {}

    void Init() override;
    void Release() override;
    SceneId Update() override;
    void Draw(platform::Sprite* sprite, platform::Device* device) override;
    const char* TraceName() const override { return "title"; }
    void WriteTrace(CTraceWriter& trace) const override;

    // Reads the ground from files::kTitleMap; a missing file leaves it empty.
    void LoadTitleMap();

    int GuideAlpha() const { return mGuideAlpha; }
    const CStagePicker& Picker() const { return mPicker; }
    float TileX(int row, int column) const { return mTileX[row][column]; }
    int32_t TileCode(int row, int column) const { return mTitleMap[row][column]; }
    const CPlacement& Bubble() const { return mBubble; }
    const CPlacement& BubbleOverlay() const { return mBubbleOverlay; }
    const CParticle& Particle(int i) const { return mParticles[i]; }
    const COptionsScreen& Options() const { return mOptions; }

private:
    void UpdateParticle(CParticle& particle);
    // The keys of the instruction, as bound; over the picture of the default keys once others are.
    bool GuideShowsBoundKeys() const;
    void LoadLettering();
    void DrawBoundKeys(platform::Sprite* sprite) const;

    const platform::Texture* mpBackTexture = nullptr;
    const platform::Texture* mpPlayerTexture = nullptr; // loaded with the rest, not shown here
    const platform::Texture* mpLogoTexture = nullptr;
    const platform::Texture* mpGuideTexture = nullptr;
    const platform::Texture* mpBubbleTexture = nullptr;
    const platform::Texture* mpBubbleAlphaTexture = nullptr;
    const platform::Texture* mpChipTexture = nullptr;
    TitleGrid mTitleMap = {};
    float mTileX[kTitleMapRows][kTitleMapCols] = {};
    float mTileY[kTitleMapRows][kTitleMapCols] = {};
    platform::Matrix mTileMatrix[kTitleMapRows][kTitleMapCols];
    float mBobSpeed = 0.0f;
    int32_t mGuideAlpha = 0;
    int32_t mCount = 0;
    CPlacement mLogo;
    CPlacement mGuide;
    CPlacement mBubble;
    CPlacement mBubbleOverlay;
    CParticle mParticles[kParticleCount];
    const platform::Texture* mpParticleTexture = nullptr;
    const platform::Texture* mpParticleAlphaTexture = nullptr;
    platform::SoundBuffer* mpClickSound = nullptr;
    platform::SoundBuffer* mpTitleMusic = nullptr;
    // The game's own addition: the best results, when the game keeps them.
    const platform::Texture* mpLabelTexture = nullptr;
    const platform::Texture* mpDigitTexture = nullptr;
    // The choice of stage, with the lettering and the plate it is shown on.
    CStagePicker mPicker;
    const platform::Texture* mpFontTexture = nullptr;
    const platform::Texture* mpPlateTexture = nullptr;
    // The options over the title; Enter that closed them does not start the stage.
    COptionsScreen mOptions;
    CMenuKeys mMenuKeys;
    bool mEnterFromOptions = false;

    // Owns every picture and both sounds; each is freed once, when the scene is released.
    CResourceHolder mResources;
};
