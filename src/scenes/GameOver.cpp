#include "scenes/GameOver.h"

#include <cmath>

#include "app/AssetFiles.h"
#include "app/Drawing.h"
#include "app/GameFrame.h"
#include "app/KeyPlate.h"
#include "app/ScreenColours.h"
#include "app/Sound.h"
#include "app/TraceWriter.h"
#include "platform/Keyboard.h"

namespace {

using screencolours::kWhite;

platform::Matrix Translation(const platform::Vec3& pos)
{
    return platform::Matrix::Translation(pos.x, pos.y, pos.z);
}

} // namespace

void CGameOver::Init()
{
    mpBackTexture = mResources.LoadTexture(files::kDuskBackground);
    mpLetterTexture = mResources.LoadTexture(files::kGameOverLetters);
    mpRetryTexture = mResources.LoadTexture(files::kRetryPrompt);
    mpPlayerTexture = mResources.LoadTexture(files::kGameOverPlayer);
    mpOverMusic = mResources.LoadMusic(files::kGameOverMusic);
    if (PromptShowsBoundKeys()) {
        mpFontTexture = mResources.LoadTexture(files::kFont);
        mpLabelTexture = mResources.LoadTexture(files::kLabels);
    }

    // Two rows of four, both above the screen; the upper row starts higher.
    for (int i = 0; i < kLetterCount; ++i) {
        const int column = i % 4;
        mLetters[i].mPos = {128.0f * static_cast<float>(column + 3) + 70.0f, i < 4 ? -192.0f : -64.0f, 0.0f};
    }

    LoopSound(mpOverMusic);
}

SceneId CGameOver::Update()
{
    // Keys are read as held; G wins over M, and M over Enter.
    SceneId result = SCENE_NONE;
    if (mpFrame->Input().Held(platform::VK_RETURN)) result = SCENE_GAME;
    if (mpFrame->Input().Held(platform::VK_M)) result = SCENE_TITLE;
    if (mpFrame->Input().Held(platform::VK_G)) {
        result = SCENE_GAME;
        mpFrame->mRetry = true;
    }

    ++mCount;
    mBackMatrix = Translation(mBackPos);

    for (int i = 0; i < kLetterCount; ++i) {
        CLetter& letter = mLetters[i];
        letter.mRestHeight = i <= 3 ? 100.0f : 250.0f;
        letter.mAcceleration = -letter.mSpring * (letter.mPos.y - letter.mRestHeight);
        letter.mSpeed = (letter.mSpeed + letter.mAcceleration) * letter.mDamping;
        letter.mPos.y += letter.mSpeed;
        letter.mMatrix = Translation(letter.mPos);
    }

    mRetryMatrix = Translation(mRetryPos);
    // A running sum of a sine: the figure bobs with a period of 120 updates.
    mPlayerPos.y -= std::sin(static_cast<float>(mCount * 3) * kDegToRad);

    return result;
}

void CGameOver::Draw(platform::Sprite* sprite, platform::Device*)
{
    const platform::Vec3 origin{};
    DrawSprite(sprite, mpBackTexture, {0, 0, 1280, 720}, origin, mBackMatrix, kWhite);

    for (int i = 0; i < kLetterCount; ++i) {
        DrawSprite(sprite, mpLetterTexture, CellRect(i, 0, 128, 128), {64.0f, 64.0f, 0.0f}, mLetters[i].mMatrix,
                   kWhite);
    }

    // The plate with the prompt's dimmed words never fades; the bright words over it fade one
    // step an update, then wrap round to opaque every 256 updates.
    if (PromptShowsBoundKeys()) {
        if (!(mRetryMatrix == platform::Matrix{})) {
            const Bindings& b = mpFrame->PlayerSettings().bindings;
            const CTexts& texts = mpFrame->Texts();
            DrawKeyPlate(sprite, mpFontTexture, mpLabelTexture,
                         {{FirstKeyLabel(b, Action::Again), true},
                          {" " + texts.Get(TextId::PlateContinue) + "   ", false},
                          {FirstKeyLabel(b, Action::Start), true},
                          {" " + texts.Get(TextId::PlateNewGame) + "   ", false},
                          {FirstKeyLabel(b, Action::Title), true},
                          {" " + texts.Get(TextId::PlateTitle), false}},
                         mRetryPos.x + 384.0f, mRetryPos.y + 64.0f, 0.55f);
        }
    } else {
        DrawSprite(sprite, mpRetryTexture, {0, 128, 768, 256}, origin, mRetryMatrix, kWhite);
        const uint32_t alpha = static_cast<uint32_t>(255 - mCount) & 0xFFu;
        DrawSprite(sprite, mpRetryTexture, {0, 0, 768, 128}, origin, mRetryMatrix,
                   platform::MakeArgb(alpha, 255, 255, 255));
    }

    mPlayerMatrix = Translation(mPlayerPos);
    DrawSprite(sprite, mpPlayerTexture, {0, 0, 90, 150}, {45.0f, 75.0f, 0.0f}, mPlayerMatrix, kWhite);
}

bool CGameOver::PromptShowsBoundKeys() const
{
    return !KeysAtDefaults(mpFrame->PlayerSettings().bindings, {Action::Again, Action::Start, Action::Title});
}

void CGameOver::Release()
{
    StopSound(mpOverMusic);
    mpOverMusic = nullptr;
    mpBackTexture = mpLetterTexture = mpRetryTexture = mpPlayerTexture = nullptr;
    mpFontTexture = mpLabelTexture = nullptr;
    mResources.ReleaseAll();
}

void CGameOver::WriteTrace(CTraceWriter& trace) const
{
    trace.BeginArray("letters");
    for (const CLetter& letter : mLetters) trace.Value(letter.mPos.y);
    trace.EndArray();
}
