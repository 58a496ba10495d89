// A stage saved into a snapshot and restored from it plays on exactly as it did: at random points
// of the three recorded stage routes, the stage runs ahead, is put back, and runs the same frames
// again; every frame's trace line matches the uninterrupted run's.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/FrameInput.h"
#include "app/GameFrame.h"
#include "app/KeyTimeline.h"
#include "app/StageDescription.h"
#include "app/TraceWriter.h"
#include "scenes/Game.h"
#include "scenes/SceneFactory.h"
#include "scenes/StageSnapshot.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace {

// The recorded route through one of the game's stages, as the frames' inputs.
std::vector<FrameInput> RouteInputs(int stage)
{
    const std::string path = std::string(ZEM_SOURCE_DIR) + "/tests/e2e/data/stage-" + std::to_string(stage) + ".keys";
    std::ifstream in(path);
    KeyTimeline timeline;
    std::string error;
    EXPECT_TRUE(timeline.Parse(in, path, error)) << error;
    std::vector<FrameInput> inputs;
    for (long frame = 1; frame <= timeline.LastFrame(); ++frame) {
        FrameInput input;
        for (int vk : timeline.KeysAt(frame)) input.Hold(vk);
        inputs.push_back(input);
    }
    return inputs;
}

// The game from the title with the stage's route: the stages up to it open, as the route's
// best-results file opens them.
struct RouteRun {
    explicit RouteRun(int stage)
    {
        fake.sprite.SetKeepDraws(false);
        fake.audio.SetKeepOperations(false);
        frame = std::make_unique<CGameFrameConstruct>(fake.Services());
        frame->Init();
        frame->SetStages(GameStages());
        frame->OpenStagesUpTo(stage - 1);
        frame->Start(CreateScene);
    }

    // One frame, answering the scene's trace line.
    std::string Play(const FrameInput& input)
    {
        frame->RunFrame(input);
        CTraceWriter trace;
        BaseScene* scene = frame->SceneManager().Current();
        trace.Field("scene", scene->TraceName());
        scene->WriteTrace(trace);
        return trace.Finish();
    }
    CGame* Stage() const { return dynamic_cast<CGame*>(frame->SceneManager().Current()); }

    FakePlatform fake;
    std::unique_ptr<CGameFrameConstruct> frame;
};

class StageSnapshots : public testing::TestWithParam<int> {};

TEST_P(StageSnapshots, RestoredPlaysTheSameFramesAtRandomPointsOfTheRoute)
{
    ScopedWorkingDir inData(ZEM_RUN_DIR);
    const std::vector<FrameInput> inputs = RouteInputs(GetParam());
    ASSERT_GT(inputs.size(), 1000u);

    // The route played straight through.
    std::vector<std::string> expected;
    size_t lastStageFrame = 0;
    {
        RouteRun run(GetParam());
        for (const FrameInput& input : inputs) {
            expected.push_back(run.Play(input));
            if (run.Stage() != nullptr) lastStageFrame = expected.size();
        }
    }
    ASSERT_GT(lastStageFrame, 500u);

    // Again, with a snapshot at about one frame in three of the stage: run ahead up to 40
    // frames, restore, and run the same frames again.
    RouteRun run(GetParam());
    std::mt19937 random(static_cast<unsigned>(GetParam()));
    std::uniform_int_distribution<size_t> ahead(1, 40);
    StageSnapshot snapshot;
    size_t points = 0;
    for (size_t f = 0; f < inputs.size(); ++f) {
        ASSERT_EQ(run.Play(inputs[f]), expected[f]) << "frame " << f + 1;
        CGame* stage = run.Stage();
        const size_t steps = ahead(random);
        if (stage == nullptr || f + 1 + steps > lastStageFrame || random() % 3 != 0) continue;
        ++points;
        stage->SaveState(snapshot);
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) stage->RestoreState(snapshot);
            for (size_t g = f + 1; g <= f + steps; ++g) {
                ASSERT_EQ(run.Play(inputs[g]), expected[g]) << "frame " << g + 1 << ", pass " << pass
                                                            << ", snapshot of frame " << f + 1;
            }
        }
        stage->RestoreState(snapshot); // and on from the point, as if nothing had been played
    }
    EXPECT_GT(points, 900u);
}

INSTANTIATE_TEST_SUITE_P(GameStages, StageSnapshots, testing::Values(1, 2, 3),
                         [](const testing::TestParamInfo<int>& stage) { return "Stage" + std::to_string(stage.param); });

} // namespace
