#include "scenes/Title.h"

#include <cmath>

#include "app/AssetFiles.h"

#include "app/Drawing.h"
#include "app/GameFrame.h"
#include "app/KeyPlate.h"
#include "app/Random.h"
#include "app/ScreenColours.h"
#include "app/Sound.h"
#include "app/TitleGuide.h"
#include "app/TraceWriter.h"
#include "map/StageFiles.h"
#include "platform/Keyboard.h"
#include "scenes/BestResultsPanel.h"

namespace {

using screencolours::kWhite;
constexpr platform::Vec3 kNoCenter{};

platform::Color WhiteWithAlpha(int alpha)
{
    return platform::MakeArgb(static_cast<uint32_t>(alpha), 255, 255, 255);
}

// A share of the random generator's range, worked out in double precision.
double RandUnit(RandomSequence& random)
{
    return random.Next() / static_cast<double>(kRandMax);
}

} // namespace

void CTitle::Init()
{
    mpFrame->Campaign().Clear(); // a campaign runs from here
    mpFrame->Random().Seed(mpFrame->Now());

    auto load = [this](const char* path) { return mResources.LoadTexture(path); };
    mpBackTexture = load(files::kLowerBackground);
    mpPlayerTexture = load(files::kPlayerSheet);
    mpChipTexture = load(files::kTitleChips);
    mpLogoTexture = load(files::kLogo);
    mpGuideTexture = load(files::kInstruction);
    mpBubbleTexture = load(files::kTitleBubble);
    mpBubbleAlphaTexture = load(files::kTitleBubbleAlpha);
    mpParticleTexture = load(files::kHealBubble);
    mpParticleAlphaTexture = load(files::kHealBubbleAlpha);

    mpClickSound = mResources.LoadSound(files::kSndClick);
    Disable3D(mpClickSound);
    mpTitleMusic = mResources.LoadMusic(files::kTitleMusic);
    Disable3D(mpTitleMusic);

    if (mpFrame->BestResults() != nullptr) {
        mpLabelTexture = load(files::kLabels);
        mpDigitTexture = load(files::kDigits);
    }
    mPicker.Init(&mpFrame->Stages(), mpFrame->BestResults(), mpFrame->StageIndex(), mpFrame->StagesOpenUpTo());
    if (mPicker.OpenCount() > 1) {
        mpFontTexture = load(files::kFont);
        mpPlateTexture = mpLabelTexture != nullptr ? mpLabelTexture : load(files::kLabels);
    }

    LoadTitleMap();
    if (GuideShowsBoundKeys()) LoadLettering();
    mMenuKeys.Prime(mpFrame->Input());

    for (int r = 0; r < kTitleMapRows; ++r) {
        for (int c = 0; c < kTitleMapCols; ++c) {
            mTileX[r][c] = kCellSize * static_cast<float>(c);
            mTileY[r][c] = kCellSize * static_cast<float>(r);
        }
    }

    mGuideAlpha = 200;
    mBobSpeed = 3.0f;
    mLogo.mPos = {200.0f, 0.0f};
    mGuide.mPos = {200.0f, 400.0f};
    mBubble.mPos = {550.0f, 50.0f};
    mBubbleOverlay.mPos = mBubble.mPos;

    LoopSound(mpTitleMusic);
    // The particles get their first values on the first update (their life is 0).
}

void CTitle::LoadTitleMap()
{
    LoadTitleMapFile(files::kTitleMap, mTitleMap);
}

