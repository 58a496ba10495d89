// zem: the game in an SDL window with the real clock, keyboard, controllers and sound.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "app/ClockReplay.h"
#include "app/CommandLine.h"
#include "app/DataStamp.h"
#include "app/GameFrame.h"
#include "app/KeyTimeline.h"
#include "app/Quote.h"
#include "app/RunRecorder.h"
#include "app/SettingsFile.h"
#include "app/Texts.h"
#include "platform/BootClock.h"
#include "platform/DataDirectory.h"
#include "platform/HeadlessWindow.h"
#include "platform/RegularFile.h"
#include "platform/ScriptedControls.h"
#include "platform/ScriptedKeyboard.h"
#include "platform/SdlAudio.h"
#include "platform/SdlSystem.h"
#include "platform/UserFiles.h"
#include "scenes/SceneFactory.h"
#include "scenes/StagePicker.h"

namespace {

void ReportStartupFailure(const std::string& text)
{
    std::fprintf(stderr, "zem: %s\n", text.c_str());
    platform::ShowErrorBox("ERROR", text);
}

// The game reads its data by paths relative to the working directory: move there, wherever
// the game was started from. Without the data the game starts anyway, as it would without
// some of its files.
void EnterDataDirectory()
{
    const auto programDir = platform::ProgramDirectory();
    const auto dataDir = platform::FindDataDirectory(programDir, ZEM_INSTALLED_DATA_DIR);
    if (!dataDir) {
        std::fprintf(
            stderr,
            "zem: game data (TitleMap.txt, Resource/) not found beside %s or in %s; using the current directory\n",
            QuotePath(programDir).c_str(), QuotePath(ZEM_INSTALLED_DATA_DIR).c_str());
        return;
    }
    if (chdir(dataDir->c_str()) != 0) {
        std::fprintf(stderr, "zem: %s: cannot enter the data directory\n", QuotePath(*dataDir).c_str());
    }
}

platform::FullscreenChoice ChoiceOf(const CommandLine& commandLine, const Settings& settings)
{
    switch (FullscreenAtStart(commandLine.fullscreen, std::getenv("ZEM_FULLSCREEN"), settings.fullscreen)) {
    case FullscreenSetting::Yes: return platform::FullscreenChoice::Fullscreen;
    case FullscreenSetting::No: return platform::FullscreenChoice::Windowed;
    case FullscreenSetting::Ask: break;
    }
    return platform::FullscreenChoice::Ask;
}

platform::FullscreenQuestion QuestionOf(const CTexts& texts)
{
    platform::FullscreenQuestion question;
    question.caption = texts.Get(TextId::QuestionCaption);
    question.text = texts.Get(TextId::QuestionText);
    question.yes = texts.Get(TextId::QuestionYes);
    question.no = texts.Get(TextId::QuestionNo);
    question.yesAlways = texts.Get(TextId::QuestionYesAlways);
    question.noAlways = texts.Get(TextId::QuestionNoAlways);
    return question;
}

// The player's settings file; none when the directory cannot be told.
std::optional<CSettingsFile> UserSettings()
{
    const auto dir = platform::UserConfigDirectory();
    if (!dir) {
        std::fprintf(stderr, "zem: no user settings directory (HOME is not set); the settings are not kept\n");
        return std::nullopt;
    }
    return CSettingsFile(*dir / "settings.ini");
}

// Reads a recorded run; false (said in one line) when it cannot be read.
bool LoadReplay(const std::string& file, KeyTimeline& timeline)
{
    std::string error;
    std::ifstream in;
    if (platform::IsRegularFile(file, error)) in.open(file);
    if (!in.is_open() || !in) {
        std::fprintf(stderr, "zem: %s: cannot read the recording%s%s\n", QuotePath(file).c_str(),
                     error.empty() ? "" : ": ", error.c_str());
        return false;
    }
    if (!timeline.Parse(in, file, error)) {
        std::fprintf(stderr, "zem: %s\n", error.c_str());
        return false;
    }
    return true;
}

// The best results in the user's data directory; none when the directory cannot be told.
std::optional<CBestResultsFile> UserBestResults()
{
    const auto dir = platform::UserDataDirectory();
    if (!dir) {
        std::fprintf(stderr, "zem: no user data directory (HOME is not set); the best results are not kept\n");
        return std::nullopt;
    }
    CBestResultsFile bests(*dir / "best-results.txt");
    bests.Load();
    return bests;
}

// The game's own stages, then those the player put in the user data directory's "stages".
std::vector<StageDescription> AllStages()
{
    std::vector<StageDescription> stages = GameStages();
    if (const auto dir = platform::UserDataDirectory()) {
        for (auto& stage : PlayerStages(*dir / "stages")) stages.push_back(std::move(stage));
    }
    return stages;
}

// What the game sees in a recorded or replayed run: the keys of the timeline's names and the
// loss of the window's focus, as keys of a scripted keyboard.
void CopyRealKeys(platform::SdlSystem& system, platform::ScriptedKeyboard& keys)
{
    keys.ReleaseAll();
    for (int vk = 0; vk < 256; ++vk) {
        if (system.Keyboard().IsDown(vk)) keys.Press(vk);
    }
    if (system.TakeFocusLost()) keys.Press(platform::VK_FOCUS_LOST);
}

// The files of a recorded or replayed run, opened before the window: a run that cannot be
// recorded or replayed does not start.
struct RunFiles {
    std::string recordFile;
    std::string replayFile;
    KeyTimeline replay;
    std::ofstream recordOut;

