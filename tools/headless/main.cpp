// zem-headless: the real game for a fixed number of frames, without a visible window and
// without waiting: scripted keys, a virtual clock, an offscreen renderer (or none).
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "app/ClockReplay.h"
#include "app/DataStamp.h"
#include "app/GameFrame.h"
#include "app/KeyTimeline.h"
#include "app/Quote.h"
#include "app/SettingsFile.h"
#include "app/TraceWriter.h"
#include "platform/HeadlessDevice.h"
#include "platform/HeadlessWindow.h"
#include "platform/RecordingAudio.h"
#include "platform/RecordingSprite.h"
#include "platform/RegularFile.h"
#include "platform/ScriptedControls.h"
#include "platform/ScriptedKeyboard.h"
#include "platform/SdlSystem.h"
#include "platform/VirtualClock.h"
#include "scenes/SceneFactory.h"

namespace {

// About 19 days of play at 60 frames a second.
constexpr long kMaxFrames = 100'000'000;
// The highest stage number --stage takes.
constexpr long kMostStages = 1000;
// How much of an option's value a message quotes.
constexpr size_t kOptionShown = 64;

struct Options {
    std::string dir;
    long frames = 600;
    bool framesGiven = false;
    std::string bestFile;
    std::string settingsFile;
    std::string keysFile;
    std::string traceFile;
    std::multimap<long, std::string> shots;
    bool noRender = false;
    long stage = 0;          // 1-based; 0: the title's own choice
    std::string stagesDir;   // a player's stages, listed after the game's own
};

void Usage()
{
    std::fprintf(stderr, "usage: zem-headless [--dir DIR] [--frames N] [--keys FILE] [--trace FILE]\n"
                         "                    [--shot FRAME:FILE.png]... [--no-render] [--best FILE]\n"
                         "                    [--stage N] [--stages DIR] [--settings FILE]\n");
}

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "zem-headless: %s needs a value\n", arg.c_str());
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string text;
        if (arg == "--dir") {
            if (!value(options.dir)) return false;
        } else if (arg == "--frames") {
            if (!value(text)) return false;
            char* end = nullptr;
            errno = 0;
            options.frames = std::strtol(text.c_str(), &end, 10);
            options.framesGiven = true;
            if (text.empty() || *end != '\0' || errno == ERANGE || options.frames < 0 || options.frames > kMaxFrames) {
                std::fprintf(stderr, "zem-headless: --frames: %s is not a frame count (0 to %ld)\n",
                             Quote(text, kOptionShown).c_str(), kMaxFrames);
                return false;
            }
        } else if (arg == "--keys") {
            if (!value(options.keysFile)) return false;
        } else if (arg == "--trace") {
            if (!value(options.traceFile)) return false;
        } else if (arg == "--shot") {
            if (!value(text)) return false;
            const auto colon = text.find(':');
            char* end = nullptr;
            errno = 0;
            const long frame = colon == std::string::npos ? 0 : std::strtol(text.c_str(), &end, 10);
            if (colon == std::string::npos || end != text.c_str() + colon || errno == ERANGE || frame < 1 ||
                colon + 1 == text.size()) {
                std::fprintf(stderr, "zem-headless: --shot: %s is not FRAME:FILE.png\n",
                             Quote(text, kOptionShown).c_str());
                return false;
            }
            options.shots.emplace(frame, text.substr(colon + 1));
        } else if (arg == "--best") {
            if (!value(options.bestFile)) return false;
        } else if (arg == "--settings") {
            if (!value(options.settingsFile)) return false;
        } else if (arg == "--stage") {
            if (!value(text)) return false;
            char* end = nullptr;
            errno = 0;
            options.stage = std::strtol(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0' || errno == ERANGE || options.stage < 1 || options.stage > kMostStages) {
                std::fprintf(stderr, "zem-headless: --stage: %s is not a stage number (1 to %ld)\n",
                             Quote(text, kOptionShown).c_str(), kMostStages);
                return false;
            }
        } else if (arg == "--stages") {
            if (!value(options.stagesDir)) return false;
        } else if (arg == "--no-render") {
            options.noRender = true;
        } else if (arg == "--help" || arg == "-h") {
            Usage();
            std::exit(0);
        } else {
            std::fprintf(stderr, "zem-headless: unknown option %s\n", Quote(arg, kOptionShown).c_str());
            return false;
        }
    }
    return true;
}

// Paths given on the command line stay relative to where the runner was started.
std::string Absolute(const std::string& path, const std::string& startDir)
{
    if (path.empty() || path[0] == '/') return path;
    return startDir + "/" + path;
}

