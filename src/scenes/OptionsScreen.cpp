#include "scenes/OptionsScreen.h"

#include <algorithm>
#include <array>

#include "app/AssetFiles.h"
#include "app/FontSheet.h"
#include "app/GameFrame.h"
#include "app/KeyPlate.h"
#include "app/ScreenColours.h"
#include "app/Sound.h"
#include "app/TextDrawing.h"
#include "app/TraceWriter.h"

namespace {

using screencolours::kWhite;
constexpr float kScale = 0.5f;
constexpr float kRowHeight = static_cast<float>(fontsheet::kCellHeight) * kScale;
constexpr float kLabelX = 200.0f;
constexpr float kKeyX = 560.0f;
constexpr float kButtonX = 850.0f;
constexpr float kRowLeft = 170.0f;
constexpr float kRowWidth = 940.0f;
constexpr platform::Color kDimWhite = 0xB0FFFFFF;
constexpr platform::Color kShade = 0xE0101828;
constexpr platform::Color kChosenPlate = 0x50FFD54F;
constexpr platform::Color kBarEmpty = 0x50FFFFFF;

// The action of a row of the bindings, and its name as the rows and messages give it.
Action ActionOfRow(int row)
{
    return static_cast<Action>(row - COptionsScreen::kFirstAction);
}

constexpr std::array<TextId, kActionCount> kActionNames = {
    TextId::ActionWalkLeft, TextId::ActionWalkRight, TextId::ActionJump,  TextId::ActionForm,
    TextId::ActionBubble,   TextId::ActionStart,     TextId::ActionPause, TextId::ActionTitle,
    TextId::ActionAgain,    TextId::ActionNext,      TextId::ActionGhost, TextId::ActionOptions,
};

TextId NameOf(Action action)
{
    return kActionNames[static_cast<size_t>(action)];
}

// Where each row stands: the three settings, the bindings under their column heads, then the reset
// and BACK.
float RowTop(int row)
{
    if (row < COptionsScreen::kFirstAction) return 110.0f + 34.0f * static_cast<float>(row);
    if (row < COptionsScreen::kReset) return 262.0f + 27.0f * static_cast<float>(row - COptionsScreen::kFirstAction);
    return 598.0f + 32.0f * static_cast<float>(row - COptionsScreen::kReset);
}

// A column's names drawn in its width: all of them, in smaller lettering for a long list, down to
// a least size; past that, the names that fit and how many more.
void DrawColumn(platform::Sprite* sprite, const platform::Texture* font, const std::vector<std::string>& names,
                float x, float y, float width, platform::Color color)
{
    constexpr float kLeastScale = 0.32f;
    std::string shown = names.empty() ? "-" : names[0];
    for (size_t i = 1; i < names.size(); ++i) {
        const std::string more = shown + " / " + names[i];
        const std::string rest = i + 1 < names.size() ? " +" + std::to_string(names.size() - i - 1) : "";
        if (TextLineWidth(more + rest, kLeastScale) > width) {
            shown += " +" + std::to_string(names.size() - i);
            break;
        }
        shown = more;
    }
    const float scale = std::clamp(width / TextLineWidth(shown, 1.0f), kLeastScale, kScale);
    // Smaller lettering sits on the row's middle line.
    DrawTextLine(sprite, font, shown, x, y + (kRowHeight - static_cast<float>(fontsheet::kCellHeight) * scale) / 2.0f,
                 scale, color);
}

// The names of one column, as the players read them.
std::vector<std::string> Labels(const std::vector<std::string>& names, std::string (*label)(const std::string&))
{
    std::vector<std::string> labels;
    for (const std::string& name : names) labels.push_back(label(name));
    return labels;
}

std::string KeyName(const std::string& key)
{
    return KeyLabel(key);
}

} // namespace

std::string COptionsScreen::Text(TextId id) const
{
    return mpFrame->Texts().Get(id);
}

void COptionsScreen::Open()
{
    if (!mLoaded) {
        mpFont = mResources.LoadTexture(files::kFont);
        mpLabels = mResources.LoadTexture(files::kLabels);
        mpClick = mResources.LoadSound(files::kSndClick);
        Disable3D(mpClick);
        mLoaded = true;
    }
    mOpen = true;
    mRow = 0;
    mWaitFrames = 0;
    mMessage.clear();
    mMessageFrames = 0;
    mKeys.Prime(mpFrame->Input());
}

void COptionsScreen::Release()
{
    mOpen = false;
    mLoaded = false;
    mpFont = mpLabels = nullptr;
    mpClick = nullptr;
    mResources.ReleaseAll();
}

void COptionsScreen::Close()
{
    mOpen = false;
    mWaitFrames = 0;
    mMessage.clear();
    mpFrame->SaveSettings();
}

void COptionsScreen::Say(std::string message)
{
    mMessage = std::move(message);
    mMessageFrames = kMessageFrames;
}

