#include "scenes/StagePause.h"

#include "app/Drawing.h"
#include "app/GameFrame.h"
#include "app/Keys.h"
#include "app/LabelSheet.h"
#include "app/TextDrawing.h"

namespace {

constexpr platform::Color kDim = platform::MakeArgb(170, 0, 0, 0);
constexpr platform::Color kWhite = 0xFFFFFFFF;

float Width(const platform::Rect& r) { return static_cast<float>(r.right - r.left); }
float Height(const platform::Rect& r) { return static_cast<float>(r.bottom - r.top); }

} // namespace

bool CStagePause::Update()
{
    const bool toggle = IsKeyPressed(platform::VK_P);
    const bool focusLost = mpFrame != nullptr && mpFrame->Platform().window != nullptr &&
                           mpFrame->Platform().window->TakeFocusLost();
    if (toggle) SetPaused(!mPaused);
    else if (focusLost) SetPaused(true);
    // Tested every frame, so a press held into the pause does not count.
    const bool ghostKey = IsKeyPressed(platform::VK_H);
    if (mPaused && ghostKey && mpFrame != nullptr && mpFrame->GhostRace().HasGhost()) mpFrame->GhostRace().Toggle();
    return mPaused;
}

void CStagePause::SetPaused(bool paused)
{
    if (paused == mPaused) return;
    mPaused = paused;
    if (mpFrame != nullptr && mpFrame->Platform().audio != nullptr) mpFrame->Platform().audio->SetPaused(paused);
}

void CStagePause::Release()
{
    SetPaused(false);
}

void CStagePause::Draw(platform::Sprite* sprite) const
{
    if (!mPaused) return;
    // The white patch is stretched to twice the screen, so its filtered edges fall outside.
    const platform::Rect& white = labels::kWhite;
    const platform::Vec3 origin{};
    DrawSprite(sprite, mpLabels, white, {Width(white) / 2.0f, Height(white) / 2.0f, 0.0f},
               platform::Matrix::Scaling(2560.0f / Width(white), 1440.0f / Height(white), 1.0f) *
                   platform::Matrix::Translation(640.0f, 360.0f, 0.0f),
               kDim);
    const platform::Rect& pause = labels::kPause;
    DrawSprite(sprite, mpLabels, pause, origin,
               platform::Matrix::Translation((1280.0f - Width(pause)) / 2.0f, 220.0f, 0.0f), kWhite);
    const platform::Rect& keys = labels::kPauseKeys;
    DrawSprite(sprite, mpLabels, keys, origin,
               platform::Matrix::Translation((1280.0f - Width(keys)) / 2.0f + 120.0f, 400.0f, 0.0f), kWhite);
    if (mpFrame != nullptr && mpFrame->GhostRace().HasGhost()) {
        const std::string ghost = mpFrame->GhostRace().Shown() ? "H: GHOST ON" : "H: GHOST OFF";
        constexpr float kScale = 0.6f;
        DrawTextLine(sprite, mpFont, ghost, (1280.0f - TextLineWidth(ghost, kScale)) / 2.0f, 480.0f, kScale, kWhite);
    }
}