// False when the line could not be written.
bool WriteTraceLine(std::FILE* out, long frame, platform::VirtualClock& clock, CGameFrameConstruct& game,
                    platform::RecordingAudio& audio)
{
    CTraceWriter trace;
    trace.Field("frame", static_cast<long long>(frame));
    trace.Field("ms", static_cast<long long>(clock.Now()));
    BaseScene* scene = game.SceneManager().Current();
    trace.Field("scene", scene != nullptr ? scene->TraceName() : "none");
    trace.Field("score", game.mScore);
    trace.Field("scoreTotal", game.mScoreTotal);
    trace.BeginArray("respawn");
    trace.Value(game.mRespawnPos.x);
    trace.Value(game.mRespawnPos.y);
    trace.EndArray();
    trace.Field("retry", game.mRetry);
    trace.BeginArray("sounds");
    for (const auto& op : audio.TakeOperations()) {
        trace.BeginObject();
        trace.Field("file", op.file);
        trace.Field("op", op.op);
        trace.EndObject();
    }
    trace.EndArray();
    if (scene != nullptr) scene->WriteTrace(trace);
    std::string line = trace.Finish();
    line += '\n';
    return std::fwrite(line.data(), 1, line.size(), out) == line.size();
}

// Further shots of one frame are copies of the first.
bool CopyFile(const std::string& from, const std::string& to)
{
    std::error_code error;
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
    return !error;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        Usage();
        return 2;
    }
    // Two shots into one file: the second would silently replace the first.
    std::set<std::string> shotFiles;
    for (const auto& [frame, file] : options.shots) {
        if (!shotFiles.insert(file).second) {
            std::fprintf(stderr, "zem-headless: --shot: %s is named twice\n", QuotePath(file).c_str());
            return 2;
        }
    }
    if (options.noRender && !options.shots.empty()) {
        std::fprintf(stderr, "zem-headless: --shot needs rendering; drop --no-render\n");
        return 2;
    }
    if (!options.shots.empty() && options.shots.rbegin()->first > options.frames) {
        std::fprintf(stderr, "zem-headless: --shot: frame %ld is beyond --frames %ld\n", options.shots.rbegin()->first,
                     options.frames);
        return 2;
    }

    char startBuffer[4096] = {};
    const std::string startDir = getcwd(startBuffer, sizeof(startBuffer)) != nullptr ? startBuffer : ".";

    KeyTimeline timeline;
    if (!options.keysFile.empty()) {
        const std::string keysPath = Absolute(options.keysFile, startDir);
        std::string problem;
        std::ifstream keys;
        if (platform::IsRegularFile(keysPath, problem)) keys.open(keysPath);
        if (!keys.is_open() || !keys) {
            std::fprintf(stderr, "zem-headless: %s: cannot open the key timeline%s%s\n",
                         QuotePath(options.keysFile).c_str(), problem.empty() ? "" : ": ", problem.c_str());
            return 2;
        }
        std::string error;
        if (!timeline.Parse(keys, options.keysFile, error)) {
            std::fprintf(stderr, "zem-headless: %s\n", error.c_str());
            return 2;
        }
    }

    std::FILE* traceOut = nullptr;
    if (!options.traceFile.empty()) {
        traceOut = std::fopen(Absolute(options.traceFile, startDir).c_str(), "w");
        if (traceOut == nullptr) {
            std::fprintf(stderr, "zem-headless: %s: cannot write the trace\n", QuotePath(options.traceFile).c_str());
            return 2;
        }
    }
    std::multimap<long, std::string> shots;
    for (const auto& [frame, file] : options.shots) shots.emplace(frame, Absolute(file, startDir));

    if (!options.dir.empty() && chdir(options.dir.c_str()) != 0) {
        std::fprintf(stderr, "zem-headless: %s: cannot enter the directory\n", QuotePath(options.dir).c_str());
        return 2;
    }

    // The game's own stages and any the player made.
    std::vector<StageDescription> stages = GameStages();
    if (!options.stagesDir.empty()) {
        for (auto& stage : PlayerStages(Absolute(options.stagesDir, startDir))) stages.push_back(std::move(stage));
    }

    // A recorded run: the same game data and the same stages of the player's own (none unless the
    // recording names them), the recorded clock readings, and (unless --frames says otherwise) up
    // to the recording's end.
    std::optional<CClockReplay> clockReplay;
    if (!timeline.DataStamp().empty()) {
        const std::string problem = RecordedDataProblem(timeline.DataStamp(), timeline.StagesStamp(), stages);
        if (!problem.empty()) {
            std::fprintf(stderr, "zem-headless: %s: %s; not replayed\n", QuotePath(options.keysFile).c_str(),
                         problem.c_str());
            return 2;
        }
        clockReplay.emplace(timeline.TakeClockReadings(), options.keysFile);
        if (!options.framesGiven && timeline.EscapeFrame() != 0) options.frames = timeline.EscapeFrame();
    }
    // The user's own best results are never touched unless a file is named.
    std::optional<CBestResultsFile> bests;
    if (!options.bestFile.empty()) {
        bests.emplace(Absolute(options.bestFile, startDir));
        bests->Load();
    }

    // Nor the user's own settings: the defaults, or a file named here, which the options change.
    Settings settings;
    std::optional<CSettingsFile> settingsFile;
    if (!options.settingsFile.empty()) {
        settingsFile.emplace(Absolute(options.settingsFile, startDir));
        settingsFile->Load(settings);
    }

    platform::ScriptedKeyboard keyboard;
    platform::ScriptedControls controls;
    platform::VirtualClock clock;
    platform::RecordingAudio audio;
    platform::HeadlessWindow window(keyboard);

    std::unique_ptr<platform::SdlSystem> system;
    std::unique_ptr<platform::HeadlessDevice> headlessDevice;
    std::unique_ptr<platform::RecordingSprite> recordingSprite;
    platform::Platform services;
    services.window = &window;
    services.keyboard = &keyboard;
    services.clock = &clock;
    services.audio = &audio;
    services.controls = &controls;
    if (options.noRender) {
        headlessDevice = std::make_unique<platform::HeadlessDevice>();
        recordingSprite = std::make_unique<platform::RecordingSprite>(*headlessDevice);
        recordingSprite->SetKeepDraws(false);
        services.device = headlessDevice.get();
        services.sprite = recordingSprite.get();
    } else {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        // Nothing here polls SDL's events, so SDL must leave SIGINT and SIGTERM to their usual end.
        setenv("SDL_NO_SIGNAL_HANDLERS", "1", 1);
        platform::StartupFailure failure = platform::StartupFailure::None;
        std::string detail;
        platform::SdlOptions sdl;
        sdl.fullscreen = platform::FullscreenChoice::Windowed;
        sdl.controllers = false;
        sdl.hidden = true;
        system = platform::SdlSystem::Create(sdl, failure, detail);
        if (!system) {
            std::fprintf(stderr, "zem-headless: cannot start the offscreen renderer: %s\n", detail.c_str());
            return 1;
        }
        services.device = &system->Device();
        services.sprite = &system->Sprite();
    }

    auto game = std::make_unique<CGameFrameConstruct>(services);
    game->Init();
    game->StartSettings(settings, settingsFile ? &*settingsFile : nullptr);
    if (clockReplay) game->SetSeedClockHook(&*clockReplay);
    if (bests) game->SetBestResults(&*bests);
    game->SetStages(std::move(stages));
    if (options.stage > static_cast<long>(game->Stages().size())) {
        std::fprintf(stderr, "zem-headless: --stage %ld: there are %zu stages\n", options.stage, game->Stages().size());
        return 2;
    }
    // A recorded run opens what it had open; a stage named here is chosen and open.
    if (timeline.OpenStages() > 0) game->OpenStagesUpTo(timeline.OpenStages() - 1);
    if (options.stage > 0) {
        game->ChooseStage(static_cast<int>(options.stage - 1));
        game->OpenStagesUpTo(std::max(game->StagesOpenUpTo(), static_cast<int>(options.stage - 1)));
    }
    game->Start(CreateScene);
    int status = 0;
    long framesRun = 0;
    for (long frame = 1; frame <= options.frames && status == 0; ++frame) {
        keyboard.ReleaseAll();
        for (int vk : timeline.KeysAt(frame)) keyboard.Press(vk);
        if (!window.PumpEvents()) break;
        framesRun = frame;
        const auto [first, last] = shots.equal_range(frame);
        if (first != last) system->Device().RequestCapture(first->second);
        game->RunFrame();
        if (system) system->Device().FinishFrame();
        for (auto it = first; it != last && status == 0; ++it) {
            if (system->Device().CaptureFailed() || (it != first && !CopyFile(first->second, it->second))) {
                std::fprintf(stderr, "zem-headless: %s: cannot save the frame %ld shot\n",
                             QuotePath(it->second).c_str(), frame);
                status = 1;
            }
        }
        if (traceOut != nullptr && !WriteTraceLine(traceOut, frame, clock, *game, audio)) {
            std::fprintf(stderr, "zem-headless: %s: cannot write the trace (%s)\n",
                         QuotePath(options.traceFile).c_str(), std::strerror(errno));
            status = 1;
        }
    }
    if (!game->SaveSettings() && status == 0) status = 1;
    game.reset();
    if (status == 0 && !shots.empty() && shots.rbegin()->first > framesRun) {
        std::fprintf(stderr, "zem-headless: --shot: the game ended after frame %ld, before frame %ld\n", framesRun,
                     shots.rbegin()->first);
        status = 1;
    }
    if (traceOut != nullptr && std::fclose(traceOut) != 0 && status == 0) {
        std::fprintf(stderr, "zem-headless: %s: cannot write the trace (%s)\n", QuotePath(options.traceFile).c_str(),
                     std::strerror(errno));
        status = 1;
    }
    return status;
}
