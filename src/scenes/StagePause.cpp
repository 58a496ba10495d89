#include "scenes/StagePause.h"

#include "app/Drawing.h"
#include "app/GameFrame.h"
#include "app/KeyPlate.h"
#include "app/LabelSheet.h"
#include "app/ScreenColours.h"
#include "app/TextDrawing.h"
#include "platform/Keyboard.h"

namespace {

using screencolours::kWhite;
using screencolours::kPanel;
constexpr platform::Color kDim = platform::MakeArgb(170, 0, 0, 0);

float Width(const platform::Rect& r) { return static_cast<float>(r.right - r.left); }
float Height(const platform::Rect& r) { return static_cast<float>(r.bottom - r.top); }

} // namespace

void CStagePause::SetFrame(CGameFrameConstruct* frame)
{
    mpFrame = frame;
    mpOptions = frame != nullptr ? std::make_unique<COptionsScreen>(frame) : nullptr;
}

bool CStagePause::Update()
{
    const bool toggle = mpFrame->Pressed(platform::VK_P);
    const bool focusLost = mpFrame != nullptr && mpFrame->Platform().window != nullptr &&
                           mpFrame->Platform().window->TakeFocusLost();
    if (OptionsOpen()) {
        // The pause's keys are still tested every frame, so the options' presses are not theirs.
        mpFrame->Pressed(platform::VK_H);
        mpOptions->Update();
        if (!mpOptions->IsOpen()) {
            SetSoundHeld(true);
            mMenuKeys.Prime(mpFrame->Input());
        }
        return true;
    }
    if (toggle) SetPaused(!mPaused);
    else if (focusLost) SetPaused(true);
    // Tested every frame, so a press held into the pause does not count.
    const bool ghostKey = mpFrame->Pressed(platform::VK_H);
    if (mPaused && ghostKey && mpFrame != nullptr && mpFrame->GhostRace().HasGhost()) mpFrame->GhostRace().Toggle();
    if (mPaused && mpOptions) {
        mMenuKeys.Update(mpFrame->Input());
        if (mMenuKeys.Pressed(platform::VK_O) || mMenuKeys.Pressed(platform::VK_RETURN)) {
            mpOptions->Open();
            SetSoundHeld(false);
        }
    }
    return mPaused;
}

void CStagePause::SetPaused(bool paused)
{
    if (paused == mPaused) return;
    mPaused = paused;
    SetSoundHeld(paused);
    // A key held as the pause begins is no press of the pause's own.
    if (paused) mMenuKeys.Prime(mpFrame->Input());
}

void CStagePause::SetSoundHeld(bool held)
{
    if (mpFrame != nullptr && mpFrame->Platform().audio != nullptr) mpFrame->Platform().audio->SetPaused(held);
}

void CStagePause::Release()
{
    if (mpOptions) mpOptions->Release();
    SetPaused(false);
}

void CStagePause::WriteTrace(CTraceWriter& trace) const
{
    if (mpOptions) mpOptions->WriteTrace(trace);
}

bool CStagePause::KeysShowBindings() const
{
    return mpFrame != nullptr && !KeysAtDefaults(mpFrame->PlayerSettings().bindings, {Action::Pause, Action::Options});
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
    // The words stand on a panel of their own, so nothing of the frozen stage (the hero caught
    // mid-jump, a star, a sign) shows through under them.
    const bool ghostLine = mpFrame != nullptr && mpFrame->GhostRace().HasGhost();
    DrawPlateRect(sprite, mpLabels, 150.0f, 205.0f, 980.0f, ghostLine ? 330.0f : 280.0f, kPanel);
    const platform::Rect& pause = labels::kPause;
    DrawSprite(sprite, mpLabels, pause, origin,
               platform::Matrix::Translation((1280.0f - Width(pause)) / 2.0f, 220.0f, 0.0f), kWhite);
    const platform::Rect& keys = labels::kPauseKeys;
    if (KeysShowBindings()) {
        const Bindings& b = mpFrame->PlayerSettings().bindings;
        const CTexts& texts = mpFrame->Texts();
        std::string resumeKeys = FirstKeyLabel(b, Action::Pause);
        if (!b.Buttons(Action::Pause).empty()) resumeKeys += " / " + ButtonLabel(b.Buttons(Action::Pause).front());
        // On the pause's own panel, at the size of the picture's words.
        DrawKeyLine(sprite, mpFont,
                    {{resumeKeys, true},
                     {" " + texts.Get(TextId::PlateResume) + "   ", false},
                     {FirstKeyLabel(b, Action::Options), true},
                     {" " + texts.Get(TextId::PlateOptions) + "   ", false},
                     {"ESC", true},
                     {" " + texts.Get(TextId::PlateQuit), false}},
                    640.0f, 436.0f, 34.0f, 900.0f);
    } else {
        DrawSprite(sprite, mpLabels, keys, origin,
                   platform::Matrix::Translation((1280.0f - Width(keys)) / 2.0f + 120.0f, 400.0f, 0.0f), kWhite);
    }
    if (ghostLine) {
        const std::string ghostKey = FirstKeyLabel(mpFrame->PlayerSettings().bindings, Action::Ghost);
        const std::string ghost =
            FillIn(mpFrame->Texts().Get(mpFrame->GhostRace().Shown() ? TextId::GhostOn : TextId::GhostOff), {ghostKey});
        constexpr float kScale = 0.6f;
        DrawTextLine(sprite, mpFont, ghost, (1280.0f - TextLineWidth(ghost, kScale)) / 2.0f, 480.0f, kScale, kWhite);
    }
    if (mpOptions) mpOptions->Draw(sprite);
}
