#include "solver/StageRunner.h"

#include "platform/Keyboard.h"
#include "scenes/Game.h"
#include "scenes/SceneFactory.h"

CStageRunner::CStageRunner(std::vector<StageDescription> stages, int stageIndex, int openStages,
                           SeedClockHook* clockHook)
    : mStageIndex(stageIndex)
{
    mPlatform.sprite.SetKeepDraws(false);
    mPlatform.audio.SetKeepOperations(false);
    mpFrame = std::make_unique<CGameFrameConstruct>(mPlatform.Services());
    mpFrame->Init();
    mpFrame->SetStages(std::move(stages));
    mpFrame->OpenStagesUpTo(std::max(openStages, 1) - 1);
    mpFrame->SetSeedClockHook(clockHook);
    mpFrame->Start(CreateScene);
}

CStageRunner::~CStageRunner() = default;

std::vector<FrameInput> CStageRunner::TitleFrames() const
{
    FrameInput none;
    FrameInput right;
    right.Hold(platform::VK_RIGHT);
    FrameInput enter;
    enter.Hold(platform::VK_RETURN);
    std::vector<FrameInput> frames{none};
    // The choice starts on the first stage; Right moves it to the next open one (a player's
    // stage always is, one of the game's when the recording opened it), a closed one is passed.
    int rights = 0;
    for (int i = 1; i <= mStageIndex; ++i) {
        const StageDescription& stage = mpFrame->Stages()[static_cast<size_t>(i)];
        if (!stage.ownStage || i <= mpFrame->StagesOpenUpTo()) ++rights;
    }
    for (int i = 0; i < rights; ++i) {
        frames.push_back(right);
        frames.push_back(none);
    }
    frames.push_back(enter);
    frames.push_back(none);
    return frames;
}

void CStageRunner::Step(const FrameInput& input)
{
    mpFrame->Step(input);
    ++mFrames;
}

CGame* CStageRunner::Stage() const
{
    return dynamic_cast<CGame*>(mpFrame->SceneManager().Current());
}
