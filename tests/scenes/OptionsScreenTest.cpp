// The options over the title and the pause: volumes, full screen, bindings, and that nothing of
// the stage changes for having been in them.
#include <gtest/gtest.h>

#include <sstream>

#include "app/AssetFiles.h"
#include "app/FontSheet.h"
#include "app/SettingsFile.h"
#include "app/TraceWriter.h"
#include "platform/SdlSystem.h"
#include "scenes/Game.h"
#include "scenes/Title.h"
#include "support/DrawnPictures.h"
#include "support/StageFixture.h"

namespace {

using namespace platform;

// Flat ground on row 34, under the hero's start at (200, 1300).
const std::vector<std::string> kStage = {"", "", "", std::string(60, '1')};
constexpr int kTop = 31;

class OptionsOnTheTitle : public ::testing::Test {
protected:
    void SetUp() override
    {
        file = std::make_unique<CSettingsFile>(fixture.dir.Path() / "config" / "settings.ini");
        fixture.frame->StartSettings(Settings{}, file.get());
        title = std::make_unique<CTitle>(fixture.frame.get());
        title->Init();
    }
    void TearDown() override { title->Release(); }

    SceneId Frame(std::initializer_list<int> keys = {})
    {
        fixture.fake.keyboard.Hold(keys);
        return FakePlatform::Step(*title);
    }
    // A press and its release.
    void Tap(int key)
    {
        ASSERT_EQ(Frame({key}), SCENE_NONE);
        Frame();
    }
    void GoToRow(int row)
    {
        while (title->Options().Row() != row) Tap(VK_DOWN);
    }
    const Settings& Now() const { return fixture.frame->PlayerSettings(); }

    StageFixture fixture{kStage, kTop};
    std::unique_ptr<CSettingsFile> file;
    std::unique_ptr<CTitle> title;
};

TEST_F(OptionsOnTheTitle, OpenAndChangeTheVolumesHeardAtOnce)
{
    Frame();
    Tap(VK_O);
    ASSERT_TRUE(title->Options().IsOpen());
    CTraceWriter trace;
    title->WriteTrace(trace);
    EXPECT_NE(trace.Finish().find("\"options\":{\"row\":0"), std::string::npos);

    for (int i = 0; i < 4; ++i) Tap(VK_LEFT);
    EXPECT_EQ(Now().musicVolume, 6);
    EXPECT_FLOAT_EQ(fixture.fake.audio.MusicVolume(), VolumeGain(6));
    EXPECT_EQ(fixture.fake.audio.GroupOf("タイトル.wav"), SoundGroup::Music);
    Tap(VK_DOWN);
    fixture.fake.audio.TakeOperations();
    for (int i = 0; i < 12; ++i) Tap(VK_LEFT); // past silence stays silent
    EXPECT_EQ(Now().effectsVolume, 0);
    EXPECT_EQ(fixture.fake.audio.EffectsVolume(), 0.0f);
    Tap(VK_RIGHT);
    EXPECT_EQ(Now().effectsVolume, 1);
    // Each step of the effects plays one, to be heard at its new volume.
    const auto ops = fixture.fake.audio.TakeOperations();
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.back().file, "タイトルクリック.wav");
    EXPECT_EQ(ops.back().op, "restart");

    // Full screen switches at once, and the choice is kept.
    Tap(VK_DOWN);
    Tap(VK_RETURN);
    EXPECT_TRUE(fixture.fake.controls.Fullscreen());
    EXPECT_EQ(Now().fullscreen, FullscreenSetting::Yes);

    // O closes and keeps the settings in the file.
    EXPECT_FALSE(std::filesystem::exists(file->Path())) << "written when they are kept, not at each step";
    Tap(VK_O);
    EXPECT_FALSE(title->Options().IsOpen());
    Settings read;
    file->Load(read);
    EXPECT_EQ(read, Now());
}

