// zem: the game in an SDL window with the real clock, keyboard and sound.
#include <cstdio>
#include <memory>
#include <string>

#include "app/GameFrame.h"
#include "platform/SdlAudio.h"
#include "platform/SdlSystem.h"

namespace {

void ReportStartupFailure(const std::string& text)
{
    std::fprintf(stderr, "zem: %s\n", text.c_str());
    platform::ShowErrorBox("ERROR", text);
}

} // namespace

int main()
{
    platform::StartupFailure failure = platform::StartupFailure::None;
    std::string detail;
    std::unique_ptr<platform::SdlSystem> system = platform::SdlSystem::Create({}, failure, detail);
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

    platform::SdlClock clock;
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
