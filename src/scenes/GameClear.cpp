#include "scenes/GameClear.h"

#include <algorithm>
#include <cmath>

#include "app/AssetFiles.h"
#include "app/DataStamp.h"
#include "app/Drawing.h"
#include "app/GameFrame.h"
#include "app/KeyPlate.h"
#include "app/Random.h"
#include "app/ScreenColours.h"
#include "app/Sound.h"
#include "app/TextDrawing.h"
#include "app/TraceWriter.h"
#include "platform/Keyboard.h"
#include "scenes/BestResultsPanel.h"
#include "scenes/RaceClock.h"

namespace {

using screencolours::kWhite;
using screencolours::kNumberYellow; // the digits and the turning star
constexpr int kFountainSize = CGameClear::kParticleCount / 2;
constexpr int kGaugeSize = 320;
// The fountains' bubble: an 80-pixel cell the particles' scale counts in, and a 240-pixel one
// beside it that is drawn, so the largest bubble (scale 3) is drawn at its own size.
constexpr int kParticleSmall = 80;
constexpr int kParticleCell = 240;
constexpr float kParticleToSmall = static_cast<float>(kParticleSmall) / kParticleCell;
// The share under the gauge, in the digits' cells.
constexpr float kShareScale = 0.8f;
constexpr float kShareAdvance = 34.0f;

// A fresh draw of the game's generator as a fraction 0..1.
double R(RandomSequence& random)
{
    return random.Next() / static_cast<double>(kRandMax);
}

// The share of the stage's score collected, as the gauge shows it. A stage with nothing to
// collect counts as fully collected, and more than the total (the score key) as 100.
int32_t ShareInPercent(int32_t score, int32_t total)
{
    if (total <= 0) return 100;
    const int64_t percent = static_cast<int64_t>(score) * 100 / total;
    return static_cast<int32_t>(std::clamp<int64_t>(percent, 0, 100));
}

platform::Matrix Translation(const platform::Vec3& pos)
{
    return platform::Matrix::Translation(pos.x, pos.y, pos.z);
}

// A pale random tint of the fountains' bubbles; red before green.
platform::Color BubbleTint(RandomSequence& random, int alpha)
{
    const int red = 155 + random.Next() % 100;
    const int green = 155 + random.Next() % 100;
    return platform::MakeArgb(static_cast<uint32_t>(alpha), static_cast<uint32_t>(red), static_cast<uint32_t>(green),
                              255);
}

} // namespace

void CGameClear::Init()
{
    mpFrame->Random().Seed(mpFrame->Now() / 1000);

    auto load = [this](const char* path) { return mResources.LoadTexture(path); };
    mpBackTexture = load(files::kUpperBackground);
    mpLetterTexture = load(files::kClearLetters);
    mpParticleAlphaTexture = load(files::kHealBubbleAlpha);
    mpParticleTexture = load(files::kHealBubble);
    mpResultTexture = load(files::kResultPanel);
    mpDigitTexture = load(files::kDigits);
    mpGaugeTexture = load(files::kGaugeStar);
    mpStarPlainTexture = load(files::kPlainStar);
    mpEnemyFaceTexture = load(files::kEnemyFace);
    mpBigStarTexture = load(files::kTurningStar);
    mpBigBubbleTexture = load(files::kBigPlayerBubble);
    mpBigBubbleAlphaTexture = load(files::kBigPlayerBubbleAlpha);

    mpClearMusic = mResources.LoadMusic(files::kClearMusic);
    Disable3D(mpClearMusic);

    // Both rows start above the screen, each tile higher than the one before it.
    for (int i = 0; i < kLetterCount; ++i) {
        const int slot = i < 5 ? i + 1 : i - 3;
        const float y = i < 5 ? -64.0f * static_cast<float>(slot) - 300.0f : -64.0f * static_cast<float>(slot);
        mLetters[i].mPos = {128.0f * static_cast<float>(slot) + 200.0f, y, 0.0f};
    }

    for (int n = 0; n < kParticleCount; ++n) RenewParticle(n, 0.0f, 30);

    mPercent = ShareInPercent(mpFrame->mScore, mpFrame->mScoreTotal);
    mpLabelTexture = load(files::kLabels); // the signs of the share, and the best results
    if (CBestResultsFile* bests = mpFrame->BestResults()) {
        if (mpFrame->mRun.Counts()) {
            mNewBests = bests->Record(mpFrame->mStage.id, mpFrame->mScore, mPercent, mpFrame->mRun.frames);
            // The fastest run so far is the ghost to race from now on.
            if (mNewBests.frames)
                mpFrame->GhostRace().KeepRun(mpFrame->mStage.id, *bests, StageDataStamp(mpFrame->mStage));
        }
    }
    FindNextStage();
    mpFrame->Campaign().Record({mpFrame->StageIndex(), mpFrame->mStage.name, mpFrame->mRun.frames, mpFrame->mScore,
                                mpFrame->mScoreTotal, mpFrame->mRun.aided, mNewBests});
    mpFontTexture = load(files::kFont);

    LoopSound(mpClearMusic);
}

