#pragma once
#include <memory>
#include <vector>

#include "app/FrameInput.h"
#include "app/GameFrame.h"
#include "app/StageDescription.h"
#include "platform/HeadlessPlatform.h"

class CGame;

// The game on silent, undrawn services, played frame by frame with inputs given as values: what
// the solver searches with and what plays its routes back. It starts at the title with the
// stages listed and opened as a recording of it says, and chooses its stage there as a player
// does (Right once per open stage before it, then Enter).
class CStageRunner {
public:
    // `stages` as the title lists them; `stageIndex` the one to play; `openStages` how many of
    // the game's own stages are open (a recording's "open" line); `clockHook` sees the clock
    // readings from the first (a recorder).
    CStageRunner(std::vector<StageDescription> stages, int stageIndex, int openStages,
                 SeedClockHook* clockHook = nullptr);
    ~CStageRunner();
    CStageRunner(const CStageRunner&) = delete;
    CStageRunner& operator=(const CStageRunner&) = delete;

    // The frames from the title to the chosen stage's first frame.
    std::vector<FrameInput> TitleFrames() const;
    // Plays one frame; frames played count from 1.
    void Step(const FrameInput& input);
    long FramesPlayed() const { return mFrames; }

    // The stage being played, or null on any other screen.
    CGame* Stage() const;
    CGameFrameConstruct& Frame() { return *mpFrame; }

private:
    platform::HeadlessPlatform mPlatform;
    std::unique_ptr<CGameFrameConstruct> mpFrame;
    int mStageIndex = 0;
    long mFrames = 0;
};
