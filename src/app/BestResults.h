#pragma once
#include <filesystem>
#include <optional>
#include <string>

// The player's best results, kept between runs: the best score, the best share of the stage's
// score in percent and the fewest stage frames to the goal. Each is empty until a run sets it.
struct BestResults {
    std::optional<int> score;
    std::optional<int> percent;
    std::optional<int> frames;
};

// Which results a finished run improved.
struct NewBests {
    bool score = false;
    bool percent = false;
    bool frames = false;
    bool Any() const { return score || percent || frames; }
};

// Takes a run's results into `best`; says which of them are new bests.
NewBests Improve(BestResults& best, int score, int percent, int frames);

// The file's text: lines "score N", "percent N", "frames N"; '#' starts a comment.
std::string FormatBestResults(const BestResults& best);
// False with "line N: ..." in `problem` when the text is damaged.
bool ParseBestResults(const std::string& text, BestResults& best, std::string& problem);

// The best results and their file. A missing file means no results yet; a damaged,
// unreadable or unwritable one is reported in one line on standard error and the game
// plays on with what it has.
class CBestResultsFile {
public:
    explicit CBestResultsFile(std::filesystem::path path) : mPath(std::move(path)) {}
    void Load();
    // Takes a run's results; writes the file (atomically) when one is a new best.
    NewBests Record(int score, int percent, int frames);
    const BestResults& Results() const { return mResults; }
    const std::filesystem::path& Path() const { return mPath; }

private:
    std::filesystem::path mPath;
    BestResults mResults;
};