// Options closed with a change the file cannot keep: said once, and the run's closing check
// still answers that what the player changed is not kept (the runners exit non-zero on it).
TEST_F(OptionsOnTheTitle, AChangeThatCannotBeKeptStaysAFailure)
{
    const auto notAFolder = fixture.dir.Write("not-a-folder", "");
    file = std::make_unique<CSettingsFile>(notAFolder / "settings.ini");
    fixture.frame->StartSettings(Settings{}, file.get());
    Frame();
    Tap(VK_O);
    Tap(VK_LEFT);
    testing::internal::CaptureStderr();
    Tap(VK_O);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(title->Options().IsOpen());
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("the settings are not kept"), std::string::npos) << said;

    testing::internal::CaptureStderr();
    EXPECT_FALSE(fixture.frame->SaveSettings()) << "the run's end";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "said once";

    // Once the change can be kept, it is, and the run ends well.
    file = std::make_unique<CSettingsFile>(fixture.dir.Path() / "config" / "settings.ini");
    fixture.frame->StartSettings(Now(), file.get());
    EXPECT_TRUE(fixture.frame->SaveSettings()) << "nothing changed since the start";
    // The start-up answer was not kept (said then): a failure, until a change is kept.
    fixture.frame->StartSettings(Now(), file.get(), false);
    EXPECT_FALSE(fixture.frame->SaveSettings());
    Tap(VK_O);
    Tap(VK_LEFT);
    Tap(VK_O);
    EXPECT_TRUE(fixture.frame->SaveSettings());
    Settings read;
    file->Load(read);
    EXPECT_EQ(read.musicVolume, Settings::kVolumeSteps - 2);
}

TEST_F(OptionsOnTheTitle, BindAKeyAndAButtonToAnAction)
{
    Frame();
    Tap(VK_O);
    GoToRow(COptionsScreen::kFirstAction + static_cast<int>(Action::Jump));
    Tap(VK_RETURN);
    ASSERT_TRUE(title->Options().Waiting());
    EXPECT_EQ(title->Options().Message(), "PRESS A KEY OR BUTTON FOR JUMP");
    fixture.fake.controls.Press(PhysicalPress::Kind::Key, "W");
    Frame();
    EXPECT_FALSE(title->Options().Waiting());
    EXPECT_EQ(Now().bindings.Keys(Action::Jump), std::vector<std::string>{"W"});
    EXPECT_EQ(Now().bindings.Buttons(Action::Jump), (std::vector<std::string>{"a", "dpup"})) << "buttons stay";
    EXPECT_EQ(title->Options().Message(), "JUMP: W");
    // The platform was handed the new map at once.
    const auto& keys = fixture.fake.controls.Map().keys;
    EXPECT_NE(std::find(keys.begin(), keys.end(), std::pair<std::string, int>{"W", VK_UP}), keys.end());
    EXPECT_EQ(std::find(keys.begin(), keys.end(), std::pair<std::string, int>{"Up", VK_UP}), keys.end());

    Tap(VK_RETURN);
    fixture.fake.controls.Press(PhysicalPress::Kind::Button, "leftstick");
    Frame();
    EXPECT_EQ(Now().bindings.Buttons(Action::Jump), std::vector<std::string>{"leftstick"});
}

// The letters the font draws between x `from` and `to`, left to right (spaces are not drawn).
std::string LetteredBetween(const std::vector<DrawCall>& draws, float from, float to, float top, float bottom)
{
    std::vector<std::pair<float, char>> found;
    const std::string font = std::string(files::kFont).substr(std::string(files::kFont).find_last_of('/') + 1);
    for (const DrawCall& draw : DrawsOf(draws, font)) {
        platform::Vec2 at = DrawnTopLeft(draw);
        at.x += draw.transform.m[0][0] * fontsheet::kCellWidth / 2.0f; // the character's middle
        if (at.x < from || at.x >= to || at.y < top || at.y >= bottom) continue;
        const int index = (draw.source.top / fontsheet::kCellHeight) * fontsheet::kColumns +
                          draw.source.left / fontsheet::kCellWidth;
        found.emplace_back(at.x, static_cast<char>(fontsheet::kFirst + index));
    }
    std::sort(found.begin(), found.end());
    std::string text;
    for (const auto& [x, c] : found) text += c;
    return text;
}

