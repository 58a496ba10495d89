#pragma once
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/SdlSystem.h"

// The real renderer on SDL's offscreen driver, for the benchmarks of rendered frames. Mesa's
// software rasteriser draws in the calling thread, so the process's CPU time is the drawing
// itself, without the hand-over between its threads, which varies from run to run. Empty, with
// the benchmark skipped and the reason given, when there is none.
std::unique_ptr<platform::SdlSystem> OffscreenRenderer(benchmark::State& state);
