// The recorded route through the whole generated stage (every enemy, bullet, bubble, platform
// and pick-up on the way), frame by frame: the game's logic with the windowed map beside the
// full scan, and real rendering through SDL's offscreen driver, each frame finished.
// Run from the run directory (make bench does).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "AllocationCounter.h"
#include "OffscreenRenderer.h"
#include "app/AssetFiles.h"
#include "app/GameFrame.h"
#include "app/KeyTimeline.h"
#include "app/StageDescription.h"
#include "app/TraceWriter.h"
#include "platform/SdlRender.h"
#include "platform/SdlSystem.h"
#include "scenes/Game.h"
#include "scenes/SceneFactory.h"
#include "support/FakePlatform.h"

namespace {

// The recorded route through one of the game's stages.
std::string RouteFile(int stage)
{
    return std::string(ZEM_SOURCE_DIR) + "/tests/e2e/data/stage-" + std::to_string(stage) + ".keys";
}

// Every stage that has a recorded route, as the benchmark's argument.
void EveryRoutedStage(benchmark::internal::Benchmark* benchmark)
{
    for (int stage = 1; stage <= files::kGameStageCount; ++stage) {
        if (std::filesystem::exists(RouteFile(stage))) benchmark->Arg(stage);
    }
}

// The recorded route, or nothing when it cannot be read (the benchmark then stops with the reason).
std::optional<KeyTimeline> LoadRoute(benchmark::State& state)
{
    KeyTimeline timeline;
    std::string error;
    const std::string path = RouteFile(static_cast<int>(state.range(0)));
    std::ifstream in(path);
    if (!in) error = path + ": cannot open the route";
    else timeline.Parse(in, path, error);
    if (error.empty()) return timeline;
    state.SkipWithError(error.c_str());
    return std::nullopt;
}

// What one playing of the route did. Its play frames run from the first frame of the loaded
// stage to the one where the hero reaches the goal: the title, the loading of the stage and of
// the result screen and the goal's closing animation are not what a stage frame costs.
struct RouteRun {
    uint64_t traceDigest = 0; // of every frame's trace line, when asked for
    long playFrames = 0;
    long long draws = 0;       // in the play frames, when the fake sprite draws
    long long allocations = 0; // in the play frames
};

// Plays the route once from a fresh start (the clock at 0, no key seen yet) on `fake`, drawing
// with the SDL renderer when one is given; with `timed`, the benchmark's clock runs over the play
// frames only.
RouteRun PlayRoute(FakePlatform& fake, const KeyTimeline& route, int stageNumber, long frames, bool fullScan,
                   platform::SdlSystem* renderer = nullptr, benchmark::State* timed = nullptr, bool traced = false)
{
    if (timed != nullptr) timed->PauseTiming();
    fake.clock = platform::VirtualClock{};
    platform::Platform services = fake.Services();
    if (renderer != nullptr) {
        services.device = &renderer->Device();
        services.sprite = &renderer->Sprite();
    }
    auto game = std::make_unique<CGameFrameConstruct>(services);
    game->Init();
    // The route chooses its stage on the title, among the game's stages, all open.
    game->SetStages(GameStages());
    game->OpenStagesUpTo(stageNumber - 1);
    game->Start(CreateScene);
    RouteRun run;
    run.traceDigest = 14695981039346656037u;
    bool timing = false;
    for (long frame = 1; frame <= frames; ++frame) {
        fake.keyboard.ReleaseAll();
        for (int vk : route.KeysAt(frame)) fake.keyboard.Press(vk);
        auto* stage = dynamic_cast<CGame*>(game->SceneManager().Current());
        if (stage != nullptr) stage->GetMap().SetFullScan(fullScan);
        const bool play = stage != nullptr && !stage->GetMap().GoalReached();
        if (play != timing && timed != nullptr) {
            if (play) timed->ResumeTiming();
            else timed->PauseTiming();
        }
        timing = play;
        const long long draws = fake.sprite.DrawCount();
        const long long allocations = AllocationCount();
        game->RunFrame();
        if (renderer != nullptr) renderer->Device().FinishFrame();
        if (play) {
            ++run.playFrames;
            run.draws += fake.sprite.DrawCount() - draws;
            run.allocations += AllocationCount() - allocations;
        }
        if (traced) {
            // FNV-1a over the scene's trace line: what the headless runner would write.
            CTraceWriter trace;
            if (BaseScene* scene = game->SceneManager().Current()) scene->WriteTrace(trace);
            for (const char c : trace.Finish()) run.traceDigest = (run.traceDigest ^ static_cast<uint8_t>(c)) * 1099511628211u;
        }
    }
    if (timed != nullptr && !timing) timed->ResumeTiming();
    return run;
}

// The route runs to its last line, or to the frame before Escape ends it.
long RouteLength(const KeyTimeline& route)
{
    const long end = route.EscapeFrame();
    return end > 0 ? end - 1 : route.LastFrame();
}

void RunRoute(benchmark::State& state, bool fullScan)
{
    const std::optional<KeyTimeline> loaded = LoadRoute(state);
    if (!loaded) return;
    const KeyTimeline& route = *loaded;
    const int stage = static_cast<int>(state.range(0));
    const long frames = RouteLength(route);
    FakePlatform fake;
    fake.sprite.SetKeepDraws(false);
    fake.audio.SetKeepOperations(false);
    // Both ways of finding the cells must play the route alike, to the last field of the trace.
    if (PlayRoute(fake, route, stage, frames, false, nullptr, nullptr, true).traceDigest !=
        PlayRoute(fake, route, stage, frames, true, nullptr, nullptr, true).traceDigest) {
        state.SkipWithError("the full scan played the route differently");
        return;
    }
    RouteRun total;
    for (auto _ : state) {
        const RouteRun run = PlayRoute(fake, route, stage, frames, fullScan, nullptr, &state);
        benchmark::DoNotOptimize(run.playFrames);
        total.playFrames += run.playFrames;
        total.draws += run.draws;
        total.allocations += run.allocations;
    }
    const auto playFrames = static_cast<double>(total.playFrames);
    state.counters["frames"] = playFrames / static_cast<double>(state.iterations());
    state.counters["cpu/frame"] = benchmark::Counter(playFrames, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["draws/frame"] = static_cast<double>(total.draws) / playFrames;
    state.counters["allocs/frame"] = static_cast<double>(total.allocations) / playFrames;
}

// The route's play frames; the time is per route (cpu/frame divides the CPU time by the play frames).
void BM_Route(benchmark::State& state)
{
    RunRoute(state, false);
}
BENCHMARK(BM_Route)->Apply(EveryRoutedStage)->Unit(benchmark::kMillisecond);

void BM_RouteFullScan(benchmark::State& state)
{
    RunRoute(state, true);
}
BENCHMARK(BM_RouteFullScan)->Apply(EveryRoutedStage)->Unit(benchmark::kMillisecond);

// The first 600 frames of the route drawn by the real renderer on the offscreen driver, with
// and without the renderer's shortcuts. The CPU time is the whole process's.
void RunRouteRendered(benchmark::State& state, bool shortcuts)
{
    const std::optional<KeyTimeline> loaded = LoadRoute(state);
    if (!loaded) return;
    const KeyTimeline& route = *loaded;
    auto system = OffscreenRenderer(state);
    if (!system) return;
    system->Device().SetShortcuts(shortcuts);
    FakePlatform fake;
    constexpr long kFrames = 600;
    const long long callsBefore = system->Sprite().GeometryCalls();
    const double areaBefore = system->Sprite().BlendedArea();
    for (auto _ : state) PlayRoute(fake, route, static_cast<int>(state.range(0)), kFrames, false, system.get());
    const double totalFrames = static_cast<double>(kFrames) * static_cast<double>(state.iterations());
    state.counters["frames"] = static_cast<double>(kFrames);
    state.counters["calls/frame"] = static_cast<double>(system->Sprite().GeometryCalls() - callsBefore) / totalFrames;
    state.counters["blendedMpx/frame"] = (system->Sprite().BlendedArea() - areaBefore) / totalFrames / 1e6;
}

void BM_RouteRendered(benchmark::State& state)
{
    RunRouteRendered(state, true);
}
BENCHMARK(BM_RouteRendered)->Apply(EveryRoutedStage)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();

void BM_RouteRenderedPlain(benchmark::State& state)
{
    RunRouteRendered(state, false);
}
BENCHMARK(BM_RouteRenderedPlain)->Apply(EveryRoutedStage)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();

} // namespace