// Every key of an action is named in its column, however many; the wait for a new one counts
// its seconds down.
TEST_F(OptionsOnTheTitle, TheKeyColumnNamesEveryKeyAndTheWaitCountsDown)
{
    // A stand-in font, which the options load when they first open: the letters are drawn.
    const auto textures = fixture.dir.Path() / "Resource/Texture";
    std::filesystem::copy_file(textures / "Labels.png", textures / "Font.png");
    Frame();
    Tap(VK_O);
    const int startRow = COptionsScreen::kFirstAction + static_cast<int>(Action::Start);
    GoToRow(startRow);
    // The chosen row's band: its plate is drawn first, at the row's top.
    auto rowText = [&] {
        const std::vector<DrawCall> draws = fixture.fake.DrawFrame(*title);
        float top = 0.0f;
        for (const DrawCall& draw : draws) {
            if (draw.color == 0x50FFD54Fu) top = DrawnTopLeft(draw).y; // the chosen row's plate
        }
        return LetteredBetween(draws, 560.0f, 850.0f, top, top + 27.0f); // rows are 27 pixels apart
    };
    EXPECT_EQ(rowText(), "ENTER/KPENTER");
    Tap(VK_RETURN);
    ASSERT_TRUE(title->Options().Waiting());
    EXPECT_EQ(rowText(), "...5");
    for (int i = 0; i < 60; ++i) Frame();
    const std::string later = rowText(); // the dots blink beside the seconds
    EXPECT_TRUE(later == "...4" || later == "4") << later;
}

TEST_F(OptionsOnTheTitle, AKeyInUseOrReservedIsRefusedWithAMessage)
{
    Frame();
    Tap(VK_O);
    GoToRow(COptionsScreen::kFirstAction + static_cast<int>(Action::Jump));
    struct Case {
        PhysicalPress::Kind kind;
        const char* name;
        const char* message;
    };
    const Case cases[] = {
        {PhysicalPress::Kind::Key, "Space", "SPACE IS ALREADY USED FOR BUBBLE"},
        {PhysicalPress::Kind::Button, "b", "B IS ALREADY USED FOR BUBBLE"},
        {PhysicalPress::Kind::Key, "F11", "F11 SWITCHES FULL SCREEN"},
        {PhysicalPress::Kind::Button, "back", "BACK QUITS THE GAME"},
    };
    const Bindings before = Now().bindings;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Tap(VK_RETURN);
        fixture.fake.controls.Press(c.kind, c.name);
        Frame();
        EXPECT_EQ(title->Options().Message(), c.message);
        EXPECT_EQ(Now().bindings, before);
    }
    // Nothing pressed: after a few seconds the wait ends and nothing changed.
    Tap(VK_RETURN);
    for (int f = 0; f < COptionsScreen::kWaitFrames - 2; ++f) Frame({VK_RETURN, VK_O}); // the game's keys do nothing
    EXPECT_TRUE(title->Options().Waiting());
    Frame();
    EXPECT_FALSE(title->Options().Waiting());
    EXPECT_EQ(title->Options().Message(), "NOTHING CHANGED");
    EXPECT_TRUE(title->Options().IsOpen());

    // The reset brings every default back.
    Settings changed = Now();
    changed.bindings.Keys(Action::Bubble) = {"J"};
    fixture.frame->SetSettings(changed);
    Frame();
    GoToRow(COptionsScreen::kReset);
    Tap(VK_SPACE);
    EXPECT_EQ(Now().bindings, DefaultBindings());
}

// A run that cannot take presses (recorded or replayed) says so instead of waiting.
TEST_F(OptionsOnTheTitle, NoBindingInARunWithoutItsOwnKeys)
{
    ScriptedControls scripted(nullptr, false);
    fixture.frame.reset();
    platform::Platform services = fixture.fake.Services();
    services.controls = &scripted;
    title->Release();
    fixture.frame = std::make_unique<CGameFrameConstruct>(services);
    fixture.frame->Init();
    title = std::make_unique<CTitle>(fixture.frame.get());
    title->Init();
    Frame();
    Tap(VK_O);
    GoToRow(COptionsScreen::kFirstAction);
    Tap(VK_RETURN);
    EXPECT_FALSE(title->Options().Waiting());
    EXPECT_EQ(title->Options().Message(), "KEYS ARE NOT CHANGED IN A RECORDED OR REPLAYED RUN");
}

