// One whole stage frame (update and draw into the recording sprite) on the generated stage.
// Run from the run directory (make bench does).
#include <benchmark/benchmark.h>

#include <memory>

#include "AllocationCounter.h"
#include "app/GameFrame.h"
#include "scenes/Game.h"
#include "support/FakePlatform.h"
#include "scenes/SceneFactory.h"

namespace {

struct HeadlessStage {
    FakePlatform fake;
    std::unique_ptr<CGameFrameConstruct> frame;

    HeadlessStage()
    {
        fake.sprite.SetKeepDraws(false);
        fake.audio.SetKeepOperations(false);
        frame = std::make_unique<CGameFrameConstruct>(fake.Services());
        frame->Init();
        frame->Start(CreateScene);
        fake.keyboard.Press(platform::VK_RETURN); // from the title into the stage
        frame->RunFrame();
        fake.keyboard.ReleaseAll();
    }

    CGame* Game() { return dynamic_cast<CGame*>(frame->SceneManager().Current()); }
};

void RunStageFrames(benchmark::State& state, bool fullScan)
{
    HeadlessStage stage;
    CGame* game = stage.Game();
    if (game == nullptr) {
        state.SkipWithError("the stage did not start");
        return;
    }
    game->GetMap().SetFullScan(fullScan);
    // Past the first bullets of every flyer on screen, the stage allocates nothing more.
    for (int i = 0; i < 2000; ++i) stage.frame->RunFrame();
    const long long drawsBefore = stage.fake.sprite.DrawCount();
    const long long allocationsBefore = AllocationCount();
    for (auto _ : state) stage.frame->RunFrame();
    state.counters["draws/frame"] = benchmark::Counter(static_cast<double>(stage.fake.sprite.DrawCount() - drawsBefore),
                                                       benchmark::Counter::kAvgIterations);
    state.counters["allocs/frame"] = benchmark::Counter(static_cast<double>(AllocationCount() - allocationsBefore),
                                                        benchmark::Counter::kAvgIterations);
}

void BM_StageFrame(benchmark::State& state)
{
    RunStageFrames(state, false);
}
BENCHMARK(BM_StageFrame);

// The same frame visiting every cell of the grid on every collision, rebuild and draw.
void BM_StageFrameFullScan(benchmark::State& state)
{
    RunStageFrames(state, true);
}
BENCHMARK(BM_StageFrameFullScan);

void RunPlayerCollision(benchmark::State& state, bool fullScan)
{
    HeadlessStage stage;
    CGame* game = stage.Game();
    if (game == nullptr) {
        state.SkipWithError("the stage did not start");
        return;
    }
    CMap& map = game->GetMap();
    map.SetFullScan(fullScan);
    float x = 100.0f;
    for (auto _ : state) {
        platform::Vec2 pos{x, 1300.0f};
        float vx = 6.0f;
        float vy = 8.0f;
        bool jumping = true;
        bool room = false;
        map.CollidePlayer(pos, vx, vy, jumping, 45.0f, 75.0f, &room);
        benchmark::DoNotOptimize(pos);
        x = x > 13900.0f ? 100.0f : x + 7.0f;
    }
}

void BM_CollidePlayer(benchmark::State& state)
{
    RunPlayerCollision(state, false);
}
BENCHMARK(BM_CollidePlayer);

void BM_CollidePlayerFullScan(benchmark::State& state)
{
    RunPlayerCollision(state, true);
}
BENCHMARK(BM_CollidePlayerFullScan);

} // namespace
