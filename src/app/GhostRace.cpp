#include "app/GhostRace.h"

#include <cstdio>

#include "app/BestResults.h"
#include "app/Quote.h"
#include "app/StageIdText.h"
#include "platform/UserFiles.h"

std::filesystem::path CGhostRace::FileFor(const CBestResultsFile& bests, const std::string& stageId)
{
    return bests.Path().parent_path() / ("ghost-" + StageFileStem(stageId) + ".bin");
}

void CGhostRace::BeginStage(const std::string& stageId, const CBestResultsFile* bests, const std::string& dataStamp,
                            bool continued)
{
    if (!continued) {
        mRun.Clear();
        // Five minutes of play are recorded without a new allocation.
        if (bests != nullptr) mRun.Reserve(60 * 60 * 5);
    }
    // The same stage again: the ghost read before (or kept by the last run) still stands.
    if (stageId == mStageId) return;
    mStageId = stageId;
    mHasGhost = false;
    mGhost.Clear();
    if (bests == nullptr) return;
    const std::filesystem::path file = FileFor(*bests, stageId);
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return;
    std::string stamp;
    std::string problem;
    if (!mGhost.Load(file, stamp, problem)) {
        std::fprintf(stderr, "zem: %s: %s; no ghost to race\n", QuotePath(file).c_str(), problem.c_str());
        mGhost.Clear();
        return;
    }
    if (stamp != dataStamp) {
        // A stamp is sixteen hex digits; a damaged file's may be anything, and a message shows no more.
        constexpr size_t kStampShown = 16;
        std::fprintf(stderr, "zem: %s: made on other game data (stamp %s, this game's is %s); the ghost is not shown\n",
                     QuotePath(file).c_str(), Quote(stamp, kStampShown).c_str(), Quote(dataStamp, kStampShown).c_str());
        mGhost.Clear();
        return;
    }
    mHasGhost = true;
}

bool CGhostRace::KeepRun(const std::string& stageId, const CBestResultsFile& bests, const std::string& dataStamp)
{
    if (mRun.Size() == 0 || mRun.Full()) return false;
    const std::filesystem::path file = FileFor(bests, stageId);
    std::string error;
    if (!platform::WriteFileAtomically(file, mRun.Encode(dataStamp), error)) {
        std::fprintf(stderr, "zem: %s: %s; the ghost is not kept\n", QuotePath(file).c_str(), error.c_str());
        return false;
    }
    // The next race on this stage is against this run.
    std::string stamp;
    std::string problem;
    mStageId = stageId;
    mHasGhost = mGhost.Decode(mRun.Encode(dataStamp), stamp, problem);
    return true;
}