SceneId CTitle::Update()
{
    ++mCount;

    // The instruction fades from 199 to 100, then jumps back to 249: a 150-frame cycle.
    --mGuideAlpha;
    if (mGuideAlpha < 100) mGuideAlpha += 150;

    SceneId result = SCENE_NONE;
    if (mOptions.IsOpen()) {
        mOptions.Update();
        // The picker's keys are tested as ever, so a press made in the options is not the picker's.
        mpFrame->Pressed(platform::VK_LEFT);
        mpFrame->Pressed(platform::VK_RIGHT);
        if (!mOptions.IsOpen()) {
            mMenuKeys.Prime(mpFrame->Input());
            mEnterFromOptions = true;
            if (GuideShowsBoundKeys()) LoadLettering();
        }
    } else {
        mMenuKeys.Update(mpFrame->Input());
        if (!mpFrame->Input().Held(platform::VK_RETURN)) mEnterFromOptions = false;
        mPicker.Update(mpFrame->Input(), mpFrame->Latch());
        if (mpFrame->Input().Held(platform::VK_RETURN) && !mEnterFromOptions) {
            PlaySound(mpClickSound);
            mpFrame->ChooseStage(mPicker.Choice());
            result = SCENE_GAME;
        } else if (mMenuKeys.Pressed(platform::VK_O) || mMenuKeys.Pressed(platform::VK_P)) {
            mOptions.Open();
        }
    }

    // Each tile wraps on its own, so once tiles have wrapped the columns drift out of step.
    for (int r = 0; r < kTitleMapRows; ++r) {
        for (int c = 0; c < kTitleMapCols; ++c) {
            mTileX[r][c] -= 4.0f;
            if (mTileX[r][c] < -40.0f) mTileX[r][c] = 1280.0f;
            mTileMatrix[r][c] = platform::Matrix::Translation(mTileX[r][c], mTileY[r][c], 0.0f);
        }
    }

    // A running sum of a sine: the bubble bobs between y = 50 and about 88 every 120 frames.
    mBubble.mPos.y += std::sin(static_cast<float>(mCount) * mBobSpeed * kDegToRad);
    mBubbleOverlay.mPos.y += std::sin(static_cast<float>(mCount) * mBobSpeed * kDegToRad);

    for (CPlacement* placement : {&mLogo, &mGuide, &mBubble, &mBubbleOverlay}) {
        placement->mMatrix = platform::Matrix::Translation(placement->mPos.x, placement->mPos.y, 0.0f);
    }

    for (CParticle& particle : mParticles) UpdateParticle(particle);

    return result;
}

void CTitle::UpdateParticle(CParticle& particle)
{
    particle.mX += particle.mVx;
    // Every bubble sways with the same phase.
    particle.mY = particle.mY + particle.mVy + std::sin(static_cast<float>(mCount) * 5.0f * kDegToRad) / 3.0f;
    particle.mScale *= 0.98f;
    --particle.mLife;
    if (particle.mLife < 1) {
        particle.mX = static_cast<float>(mpFrame->Random().Next() % 1280);
        particle.mY = static_cast<float>(mpFrame->Random().Next() % 720);
        particle.mVx = static_cast<float>(RandUnit(mpFrame->Random()) * 8.0 - 4.0);
        particle.mVy = static_cast<float>(RandUnit(mpFrame->Random()) * 2.0 - 1.0);
        particle.mScale = static_cast<float>(RandUnit(mpFrame->Random()) * 2.0 + 1.0);
        particle.mLife = static_cast<int32_t>(RandUnit(mpFrame->Random()) * 50.0 + 100.0);
    }
    particle.mMatrix = platform::Matrix::Scaling(particle.mScale, particle.mScale, 0.0f) *
                       platform::Matrix::Translation(particle.mX, particle.mY, 0.0f);
}

void CTitle::Draw(platform::Sprite* sprite, platform::Device*)
{
    DrawSprite(sprite, mpBackTexture, {0, 0, 1280, 720}, kNoCenter, platform::Matrix::Translation(0.0f, 0.0f, 0.0f),
               kWhite);

    const platform::Vec3 particleCenter{40.0f, 40.0f, 0.0f};
    for (const CParticle& particle : mParticles) {
        DrawSprite(sprite, mpParticleAlphaTexture, {0, 0, 80, 80}, particleCenter, particle.mMatrix,
                   WhiteWithAlpha(64));
        DrawSprite(sprite, mpParticleTexture, {0, 0, 80, 80}, particleCenter, particle.mMatrix, WhiteWithAlpha(200));
    }

    DrawSprite(sprite, mpLogoTexture, {0, 0, 900, 400}, kNoCenter, mLogo.mMatrix, kWhite);

    // Ground codes: 1 and 2 are the two chips; 0 and 3 (and anything else) show nothing.
    for (int r = 0; r < kTitleMapRows; ++r) {
        for (int c = 0; c < kTitleMapCols; ++c) {
            platform::Rect chip;
            if (mTitleMap[r][c] == 1) chip = {40, 0, 80, 40};
            else if (mTitleMap[r][c] == 2) chip = {0, 0, 40, 40};
            else continue;
            DrawSprite(sprite, mpChipTexture, chip, kNoCenter, mTileMatrix[r][c], kWhite);
        }
    }

    if (GuideShowsBoundKeys())
        DrawBoundKeys(sprite);
    else
        DrawSprite(sprite, mpGuideTexture, titleguide::kLettered, kNoCenter, mGuide.mMatrix, WhiteWithAlpha(mGuideAlpha));
    DrawSprite(sprite, mpBubbleTexture, {0, 0, 256, 256}, kNoCenter, mBubble.mMatrix, kWhite);
    DrawSprite(sprite, mpBubbleAlphaTexture, {0, 0, 256, 256}, kNoCenter, mBubbleOverlay.mMatrix, WhiteWithAlpha(70));
    if (const CBestResultsFile* bests = mpFrame->BestResults()) {
        const std::string& chosen = mpFrame->Stages()[static_cast<size_t>(mPicker.Choice())].id;
        // Small enough that the longest time ("10:00.00") ends before the logo's Z and its sparkle.
        constexpr float kBestsScale = 0.8f;
        DrawBestResults(sprite, mpLabelTexture, mpDigitTexture, bests->Results(chosen), {}, 20.0f, 20.0f, kBestsScale);
    }
    mPicker.Draw(sprite, mpFontTexture, mpPlateTexture, 640.0f, 330.0f);
    mOptions.Draw(sprite);
}