    bool Recording() const { return !recordFile.empty(); }
    bool Replaying() const { return !replayFile.empty(); }
};

// False (said in one line) when a file named on the command line cannot be used.
bool OpenRunFiles(const CommandLine& commandLine, RunFiles& files)
{
    // Named from where the game was started, before it moves to its data.
    if (!commandLine.recordFile.empty()) files.recordFile = std::filesystem::absolute(commandLine.recordFile).string();
    if (!commandLine.replayFile.empty()) files.replayFile = std::filesystem::absolute(commandLine.replayFile).string();
    EnterDataDirectory();
    if (files.Replaying() && !LoadReplay(files.replayFile, files.replay)) return false;
    if (files.Recording()) {
        files.recordOut.open(files.recordFile, std::ios::trunc);
        if (!files.recordOut) {
            std::fprintf(stderr, "zem: %s: cannot write the recording\n", QuotePath(files.recordFile).c_str());
            return false;
        }
    }
    return true;
}

// The stages the title lists: the game's own, then the player's. A replay lists those its
// recording's title listed, the game's own alone when the recording names none of the player's;
// false (said in one line) when the game data or the player's stages are not those it was
// recorded with.
bool ListStages(const RunFiles& files, std::vector<StageDescription>& stages)
{
    if (!files.Replaying()) {
        stages = AllStages();
        return true;
    }
    stages = files.replay.StagesStamp().empty() ? GameStages() : AllStages();
    const std::string problem = RecordedDataProblem(files.replay.DataStamp(), files.replay.StagesStamp(), stages);
    if (problem.empty()) return true;
    std::fprintf(stderr, "zem: %s: %s; not replayed\n", QuotePath(files.replayFile).c_str(), problem.c_str());
    return false;
}

// The window, the renderer and the controllers; null after the start-up failure is shown. An
// answer to the start-up question that the player asked to keep goes into `settings` and its
// file; `kept` false when it could not be written there.
std::unique_ptr<platform::SdlSystem> StartWindow(const CommandLine& commandLine, const CTexts& texts,
                                                 Settings& settings, const CSettingsFile* settingsFile, bool& kept)
{
    platform::StartupFailure failure = platform::StartupFailure::None;
    std::string detail;
    platform::SdlOptions options;
    options.fullscreen = ChoiceOf(commandLine, settings);
    options.question = QuestionOf(texts);
    bool remember = false;
    std::unique_ptr<platform::SdlSystem> system = platform::SdlSystem::Create(options, failure, detail, &remember);
    if (system) {
        if (remember) {
            settings.fullscreen = system->Fullscreen() ? FullscreenSetting::Yes : FullscreenSetting::No;
            if (settingsFile != nullptr) kept = settingsFile->Save(settings);
        }
        return system;
    }
    switch (failure) {
    case platform::StartupFailure::Video:
        ReportStartupFailure("Direct3D の作成に失敗しました。");
        break;
    case platform::StartupFailure::Window:
        std::fprintf(stderr, "zem: assertion failed: mpHwnd != nullptr\n");
        break;
    default:
        ReportStartupFailure("DirectX9が初期化できません。\n未対応のパソコンと思われます。");
        break;
    }
    std::fprintf(stderr, "zem: (%s)\n", detail.c_str());
    return nullptr;
}

// Runs frames until the window closes or Escape is pressed (a replay: until its end); returns
// the number of frames played. A recorded or replayed run plays on scripted keys, so that the
// recording holds exactly what the game saw.
long PlayFrames(platform::SdlSystem& system, CGameFrameConstruct& frame, RunFiles& files,
                platform::ScriptedKeyboard& scriptedKeys, CRunRecorder* recorder)
{
    long played = 0;
    // Every waiting event is handled before the next frame runs.
    while (system.PumpEvents()) {
        const long next = played + 1;
        if (files.Replaying()) {
            if (files.replay.EscapeFrame() != 0 && next >= files.replay.EscapeFrame()) break;
            scriptedKeys.ReleaseAll();
            for (int vk : files.replay.KeysAt(next)) scriptedKeys.Press(vk);
        } else if (recorder != nullptr) {
            CopyRealKeys(system, scriptedKeys);
            recorder->Keys(next, scriptedKeys);
        }
        frame.RunFrame();
        played = next;
    }
    return played;
}

// What the command line asks for before anything starts: help, the version, or a mistake.
// Returns the exit status then; nothing when the game is to be played.
std::optional<int> AnswerCommandLine(const CommandLine& commandLine)
{
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::printf("zem %s\n", ZEM_VERSION);
        return 0;
    case CommandLine::Action::Error:
        std::fprintf(stderr, "zem: %s\n", commandLine.error.c_str());
        return 2;
    case CommandLine::Action::Play:
        break;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    const CommandLine commandLine =
        ParseCommandLine(std::span<const char* const>(argv + 1, static_cast<size_t>(argc > 0 ? argc - 1 : 0)));
    if (const std::optional<int> status = AnswerCommandLine(commandLine)) return *status;
    RunFiles files;
    if (!OpenRunFiles(commandLine, files)) return 2;
    std::vector<StageDescription> stages;
    if (!ListStages(files, stages)) return 2;
    // The game's words in the player's language, from the data directory.
    CTexts texts;
    texts.Load(TextFileOf(PlayerLanguage()));
    // A replay plays with the player's volumes but never changes the file.
    Settings settings;
    std::optional<CSettingsFile> settingsFile = UserSettings();
    if (settingsFile) settingsFile->Load(settings);
    if (files.Replaying()) settingsFile.reset();
    bool settingsKept = true;
    std::unique_ptr<platform::SdlSystem> system =
        StartWindow(commandLine, texts, settings, settingsFile ? &*settingsFile : nullptr, settingsKept);
    if (!system) return 1;

    platform::BootClock clock;
    // Without a sound device the game goes on silent (the device says so once).
    platform::SdlAudio audio;
    platform::Platform services;
    services.window = system.get();
    services.device = &system->Device();
    services.sprite = &system->Sprite();
    services.keyboard = &system->Keyboard();
    services.clock = &clock;
    services.audio = &audio;
    services.controls = system.get();
    platform::ScriptedKeyboard scriptedKeys;
    platform::HeadlessWindow scriptedWindow(scriptedKeys);
    // A recorded or replayed run holds the game's keys alone, so it takes no presses to bind.
    platform::ScriptedControls scriptedControls(system.get(), false);
    if (files.Recording() || files.Replaying()) {
        services.keyboard = &scriptedKeys;
        services.window = &scriptedWindow;
        services.controls = &scriptedControls;
    }

    // A replay leaves the best results alone, and opens the stages its run had open.
    std::optional<CBestResultsFile> bests;
    if (!files.Replaying()) bests = UserBestResults();
    std::optional<CRunRecorder> recorder;
    if (files.Recording()) {
        recorder.emplace(files.recordOut, GameDataStamp(), OpenOwnStages(stages, bests ? &*bests : nullptr),
                         PlayerStagesStamp(stages));
    }
    std::optional<CClockReplay> clockReplay;
    if (files.Replaying()) clockReplay.emplace(files.replay.TakeClockReadings(), files.replayFile);

    auto frame = std::make_unique<CGameFrameConstruct>(services);
    frame->Init();
    frame->SetTexts(&texts);
    frame->StartSettings(settings, settingsFile ? &*settingsFile : nullptr, settingsKept);
    if (bests) frame->SetBestResults(&*bests);
    frame->SetStages(std::move(stages));
    if (files.Replaying()) frame->OpenStagesUpTo(std::max(files.replay.OpenStages(), 1) - 1);
    if (recorder) frame->SetSeedClockHook(&*recorder);
    if (clockReplay) frame->SetSeedClockHook(&*clockReplay);
    frame->Start(CreateScene);
    const long played = PlayFrames(*system, *frame, files, scriptedKeys, recorder ? &*recorder : nullptr);

    int status = 0;
    // What the options changed, if the game ended with them open; what the player changed and
    // the game could not keep (said when the write failed) is no success.
    if (!frame->SaveSettings()) status = 1;
    if (recorder && (!recorder->Finish(played) || (files.recordOut.close(), !files.recordOut))) {
        std::fprintf(stderr, "zem: %s: the recording could not be written completely\n",
                     QuotePath(files.recordFile).c_str());
        status = 1; // a recording that did not reach the disk is no success
    }
    if (files.Replaying()) {
        const BaseScene* scene = frame->SceneManager().Current();
        std::printf("zem: replay ended after frame %ld in the %s scene with score %d\n", played,
                    scene != nullptr ? scene->TraceName() : "no", frame->mScore);
    }
    frame.reset();
    return status;
}
