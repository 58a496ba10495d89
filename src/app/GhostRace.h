#pragma once
#include <filesystem>
#include <string>

#include "app/GhostPath.h"

class CBestResultsFile;

// The race against the best run of a stage: the path of the run being played, recorded frame by
// frame, and the ghost of the stage's best run, kept beside the best results as
// "ghost-STAGE.bin". A ghost made on other game data, or a damaged one, is not shown (said in
// one line); a run that sets a new fewest-frames best leaves its path as the new ghost.
class CGhostRace {
public:
    // A stage begins: a fresh run forgets its path (a continue goes on recording) and the
    // stage's ghost is read when the best results are kept.
    void BeginStage(const std::string& stageId, const CBestResultsFile* bests, const std::string& dataStamp,
                    bool continued);
    void Record(const GhostFrame& frame) { mRun.Add(frame); }
    // The ghost to draw and race, or null (none, not shown, or switched off).
    const GhostPath* Ghost() const { return mShown && mHasGhost ? &mGhost : nullptr; }
    bool HasGhost() const { return mHasGhost; }
    const GhostPath& Run() const { return mRun; }
    // A stage snapshot puts back the run's path as it was.
    void RestoreRunPath(const GhostPath& path) { mRun = path; }
    void Toggle() { mShown = !mShown; }
    bool Shown() const { return mShown; }
    // After a run set a new fewest-frames best: its path becomes the stage's ghost (written
    // atomically); false (said in one line) when it could not be written.
    bool KeepRun(const std::string& stageId, const CBestResultsFile& bests, const std::string& dataStamp);

    static std::filesystem::path FileFor(const CBestResultsFile& bests, const std::string& stageId);

private:
    GhostPath mRun;
    GhostPath mGhost;
    bool mHasGhost = false;
    bool mShown = true;
    std::string mStageId;
};
