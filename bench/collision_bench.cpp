#include <benchmark/benchmark.h>

#include "app/Collision.h"

// The contact tests run for every enemy against the player and each of its twenty bubbles.
static void BM_HitBox(benchmark::State& state)
{
    CCollision collision;
    float x = 0.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(collision.HitBox(x, 100.0f, 22.5f, 37.5f, 120.0f, 110.0f, 20.0f, 20.0f));
        x += 0.5f;
        if (x > 300.0f) x = 0.0f;
    }
}
BENCHMARK(BM_HitBox);

BENCHMARK_MAIN();
