#pragma once
#include <cstdint>

#include "app/Keys.h"

// The run in progress, for the best results: stage frames played since the run began at the
// title or a new game (a continue goes on counting), whether a testing aid (A, C, Z) was
// used, and whether the goal was reached. A paused frame is not played.
struct RunProgress {
    int32_t frames = 0;
    bool aided = false;
    bool reachedGoal = false;

    // One stage frame played; `cleared`: the stage's clear flag after it.
    void Track(bool cleared)
    {
        ++frames;
        if (IsKeyDown(platform::VK_A) || IsKeyDown(platform::VK_C) || IsKeyDown(platform::VK_Z)) aided = true;
        reachedGoal = cleared;
    }
    // Whether the run may set best results.
    bool Counts() const { return reachedGoal && !aided; }
};