void COptionsScreen::Update()
{
    if (!mOpen) return;
    if (mMessageFrames > 0 && --mMessageFrames == 0) mMessage.clear();
    platform::Controls* controls = mpFrame->Platform().controls;
    if (mWaitFrames > 0) {
        std::optional<platform::PhysicalPress> press;
        if (controls != nullptr) press = controls->TakePress();
        if (press) {
            mWaitFrames = 0;
            Bind(*press);
            mKeys.Prime(mpFrame->Input());
        } else if (--mWaitFrames == 0) {
            Say(Text(TextId::OptionsNothingChanged));
            mKeys.Prime(mpFrame->Input());
        }
        return;
    }
    mKeys.Update(mpFrame->Input());
    if (mKeys.Pressed(platform::VK_O)) {
        Close();
        return;
    }
    if (mKeys.Pressed(platform::VK_UP)) mRow = (mRow + kRowCount - 1) % kRowCount;
    if (mKeys.Pressed(platform::VK_DOWN)) mRow = (mRow + 1) % kRowCount;
    if (mKeys.Pressed(platform::VK_LEFT)) Change(-1);
    if (mKeys.Pressed(platform::VK_RIGHT)) Change(1);
    if (mKeys.Pressed(platform::VK_RETURN) || mKeys.Pressed(platform::VK_SPACE)) Select();
}

void COptionsScreen::Change(int direction)
{
    Settings settings = mpFrame->PlayerSettings();
    if (mRow == kMusic || mRow == kEffects) {
        int& volume = mRow == kMusic ? settings.musicVolume : settings.effectsVolume;
        volume = std::clamp(volume + direction, 0, Settings::kVolumeSteps);
        mpFrame->SetSettings(settings);
        // The music plays on at its new volume; an effect is played to be heard at its own.
        if (mRow == kEffects) RestartSound(mpClick);
    } else if (mRow == kFullscreen) {
        Select();
    }
}

void COptionsScreen::Select()
{
    Settings settings = mpFrame->PlayerSettings();
    platform::Controls* controls = mpFrame->Platform().controls;
    if (mRow == kFullscreen) {
        const bool now = controls != nullptr ? controls->Fullscreen() : settings.fullscreen == FullscreenSetting::Yes;
        if (controls != nullptr) controls->SetFullscreen(!now);
        settings.fullscreen = now ? FullscreenSetting::No : FullscreenSetting::Yes;
        mpFrame->SetSettings(settings);
    } else if (mRow >= kFirstAction && mRow < kReset) {
        if (controls == nullptr || !controls->TakesPresses()) {
            Say(Text(TextId::OptionsCannotBind));
            return;
        }
        mWaitFrames = kWaitFrames;
        mMessage = FillIn(Text(TextId::OptionsPress), {Text(NameOf(ActionOfRow(mRow)))});
        mMessageFrames = kWaitFrames;
    } else if (mRow == kReset) {
        settings.bindings = DefaultBindings();
        mpFrame->SetSettings(settings);
        Say(Text(TextId::OptionsResetDone));
    } else if (mRow == kBack) {
        Close();
    }
}

void COptionsScreen::Bind(const platform::PhysicalPress& press)
{
    const Action action = ActionOfRow(mRow);
    const std::string actionName = Text(NameOf(action));
    const bool button = press.kind == platform::PhysicalPress::Kind::Button;
    const std::string shown = button ? ButtonLabel(press.name) : KeyLabel(press.name);
    if (button ? IsReservedButton(press.name) : IsReservedKey(press.name)) {
        const bool fullscreenKey = !button && KeyLabel(press.name) == "F11";
        Say(FillIn(Text(fullscreenKey ? TextId::OptionsSwitchesFullscreen : TextId::OptionsQuits), {shown}));
        return;
    }
    Settings settings = mpFrame->PlayerSettings();
    const std::optional<Action> user =
        button ? ActionUsingButton(settings.bindings, press.name) : ActionUsingKey(settings.bindings, press.name);
    if (user && *user != action) {
        Say(FillIn(Text(TextId::OptionsUsed), {shown, Text(NameOf(*user))}));
        return;
    }
    (button ? settings.bindings.Buttons(action) : settings.bindings.Keys(action)) = {press.name};
    mpFrame->SetSettings(settings);
    Say(FillIn(Text(TextId::OptionsBound), {actionName, shown}));
}