void CGameClear::RenewParticle(int n, float sway, int lifeSpread)
{
    CParticle& p = mParticles[n];
    RandomSequence& random = mpFrame->Random();
    const bool left = n < kFountainSize;
    p.mX = static_cast<float>(50.0 * R(random) + (left ? 0.0 : 1280.0));
    p.mY = static_cast<float>(50.0 * R(random) + 720.0);
    p.mVx = left ? static_cast<float>(3.0 * R(random) + 3.0 + sway) : static_cast<float>(3.0 * R(random) - 7.0 - sway);
    p.mVy = static_cast<float>(3.0 * R(random) - 7.0);
    p.mScale = 3.0f;
    p.mLife = static_cast<int32_t>(lifeSpread * R(random) + 200.0);
}

// The stage after this one, when it is open: the next of the game's own once this one is
// cleared (now or before), or a player's stage after it.
void CGameClear::FindNextStage()
{
    const std::vector<StageDescription>& stages = mpFrame->Stages();
    const int index = mpFrame->StageIndex();
    const int next = index + 1;
    const bool cleared = mpFrame->mRun.Counts() || (mpFrame->BestResults() != nullptr &&
                                                    mpFrame->BestResults()->Cleared(mpFrame->mStage.id));
    if (next < static_cast<int>(stages.size())) {
        const StageDescription& stage = stages[static_cast<size_t>(next)];
        if (!stage.ownStage || cleared || next <= mpFrame->StagesOpenUpTo()) mNextStage = next;
    }
    const bool lastOwn = mpFrame->mStage.ownStage && (next >= static_cast<int>(stages.size()) ||
                                                      !stages[static_cast<size_t>(next)].ownStage);
    mCampaignComplete = lastOwn && index > 0 && mpFrame->mRun.reachedGoal;
}

SceneId CGameClear::Update()
{
    ++mCount;

    SceneId result = SCENE_NONE;
    int stage = mpFrame->StageIndex();
    // After the campaign's last stage Enter shows its end (and N too, when no stage follows).
    const bool next = mpFrame->Input().Held(platform::VK_N);
    const bool enter = mpFrame->Input().Held(platform::VK_RETURN);
    if (mNextStage >= 0 && (next || (enter && !mCampaignComplete))) {
        stage = mNextStage;
        result = SCENE_GAME;
    } else if (mCampaignComplete && (next || enter)) {
        result = SCENE_CAMPAIGN;
    }
    // G plays this stage again, and M leaves for the title, whatever else is held.
    if (mpFrame->Input().Held(platform::VK_G)) {
        stage = mpFrame->StageIndex();
        result = SCENE_GAME;
    }
    mpFrame->ChooseStage(stage);
    if (mpFrame->Input().Held(platform::VK_M)) result = SCENE_TITLE;

    for (int i = 0; i < kLetterCount; ++i) {
        const float stop = i < 5 ? 100.0f : 250.0f;
        float& y = mLetters[i].mPos.y;
        y += 3.0f;
        if (y >= stop) y = stop;
    }

    mMatrix = Translation(mBackPos);
    for (CLetter& letter : mLetters) letter.mMatrix = Translation(letter.mPos);

    for (int n = 0; n < kParticleCount; ++n) UpdateParticle(n);

    return result;
}

void CGameClear::UpdateParticle(int n)
{
    // Reseeded before every particle: bubbles renewed in the same millisecond come out alike.
    mpFrame->Random().Seed(mpFrame->Now());

    CParticle& p = mParticles[n];
    p.mX += p.mVx;
    p.mY += p.mVy;
    p.mScale *= 0.99f;
    p.mLife -= 1;
    if (p.mY < -80.0f * p.mScale) p.mLife = 0; // left through the top

    if (p.mLife <= 0) {
        const float sway = std::sin(static_cast<float>(mCount * 9) * kDegToRad);
        RenewParticle(n, sway, 50);
    }

    p.mMatrix = platform::Matrix::Scaling(p.mScale, p.mScale, 0.0f) * platform::Matrix::Translation(p.mX, p.mY, 0.0f);
}

