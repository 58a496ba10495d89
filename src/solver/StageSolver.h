#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/FrameInput.h"
#include "app/StageDescription.h"

// How a route plays, as a person would judge it: over the frames of play (the stage's first
// frame to the goal touch), the score, the frames off the ground and with no ground in view.
struct RouteFigures {
    long playFrames = 0;
    int score = 0;
    int scoreTotal = 0;
    long airborneFrames = 0;
    long longestAirborne = 0;
    long groundOutOfView = 0;
    long longestOutOfView = 0;
    int lowestHearts = 0;
};

// Where a search stands, for a progress display.
struct SolveProgress {
    int furthestColumn = 0;
    long routeFrames = 0;  // frames of the route kept so far (from the stage's first)
    long framesPlayed = 0; // by the search, candidates included
};

struct SolveResult {
    bool cleared = false;
    bool heartLost = false; // cleared only by losing a heart somewhere
    // The whole run from the title: choosing the stage, the stage to the goal, and the result
    // screen until it has counted the score.
    std::vector<FrameInput> frames;
    long titleFrames = 0;
    // The furthest the hero got: its column and the frame of play it was first there.
    int furthestColumn = 0;
    long furthestFrame = 0;
    long framesPlayed = 0; // by the whole search
    long candidates = 0;
    RouteFigures figures;
};

// Searches key input that takes the hero from the stage's start to its goal, with the player's
// keys only (never the testing aids), without losing a heart if it can. It grows the route in
// short moves (walk, jumps, shots, a bubble platform at the top of a jump, a change of form,
// waiting, stepping back), weighs each from a snapshot of the stage, prefers walking and single
// jumps to long stretches in the air, and backs up where no move is safe. `stages`, `stageIndex`
// and `openStages` are as the title lists and opens them (CStageRunner).
SolveResult SolveStage(const std::vector<StageDescription>& stages, int stageIndex, int openStages,
                       const std::function<void(const SolveProgress&)>& progress = {});

// Plays `frames` from the title and measures the route (CStageRunner's arguments).
RouteFigures MeasureRoute(const std::vector<StageDescription>& stages, int stageIndex, int openStages,
                          const std::vector<FrameInput>& frames);