void COptionsScreen::DrawRow(platform::Sprite* sprite, int row, float y) const
{
    const bool chosen = row == mRow;
    const platform::Color color = chosen ? kHudGold : kWhite;
    if (chosen) DrawPlateRect(sprite, mpLabels, kRowLeft, y - 3.0f, kRowWidth, kRowHeight + 6.0f, kChosenPlate);
    const Settings& settings = mpFrame->PlayerSettings();
    if (row == kMusic || row == kEffects) {
        DrawTextLine(sprite, mpFont, Text(row == kMusic ? TextId::OptionsMusic : TextId::OptionsEffects), kLabelX, y,
                     kScale, color);
        const int volume = row == kMusic ? settings.musicVolume : settings.effectsVolume;
        float x = kKeyX;
        x += DrawTextLine(sprite, mpFont, kArrowLeft, x, y, kScale, chosen ? kHudGold : kDimWhite) + 10.0f;
        for (int step = 1; step <= Settings::kVolumeSteps; ++step) {
            DrawPlateRect(sprite, mpLabels, x, y + 6.0f, 18.0f, kRowHeight - 12.0f,
                          step <= volume ? kHudGold : kBarEmpty);
            x += 24.0f;
        }
        x += 6.0f;
        x += DrawTextLine(sprite, mpFont, kArrowRight, x, y, kScale, chosen ? kHudGold : kDimWhite) + 16.0f;
        DrawTextLine(sprite, mpFont, std::to_string(volume), x, y, kScale, color);
    } else if (row == kFullscreen) {
        DrawTextLine(sprite, mpFont, Text(TextId::OptionsFullscreen), kLabelX, y, kScale, color);
        const platform::Controls* controls = mpFrame->Platform().controls;
        const bool on = controls != nullptr ? controls->Fullscreen() : settings.fullscreen == FullscreenSetting::Yes;
        DrawTextLine(sprite, mpFont, Text(on ? TextId::OptionsOn : TextId::OptionsOff), kKeyX, y, kScale, color);
    } else if (row < kReset) {
        const Action action = ActionOfRow(row);
        DrawTextLine(sprite, mpFont, Text(NameOf(action)), kLabelX, y, kScale, color);
        const bool waiting = chosen && mWaitFrames > 0;
        // While it waits, the line blinks where the new key or button goes, beside the seconds left.
        const std::string left = std::to_string((mWaitFrames + 59) / 60);
        const std::string blank = ((mWaitFrames / 20) % 2 == 0 ? "... " : "    ") + left;
        const std::vector<std::string> wait{blank};
        DrawColumn(sprite, mpFont, waiting ? wait : Labels(settings.bindings.Keys(action), KeyName), kKeyX, y,
                   kButtonX - kKeyX - 12.0f, color);
        DrawColumn(sprite, mpFont, waiting ? wait : Labels(settings.bindings.Buttons(action), ButtonLabel), kButtonX,
                   y, kRowLeft + kRowWidth - kButtonX - 8.0f, color);
    } else {
        DrawTextLine(sprite, mpFont, Text(row == kReset ? TextId::OptionsReset : TextId::OptionsBack), kLabelX, y,
                     kScale, color);
    }
}

void COptionsScreen::Draw(platform::Sprite* sprite) const
{
    if (!mOpen) return;
    DrawPlateRect(sprite, mpLabels, -640.0f, -360.0f, 2560.0f, 1440.0f, kShade);
    const std::string title = Text(TextId::OptionsTitle);
    DrawTextLine(sprite, mpFont, title, (1280.0f - TextLineWidth(title, 1.0f)) / 2.0f, 28.0f, 1.0f, kHudGold);
    for (int row = 0; row < kRowCount; ++row) DrawRow(sprite, row, RowTop(row));
    const float headTop = RowTop(kFirstAction) - 36.0f;
    DrawTextLine(sprite, mpFont, Text(TextId::OptionsKeyColumn), kKeyX, headTop, kScale, kHudGold);
    DrawTextLine(sprite, mpFont, Text(TextId::OptionsButtonColumn), kButtonX, headTop, kScale, kHudGold);

    // The last line: a message, or the keys that work this screen as they are bound now.
    const Bindings& b = mpFrame->PlayerSettings().bindings;
    PlateLine line;
    if (!mMessage.empty()) {
        line = {{mMessage, true}};
    } else {
        line = {{FirstKeyLabel(b, Action::Jump, true) + FirstKeyLabel(b, Action::Form, true), true},
                {" " + Text(TextId::OptionsChoose) + "   ", false},
                {FirstKeyLabel(b, Action::WalkLeft, true) + FirstKeyLabel(b, Action::WalkRight, true), true},
                {" " + Text(TextId::OptionsChange) + "   ", false},
                {FirstKeyLabel(b, Action::Start, true), true},
                {" " + Text(TextId::OptionsSelect) + "   ", false},
                {FirstKeyLabel(b, Action::Options, true), true},
                {" " + Text(TextId::OptionsBack), false}};
    }
    DrawKeyPlate(sprite, mpFont, mpLabels, line, 640.0f, 697.0f, 0.42f);
}

void COptionsScreen::WriteTrace(CTraceWriter& trace) const
{
    if (!mOpen) return;
    trace.BeginObject("options");
    trace.Field("row", mRow);
    trace.Field("waiting", mWaitFrames > 0);
    trace.Field("music", mpFrame->PlayerSettings().musicVolume);
    trace.Field("effects", mpFrame->PlayerSettings().effectsVolume);
    trace.EndObject();
}
