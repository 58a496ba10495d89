#include "solver/SolveCommand.h"

#include <cstdio>
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "app/DataStamp.h"
#include "app/Quote.h"
#include "app/RunRecorder.h"
#include "app/StageDescription.h"
#include "platform/ScriptedKeyboard.h"
#include "platform/UserFiles.h"
#include "solver/StageRunner.h"
#include "solver/StageSolver.h"

namespace {

namespace fs = std::filesystem;

// The folder a stage's grids are in, as one path to compare.
fs::path FolderOf(const StageDescription& stage)
{
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(fs::path(stage.tileMap).parent_path(), error);
    return error ? fs::path() : folder;
}

// Where the stage is among what the title lists: the game's own, or the player's stages beside it.
struct TitlePlace {
    std::vector<StageDescription> stages;
    int index = -1;
    int openStages = 1;
};

TitlePlace PlaceOnTitle(const fs::path& folder)
{
    TitlePlace place;
    place.stages = GameStages();
    for (size_t i = 0; i < place.stages.size(); ++i) {
        if (FolderOf(place.stages[i]) == folder) {
            place.index = static_cast<int>(i);
            place.openStages = place.index + 1;
            return place;
        }
    }
    const size_t own = place.stages.size();
    for (auto& stage : PlayerStages(folder.parent_path())) place.stages.push_back(std::move(stage));
    for (size_t i = own; i < place.stages.size(); ++i) {
        if (FolderOf(place.stages[i]) == folder) place.index = static_cast<int>(i);
    }
    return place;
}

// The route played once more from the title with a recorder: keys, clock readings and stamps.
bool Record(const TitlePlace& place, const std::vector<FrameInput>& frames, std::string& text)
{
    std::ostringstream out;
    CRunRecorder recorder(out, GameDataStamp(), place.openStages, PlayerStagesStamp(place.stages));
    CStageRunner runner(place.stages, place.index, place.openStages, &recorder);
    platform::ScriptedKeyboard keys;
    for (size_t i = 0; i < frames.size(); ++i) {
        keys.ReleaseAll();
        for (int vk = 0; vk < FrameInput::kKeyCount; ++vk) {
            if (frames[i].Held(vk)) keys.Press(vk);
        }
        recorder.Keys(static_cast<long>(i + 1), keys);
        runner.Step(frames[i]);
    }
    if (!recorder.Finish(static_cast<long>(frames.size()))) return false;
    text = out.str();
    return true;
}

double Share(long part, long whole)
{
    return whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

} // namespace

int SolveStageFolder(const fs::path& folderGiven, const fs::path& out)
{
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(fs::absolute(folderGiven, error), error);
    if (error || !fs::is_regular_file(folder / "Map005.csv", error)) {
        std::fprintf(stderr, "zem-stage: %s: not a stage folder (no Map005.csv)\n", QuotePath(folderGiven).c_str());
        return 2;
    }
    const TitlePlace place = PlaceOnTitle(folder);
    if (place.index < 0) {
        std::fprintf(stderr, "zem-stage: %s: the title would not list it (see the messages above)\n",
                     QuotePath(folderGiven).c_str());
        return 2;
    }
    const std::clock_t began = std::clock();
    const SolveResult result = SolveStage(place.stages, place.index, place.openStages);
    const double seconds = static_cast<double>(std::clock() - began) / CLOCKS_PER_SEC;
    if (!result.cleared) {
        std::fprintf(stderr, "zem-stage: %s: stuck at column %d (frame %ld of play): no route to the goal found\n",
                     QuotePath(folderGiven).c_str(), result.furthestColumn, result.furthestFrame);
        return 1;
    }
    std::string text;
    std::string problem;
    if (!Record(place, result.frames, text) || !platform::WriteFileAtomically(out, text, problem)) {
        std::fprintf(stderr, "zem-stage: %s: cannot write the route%s%s\n", QuotePath(out).c_str(),
                     problem.empty() ? "" : ": ", problem.c_str());
        return 1;
    }
    const RouteFigures& f = result.figures;
    std::printf("%s: a route to the goal in %ld frames of play (%.1f s), %ld frames from the title%s\n",
                QuotePath(out).c_str(), f.playFrames, static_cast<double>(f.playFrames) / 60.0,
                static_cast<long>(result.frames.size()), result.heartLost ? "; it loses a heart" : "");
    std::printf("score %d of %d (%.0f %%); off the ground %ld frames (%.1f %%), longest %ld; ground out of view "
                "%ld frames, longest %ld\n",
                f.score, f.scoreTotal, Share(f.score, f.scoreTotal), f.airborneFrames, Share(f.airborneFrames, f.playFrames),
                f.longestAirborne, f.groundOutOfView, f.longestOutOfView);
    std::printf("searched %ld frames in %ld moves, %.1f s of CPU\n", result.framesPlayed, result.candidates, seconds);
    return 0;
}
