#include "scenes/CampaignEnd.h"

#include <algorithm>
#include <string>

#include "app/AssetFiles.h"
#include "app/Drawing.h"
#include "app/GameFrame.h"
#include "app/KeyPlate.h"
#include "app/ScreenColours.h"
#include "app/Sound.h"
#include "app/TextDrawing.h"
#include "app/TraceWriter.h"
#include "platform/Keyboard.h"
#include "scenes/RaceClock.h"

namespace {

using screencolours::kWhite;
using screencolours::kPanel;
constexpr float kLeft = 190.0f;                // the table: stage, time, score, and what was beaten
constexpr float kTimeX = 640.0f;
constexpr float kScoreX = 830.0f;
constexpr float kNewX = 1010.0f;
constexpr float kRowScale = 0.62f;
constexpr float kRowHeight = 50.0f;
constexpr int kMostRows = 7; // the game's stages and a few of the player's fit; more are left out

// What a clear beat, in the table's last column.
std::string Beaten(const CampaignClear& clear)
{
    if (clear.aided) return "AIDED";
    return clear.beaten.Any() ? "NEW!" : "";
}

} // namespace

void CCampaignEnd::Init()
{
    mpBackTexture = mResources.LoadTexture(files::kUpperBackground);
    mpFontTexture = mResources.LoadTexture(files::kFont);
    mpLabelTexture = mResources.LoadTexture(files::kLabels);
    mpMusic = mResources.LoadMusic(files::kClearMusic);
    LoopSound(mpMusic);
    mMenuKeys.Prime(mpFrame->Input());
}

void CCampaignEnd::Release()
{
    StopSound(mpMusic);
    mpMusic = nullptr;
    mpBackTexture = mpFontTexture = mpLabelTexture = nullptr;
    mResources.ReleaseAll();
}

SceneId CCampaignEnd::Update()
{
    ++mCount;
    mMenuKeys.Update(mpFrame->Input());
    if (mMenuKeys.Pressed(platform::VK_RETURN) || mMenuKeys.Pressed(platform::VK_M)) return SCENE_TITLE;
    return SCENE_NONE;
}

void CCampaignEnd::Draw(platform::Sprite* sprite, platform::Device*)
{
    DrawSprite(sprite, mpBackTexture, {0, 0, 1280, 720}, {}, platform::Matrix::Translation(0.0f, 0.0f, 0.0f), kWhite);
    const CTexts& texts = mpFrame->Texts();
    const std::vector<CampaignClear>& clears = mpFrame->Campaign().Clears();
    const int rows = std::min(static_cast<int>(clears.size()), kMostRows);

    const std::string title = texts.Get(TextId::CampaignComplete);
    constexpr float kTitleScale = 1.2f;
    DrawTextLine(sprite, mpFontTexture, title, (1280.0f - TextLineWidth(title, kTitleScale)) / 2.0f, 36.0f,
                 kTitleScale, kHudGold);

    // The table on a panel of its own: its heads, a row a stage, and the totals.
    const float top = 150.0f;
    DrawPlateRect(sprite, mpLabelTexture, kLeft - 30.0f, top - 16.0f, 1280.0f - 2.0f * (kLeft - 30.0f),
                  kRowHeight * static_cast<float>(rows + 2) + 40.0f, kPanel);
    auto row = [&](float y, const std::string& stage, const std::string& time, const std::string& score,
                   const std::string& beaten, platform::Color color) {
        DrawTextLine(sprite, mpFontTexture, stage, kLeft, y, kRowScale, color);
        DrawTextLine(sprite, mpFontTexture, time, kTimeX, y, kRowScale, color);
        DrawTextLine(sprite, mpFontTexture, score, kScoreX, y, kRowScale, color);
        DrawTextLine(sprite, mpFontTexture, beaten, kNewX, y, kRowScale, kHudGold);
    };
    row(top, texts.Get(TextId::CampaignStage), texts.Get(TextId::CampaignTime), texts.Get(TextId::CampaignScore), "",
        kHudGold);
    long frames = 0;
    int score = 0;
    int scoreTotal = 0;
    for (int i = 0; i < static_cast<int>(clears.size()); ++i) {
        const CampaignClear& clear = clears[static_cast<size_t>(i)];
        frames += clear.frames;
        score += clear.score;
        scoreTotal += clear.scoreTotal;
        if (i >= rows) continue;
        // A long name is cut where the time's column begins.
        std::string name = std::to_string(clear.stageIndex + 1) + "  " + clear.name;
        while (name.size() > 4 && TextLineWidth(name, kRowScale) > kTimeX - kLeft - 20.0f) name.pop_back();
        row(top + kRowHeight * static_cast<float>(i + 1), name, FormatRunTime(clear.frames),
            std::to_string(clear.score) + " / " + std::to_string(clear.scoreTotal), Beaten(clear), kWhite);
    }
    row(top + kRowHeight * static_cast<float>(rows + 1) + 10.0f, texts.Get(TextId::CampaignTotal), FormatRunTime(frames),
        std::to_string(score) + " / " + std::to_string(scoreTotal), "", kHudGold);

    const Bindings& b = mpFrame->PlayerSettings().bindings;
    DrawKeyPlate(sprite, mpFontTexture, mpLabelTexture,
                 {{FirstKeyLabel(b, Action::Start), true}, {" / ", false}, {FirstKeyLabel(b, Action::Title), true},
                  {" " + texts.Get(TextId::PlateTitle), false}},
                 640.0f, 670.0f, 0.5f);
}

void CCampaignEnd::WriteTrace(CTraceWriter& trace) const
{
    long frames = 0;
    for (const CampaignClear& clear : mpFrame->Campaign().Clears()) frames += clear.frames;
    trace.Field("stages", static_cast<int>(mpFrame->Campaign().Clears().size()));
    trace.Field("frames", static_cast<long long>(frames));
}
