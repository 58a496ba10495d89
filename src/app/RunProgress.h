#pragma once
#include <cstdint>

#include "app/FrameInput.h"
#include "platform/Keyboard.h"

// The run in progress, for the best results: stage frames played since the run began at the
// title or a new game (a continue goes on counting), whether a testing aid (A, C, Z) was
// used, and whether the goal was reached. A paused frame is not played.
struct RunProgress {
    int32_t frames = 0;
    bool aided = false;
    bool reachedGoal = false;

    // One stage frame played with `input`; `cleared`: the stage's clear flag after it.
    void Track(bool cleared, const FrameInput& input)
    {
        ++frames;
        if (input.Held(platform::VK_A) || input.Held(platform::VK_C) || input.Held(platform::VK_Z)) aided = true;
        reachedGoal = cleared;
    }
    // Whether the run may set best results.
    bool Counts() const { return reachedGoal && !aided; }
};