void CGameClear::Draw(platform::Sprite* sprite, platform::Device* device)
{
    const platform::Vec3 origin{};
    DrawSprite(sprite, mpBackTexture, {0, 0, 1280, 720}, origin, mMatrix, kWhite);

    // The fountains go behind everything with words or numbers on it. Their bubble is drawn
    // from the picture's large cell, three times the small one the scale counts in.
    const platform::Vec3 particleCenter{kParticleCell / 2.0f, kParticleCell / 2.0f, 0.0f};
    const platform::Rect particleRect{kParticleSmall, 0, kParticleSmall + kParticleCell, kParticleCell};
    const platform::Matrix toSmall = platform::Matrix::Scaling(kParticleToSmall, kParticleToSmall, 1.0f);
    for (const CParticle& p : mParticles) {
        const platform::Matrix at = toSmall * p.mMatrix;
        DrawSprite(sprite, mpParticleAlphaTexture, particleRect, particleCenter, at, BubbleTint(mpFrame->Random(), 50));
        DrawSprite(sprite, mpParticleTexture, particleRect, particleCenter, at, BubbleTint(mpFrame->Random(), 255));
    }

    mMatrix = platform::Matrix::Translation(340.0f, 320.0f, 0.0f);
    DrawSprite(sprite, mpResultTexture, {0, 0, 600, 400}, origin, mMatrix, kWhite);
    if (!KeysAtDefaults(mpFrame->PlayerSettings().bindings, {Action::Again, Action::Title})) {
        // The picture names the default keys on its plate: a plate of the bound ones covers it.
        const Bindings& b = mpFrame->PlayerSettings().bindings;
        DrawPlateRect(sprite, mpLabelTexture, 340.0f + 246.0f, 320.0f + 5.0f, 354.0f, 54.0f, 0xF01E1838);
        DrawKeyPlate(sprite, mpFontTexture, mpLabelTexture,
                     {{FirstKeyLabel(b, Action::Again), true},
                      {" " + mpFrame->Texts().Get(TextId::PlatePlayAgain) + "  ", false},
                      {FirstKeyLabel(b, Action::Title), true},
                      {" " + mpFrame->Texts().Get(TextId::PlateTitle), false}},
                     340.0f + 423.0f, 320.0f + 32.0f, 0.42f);
    }

    DrawNumberStrip(sprite, mpDigitTexture, mpFrame->mScore, 430.0f, 630.0f, kNumberYellow);

    // The gauge: the empty star, and over it the gold star's lower mPercent percent.
    DrawSprite(sprite, mpGaugeTexture, {0, 0, kGaugeSize, kGaugeSize}, origin,
               platform::Matrix::Translation(630.0f, 365.0f, 0.0f), kWhite);
    const int top = (100 - mPercent) * kGaugeSize / 100;
    DrawSprite(sprite, mpGaugeTexture, {kGaugeSize, top, 2 * kGaugeSize, kGaugeSize}, {0.0f, 320.0f, 0.0f},
               platform::Matrix::Translation(630.0f, static_cast<float>(top + 685), 0.0f), kWhite);
    // The share written under the star, centred on it.
    const std::string share = ResultText(mPercent, ResultUnit::Percent);
    const float shareWidth = static_cast<float>(share.size() - 1) * kShareAdvance + 60.0f * kShareScale;
    DrawResultText(sprite, mpDigitTexture, mpLabelTexture, share, 790.0f - shareWidth / 2.0f, 642.0f, kShareScale,
                   kShareAdvance, kWhite);

    BeginBlendPass(sprite, device, kGlowPass);
    const float turn = std::sin(static_cast<float>(mCount * 3) * kDegToRad);
    DrawSprite(sprite, mpBigStarTexture, {0, 0, 150, 150}, {75.0f, 75.0f, 0.0f},
               platform::Matrix::Scaling(turn, 1.0f, 0.0f) * platform::Matrix::RotationZ(0.0f) *
                   platform::Matrix::Translation(490.0f, 490.0f, 0.0f),
               kNumberYellow);
    EndBlendPass(sprite, device);

    const platform::Matrix bubbleAt = platform::Matrix::Translation(490.0f, 490.0f, 0.0f);
    const platform::Vec3 bubbleCenter{85.0f, 85.0f, 0.0f};
    DrawSprite(sprite, mpBigBubbleTexture, {0, 0, 170, 170}, bubbleCenter, bubbleAt, kWhite);
    DrawSprite(sprite, mpBigBubbleAlphaTexture, {0, 0, 170, 170}, bubbleCenter, bubbleAt,
               platform::MakeArgb(70, 255, 255, 255));

    for (int i = 0; i < kLetterCount; ++i) {
        DrawSprite(sprite, mpLetterTexture, CellRect(i, 0, 128, 128), {64.0f, 64.0f, 0.0f}, mLetters[i].mMatrix,
                   kWhite);
    }
    // The letters fall in columns and settle in two rows between x 264 and 1032 (the rows'
    // bubbles reach down to y 310); the words keep out of those columns in every frame. The best
    // results on the left, before the second row's C (x 392); the way on in the top right corner,
    // past its R (x 1032); the times under it, beside the result's panel (which ends at x 940).
    if (const CBestResultsFile* bests = mpFrame->BestResults()) {
        constexpr float kBestsScale = 0.72f;
        DrawBestResults(sprite, mpLabelTexture, mpDigitTexture, bests->Results(mpFrame->mStage.id), mNewBests, 20.0f,
                        180.0f, kBestsScale);
    }
    constexpr float kRight = 1260.0f;
    auto drawRight = [&](const std::string& text, float y, float scale, float left) {
        scale = std::min(scale, (kRight - left) / TextLineWidth(text, 1.0f));
        DrawTextLine(sprite, mpFontTexture, text, kRight - TextLineWidth(text, scale), y, scale, kWhite);
    };
    constexpr float kPastTheLetters = 1036.0f;
    constexpr float kPastThePanel = 950.0f;
    const Bindings& bindings = mpFrame->PlayerSettings().bindings;
    const CTexts& texts = mpFrame->Texts();
    const std::string note = mCampaignComplete ? texts.Get(TextId::CampaignComplete)
                             : mNextStage >= 0
                                 ? FillIn(texts.Get(TextId::NextStage), {FirstKeyLabel(bindings, Action::Next)})
                                 : "";
    if (!note.empty()) drawRight(note, 24.0f, 0.7f, kPastTheLetters);
    // The run's time, under it the best time of the stage, and after the campaign's last stage the
    // key to its end.
    constexpr float kTimeScale = 0.56f;
    if (mpFrame->mRun.reachedGoal) {
        drawRight("TIME " + FormatRunTime(mpFrame->mRun.frames), 560.0f, kTimeScale, kPastThePanel);
        if (const CBestResultsFile* bests = mpFrame->BestResults(); bests != nullptr) {
            if (const auto best = bests->Results(mpFrame->mStage.id).frames) {
                drawRight("BEST " + FormatRunTime(*best) + (mNewBests.frames ? " NEW!" : ""), 596.0f, kTimeScale,
                          kPastThePanel);
            }
        }
    }
    if (mCampaignComplete) {
        drawRight(FillIn(texts.Get(TextId::CampaignKey), {FirstKeyLabel(bindings, Action::Start)}), 640.0f, 0.5f,
                  kPastThePanel);
    }
}

void CGameClear::Release()
{
    StopSound(mpClearMusic);
    mpClearMusic = nullptr;
    mpBackTexture = mpLetterTexture = mpParticleAlphaTexture = mpParticleTexture = nullptr;
    mpResultTexture = mpGaugeTexture = mpStarPlainTexture = mpDigitTexture = nullptr;
    mpLabelTexture = nullptr;
    mpEnemyFaceTexture = mpBigStarTexture = mpBigBubbleTexture = mpBigBubbleAlphaTexture = nullptr;
    mResources.ReleaseAll();
}

void CGameClear::WriteTrace(CTraceWriter& trace) const
{
    trace.Field("percent", mPercent);
    trace.Field("next", mNextStage + 1);
    if (mCampaignComplete) trace.Field("campaignComplete", true);
    trace.BeginArray("letters");
    for (const CLetter& letter : mLetters) trace.Value(letter.mPos.y);
    trace.EndArray();
}
