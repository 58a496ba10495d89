#include "scenes/StagePicker.h"

#include <algorithm>
#include <string>

#include "app/Drawing.h"
#include "app/FontSheet.h"
#include "app/LabelSheet.h"
#include "app/TextDrawing.h"
#include "platform/Keyboard.h"

namespace {

constexpr float kTextScale = 0.75f;
constexpr float kPlateMargin = 18.0f;
constexpr float kPlateHeight = 64.0f;
constexpr platform::Color kPlateColour = 0xB0101828;
constexpr platform::Color kNameColour = 0xFFFFFFFF;
constexpr platform::Color kArrowColour = 0xFFFFE082;

} // namespace

void CStagePicker::Init(const std::vector<StageDescription>* stages, const CBestResultsFile* bests, int chosen,
                        int openUpTo)
{
    mpStages = stages;
    mpBests = bests;
    mOpenUpTo = openUpTo;
    mChoice = IsOpen(chosen) ? chosen : 0;
}

bool CStagePicker::IsOpen(int index) const
{
    if (mpStages == nullptr || index < 0 || index >= static_cast<int>(mpStages->size())) return false;
    if (index <= mOpenUpTo || index == 0) return true;
    const StageDescription& stage = (*mpStages)[static_cast<size_t>(index)];
    if (!stage.ownStage) return true;
    const StageDescription& before = (*mpStages)[static_cast<size_t>(index - 1)];
    return mpBests != nullptr && mpBests->Cleared(before.id);
}

int CStagePicker::OpenCount() const
{
    int count = 0;
    for (int i = 0; mpStages != nullptr && i < static_cast<int>(mpStages->size()); ++i) count += IsOpen(i) ? 1 : 0;
    return count;
}

// The next open stage that way, or the choice itself when there is none.
int CStagePicker::Step(int direction) const
{
    for (int i = mChoice + direction; mpStages != nullptr && i >= 0 && i < static_cast<int>(mpStages->size());
         i += direction) {
        if (IsOpen(i)) return i;
    }
    return mChoice;
}

bool CStagePicker::Update(const FrameInput& input, TapLatch& latch)
{
    const int before = mChoice;
    // Both keys are tested every frame, so each press counts once however long it is held.
    const bool left = latch.Test(input, platform::VK_LEFT);
    const bool right = latch.Test(input, platform::VK_RIGHT);
    if (left && !right) mChoice = Step(-1);
    if (right && !left) mChoice = Step(1);
    return mChoice != before;
}

void CStagePicker::Draw(platform::Sprite* sprite, const platform::Texture* font, const platform::Texture* plate,
                        float centreX, float top) const
{
    if (mpStages == nullptr || OpenCount() < 2) return;
    const StageDescription& stage = (*mpStages)[static_cast<size_t>(mChoice)];
    const std::string text = std::to_string(mChoice + 1) + "  " + stage.name;
    const std::string left = Step(-1) != mChoice ? "<  " : "   ";
    const std::string right = Step(1) != mChoice ? "  >" : "   ";
    const float width = TextLineWidth(left + text + right, kTextScale);
    const float x = centreX - width / 2.0f;
    const platform::Rect white = labels::kWhite;
    const float whiteSide = static_cast<float>(white.right - white.left);
    const platform::Matrix plateAt =
        platform::Matrix::Scaling((width + 2.0f * kPlateMargin) / whiteSide, kPlateHeight / whiteSide, 1.0f) *
        platform::Matrix::Translation(x - kPlateMargin, top, 0.0f);
    DrawSprite(sprite, plate, white, {}, plateAt, kPlateColour);
    const float textTop = top + (kPlateHeight - static_cast<float>(fontsheet::kCellHeight) * kTextScale) / 2.0f;
    // Each part goes on where the one before it moved the pen.
    DrawTextLine(sprite, font, left, x, textTop, kTextScale, kArrowColour);
    const float afterLeft = x + TextAdvance(left, kTextScale);
    DrawTextLine(sprite, font, text, afterLeft, textTop, kTextScale, kNameColour);
    DrawTextLine(sprite, font, right, afterLeft + TextAdvance(text, kTextScale), textTop, kTextScale, kArrowColour);
}

int OpenOwnStages(const std::vector<StageDescription>& stages, const CBestResultsFile* bests)
{
    CStagePicker picker;
    picker.Init(&stages, bests, 0);
    int open = 0;
    while (open < static_cast<int>(stages.size()) && stages[static_cast<size_t>(open)].ownStage && picker.IsOpen(open)) {
        ++open;
    }
    return std::max(open, 1);
}
