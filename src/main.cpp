// zem: the game in an SDL window with the real clock, keyboard, controllers and sound.
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <span>
#include <string>

#include "app/CommandLine.h"
#include "app/GameFrame.h"
#include "platform/BootClock.h"
#include "platform/DataDirectory.h"
#include "platform/SdlAudio.h"
#include "platform/SdlSystem.h"

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
        std::fprintf(stderr, "zem: game data (TitleMap.txt, Resource/) not found beside %s or in %s; using the current directory\n",
                     programDir.c_str(), ZEM_INSTALLED_DATA_DIR);
        return;
    }
    if (chdir(dataDir->c_str()) != 0) std::fprintf(stderr, "zem: %s: cannot enter the data directory\n", dataDir->c_str());
}

platform::FullscreenChoice ChoiceOf(const CommandLine& commandLine)
{
    if (!commandLine.fullscreen) return platform::FullscreenChoice::Ask;
    return *commandLine.fullscreen ? platform::FullscreenChoice::Fullscreen : platform::FullscreenChoice::Windowed;
}

} // namespace

int main(int argc, char** argv)
{
    const CommandLine commandLine =
        ParseCommandLine(std::span<const char* const>(argv + 1, static_cast<size_t>(argc > 0 ? argc - 1 : 0)));
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
    EnterDataDirectory();

    platform::StartupFailure failure = platform::StartupFailure::None;
    std::string detail;
    platform::SdlOptions options;
    options.fullscreen = ChoiceOf(commandLine);
    std::unique_ptr<platform::SdlSystem> system = platform::SdlSystem::Create(options, failure, detail);
    if (!system) {
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
        return 1;
    }

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

    auto frame = std::make_unique<CGameFrameConstruct>(services);
    frame->Init();
    frame->Start();
    // Every waiting event is handled before the next frame runs.
    while (system->PumpEvents()) frame->RunFrame();
    frame.reset();
    return 0;
}