// BACK chosen with Enter closes the options; that Enter, still held, does not start the stage.
TEST_F(OptionsOnTheTitle, TheEnterThatClosesThemStartsNothing)
{
    Frame();
    Tap(VK_O);
    GoToRow(COptionsScreen::kBack);
    for (int f = 0; f < 10; ++f) EXPECT_EQ(Frame({VK_RETURN}), SCENE_NONE) << f;
    EXPECT_FALSE(title->Options().IsOpen());
    Frame();
    EXPECT_EQ(Frame({VK_RETURN}), SCENE_GAME);
}

// The hero's walk read through the SDL keyboard, bound as the player chose.
TEST(BindingsTest, AReboundKeyMovesTheHeroAndTheOldOneNoLonger)
{
    StageFixture fixture(kStage, kTop);
    auto game = fixture.MakeGame();
    SdlKeyboard keyboard;
    Bindings bindings = DefaultBindings();
    bindings.Keys(Action::WalkRight) = {"D"};
    keyboard.SetInputMap(ToInputMap(bindings));
    auto hold = [&](SDL_Scancode code, int frames) {
        for (int f = 0; f < frames; ++f) {
            SDL_Event event{};
            event.type = SDL_KEYDOWN;
            event.key.keysym.scancode = code;
            keyboard.NoteEvent(event); // a tap every frame holds the key
            keyboard.Refresh({});
            fixture.frame->SetInput(FrameInput::Read(&keyboard));
            game->Update();
        }
    };
    hold(SDL_SCANCODE_UNKNOWN, 30); // settle on the ground
    const float start = game->GetPlayer().GetPos().x;
    hold(SDL_SCANCODE_RIGHT, 30);
    EXPECT_EQ(game->GetPlayer().GetPos().x, start) << "Right walks no more";
    hold(SDL_SCANCODE_D, 30);
    EXPECT_GT(game->GetPlayer().GetPos().x, start + 50.0f) << "D walks right";
}

// Options opened from the pause: the sound plays while they are open, and the stage goes on
// after the pause exactly as it would have without them.
TEST(OptionsFromThePauseTest, TheStageIsUntouched)
{
    auto run = [](bool withOptions) {
        StageFixture fixture(kStage, kTop);
        auto game = fixture.MakeGame();
        std::vector<std::vector<int>> keys(200);
        for (int f = 10; f < 40; ++f) keys[f] = {VK_RIGHT};
        keys[40] = {VK_RIGHT, VK_P}; // pause, holding Right
        for (int f = 41; f < 150; ++f) keys[f] = {VK_RIGHT};
        if (withOptions) {
            const std::vector<std::vector<int>> inOptions = {{VK_O},     {}, {VK_DOWN}, {}, {VK_LEFT}, {}, {VK_UP}, {},
                                                             {VK_SPACE}, {}, {VK_LEFT}, {}, {VK_O},    {}};
            for (size_t i = 0; i < inOptions.size(); ++i) keys[60 + i] = inOptions[i];
        }
        keys[120] = {VK_RIGHT, VK_P}; // resume
        bool soundDuringOptions = false;
        for (size_t f = 0; f < keys.size(); ++f) {
            fixture.fake.keyboard.ReleaseAll();
            for (int k : keys[f]) fixture.fake.keyboard.Press(k);
            FakePlatform::Step(*game);
            if (f == 62) soundDuringOptions = !fixture.fake.audio.Paused();
        }
        EXPECT_EQ(soundDuringOptions, withOptions);
        EXPECT_FALSE(fixture.fake.audio.Paused());
        const platform::Vec2 at = game->GetPlayer().GetPos();
        game->Release();
        return std::pair{at, fixture.frame->PlayerSettings().musicVolume};
    };
    const auto plain = run(false);
    const auto options = run(true);
    EXPECT_EQ(plain.first.x, options.first.x);
    EXPECT_EQ(plain.first.y, options.first.y);
    EXPECT_EQ(options.second, Settings::kVolumeSteps - 1) << "the options did take the keys";
}

} // namespace
