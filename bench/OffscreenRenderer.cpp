#include "OffscreenRenderer.h"

#include <cstdlib>
#include <string>

std::unique_ptr<platform::SdlSystem> OffscreenRenderer(benchmark::State& state)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("LP_NUM_THREADS", "0", 0);
    platform::StartupFailure failure = platform::StartupFailure::None;
    std::string detail;
    platform::SdlOptions options;
    options.fullscreen = platform::FullscreenChoice::Windowed;
    options.controllers = false;
    options.hidden = true;
    auto system = platform::SdlSystem::Create(options, failure, detail);
    if (!system) state.SkipWithError(("no offscreen renderer: " + detail).c_str());
    return system;
}
