// What the solver is built on and what it costs: saving and restoring a stage snapshot (halfway
// through the solver's own route of each game stage, enemies, bullets and bubbles in play), and
// solving each of the game's stages whole. Run from the run directory (make bench does).
#include <benchmark/benchmark.h>

#include <map>
#include <vector>

#include "AllocationCounter.h"
#include "app/AssetFiles.h"
#include "app/StageDescription.h"
#include "scenes/Game.h"
#include "scenes/StageSnapshot.h"
#include "solver/StageRunner.h"
#include "solver/StageSolver.h"

namespace {

void EveryGameStage(benchmark::internal::Benchmark* benchmark)
{
    for (int stage = 1; stage <= files::kGameStageCount; ++stage) benchmark->Arg(stage);
}

// The solver's route through a game stage, found once per run of the benchmarks.
const SolveResult& Solved(int stage)
{
    static std::map<int, SolveResult> solved;
    auto found = solved.find(stage);
    if (found == solved.end()) found = solved.emplace(stage, SolveStage(GameStages(), stage - 1, stage)).first;
    return found->second;
}

// The game played along the route to the middle of its stage.
struct HalfwayStage {
    explicit HalfwayStage(int stage, const SolveResult& route) : runner(GameStages(), stage - 1, stage)
    {
        const size_t halfway = static_cast<size_t>(route.titleFrames + route.figures.playFrames / 2);
        for (size_t f = 0; f < halfway && f < route.frames.size(); ++f) runner.Step(route.frames[f]);
    }
    CStageRunner runner;
};

void BM_StageSnapshotSave(benchmark::State& state)
{
    const SolveResult& route = Solved(static_cast<int>(state.range(0)));
    HalfwayStage halfway(static_cast<int>(state.range(0)), route);
    CGame* stage = halfway.runner.Stage();
    if (!route.cleared || stage == nullptr) return state.SkipWithError("no route through the stage");
    StageSnapshot snapshot;
    stage->SaveState(snapshot); // the snapshot's lists take their length once
    const long long before = AllocationCount();
    for (auto _ : state) {
        stage->SaveState(snapshot);
        benchmark::DoNotOptimize(snapshot);
    }
    state.counters["allocations"] = static_cast<double>(AllocationCount() - before);
    state.counters["bytes"] = static_cast<double>(sizeof(StageSnapshot));
}
BENCHMARK(BM_StageSnapshotSave)->Apply(EveryGameStage)->Unit(benchmark::kMicrosecond);

void BM_StageSnapshotRestore(benchmark::State& state)
{
    const SolveResult& route = Solved(static_cast<int>(state.range(0)));
    HalfwayStage halfway(static_cast<int>(state.range(0)), route);
    CGame* stage = halfway.runner.Stage();
    if (!route.cleared || stage == nullptr) return state.SkipWithError("no route through the stage");
    StageSnapshot snapshot;
    stage->SaveState(snapshot);
    // A few frames on, so that the restore has something to put back.
    for (int f = 0; f < 30; ++f) halfway.runner.Step(FrameInput{});
    stage->RestoreState(snapshot);
    const long long before = AllocationCount();
    for (auto _ : state) {
        stage->RestoreState(snapshot);
        benchmark::ClobberMemory();
    }
    const long long allocations = AllocationCount() - before;
    state.counters["allocations"] = static_cast<double>(allocations);
    // Restoring in the steady state allocates nothing: the search restores thousands of times.
    if (allocations != 0) state.SkipWithError("a restore allocated");
}
BENCHMARK(BM_StageSnapshotRestore)->Apply(EveryGameStage)->Unit(benchmark::kMicrosecond);

void BM_SolveStage(benchmark::State& state)
{
    const int stage = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const SolveResult result = SolveStage(GameStages(), stage - 1, stage);
        if (!result.cleared) return state.SkipWithError("the stage was not solved");
        state.counters["play_frames"] = static_cast<double>(result.figures.playFrames);
        state.counters["searched_frames"] = static_cast<double>(result.framesPlayed);
    }
}
BENCHMARK(BM_SolveStage)->Apply(EveryGameStage)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