bool CTitle::GuideShowsBoundKeys() const
{
    return !KeysAtDefaults(mpFrame->PlayerSettings().bindings,
                           {Action::Start, Action::WalkLeft, Action::WalkRight, Action::Jump, Action::Form,
                            Action::Bubble, Action::Options});
}

void CTitle::LoadLettering()
{
    if (mpFontTexture == nullptr) mpFontTexture = mResources.LoadTexture(files::kFont);
    if (mpPlateTexture == nullptr) mpPlateTexture = mResources.LoadTexture(files::kLabels);
}

// The instruction as the picture has it: its own plates and sparkles, bare, lettered with the keys
// bound now in the picture's places and sizes, blinking alike.
void CTitle::DrawBoundKeys(platform::Sprite* sprite) const
{
    const Bindings& b = mpFrame->PlayerSettings().bindings;
    const CTexts& texts = mpFrame->Texts();
    if (mGuide.mMatrix == platform::Matrix{}) return; // not placed before the first update, as the picture
    DrawSprite(sprite, mpGuideTexture, titleguide::kBare, kNoCenter, mGuide.mMatrix, WhiteWithAlpha(mGuideAlpha));
    auto at = [this](const titleguide::Line& line) {
        return platform::Vec2{mGuide.mPos.x + line.centreX, mGuide.mPos.y + line.centreY};
    };
    const platform::Vec2 press = at(titleguide::kPress);
    DrawKeyLine(sprite, mpFontTexture,
                {{texts.Get(TextId::PlatePress) + " ", false}, {FirstKeyLabel(b, Action::Start), true}}, press.x,
                press.y, titleguide::kPress.size, titleguide::kPress.widest, mGuideAlpha);
    const platform::Vec2 keys = at(titleguide::kKeys);
    DrawKeyLine(sprite, mpFontTexture,
                 {{FirstKeyLabel(b, Action::WalkLeft, true) + " " + FirstKeyLabel(b, Action::WalkRight, true), true},
                  {" " + texts.Get(TextId::PlateWalk) + "   ", false},
                  {FirstKeyLabel(b, Action::Jump, true), true},
                  {" " + texts.Get(TextId::PlateJump) + "   ", false},
                  {FirstKeyLabel(b, Action::Bubble, true), true},
                  {" " + texts.Get(TextId::PlateBubble) + "   ", false},
                  {FirstKeyLabel(b, Action::Form, true), true},
                  {" " + texts.Get(TextId::PlateForm) + "   ", false},
                  {FirstKeyLabel(b, Action::Options, true), true},
                  {" " + texts.Get(TextId::PlateOptions), false}},
                 keys.x, keys.y, titleguide::kKeys.size, titleguide::kKeys.widest, mGuideAlpha);
}

void CTitle::Release()
{
    StopSound(mpTitleMusic);
    // The click has only just started when the stage takes over: the frame keeps it until it
    // has been heard rather than cutting it off with the rest of the scene.
    mpFrame->LetSoundFinish(mResources.TakeSound(mpClickSound));
    mpClickSound = mpTitleMusic = nullptr;
    mpBackTexture = mpPlayerTexture = mpLogoTexture = mpGuideTexture = nullptr;
    mpBubbleTexture = mpBubbleAlphaTexture = mpChipTexture = nullptr;
    mpParticleTexture = mpParticleAlphaTexture = nullptr;
    mpLabelTexture = mpDigitTexture = nullptr;
    mpFontTexture = mpPlateTexture = nullptr;
    mOptions.Release();
    mResources.ReleaseAll();
}

// What the title animates, for the headless runner's trace.
void CTitle::WriteTrace(CTraceWriter& trace) const
{
    trace.Field("guideAlpha", mGuideAlpha);
    trace.Field("choice", mPicker.Choice() + 1);
    mOptions.WriteTrace(trace);
}
