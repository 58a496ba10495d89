#pragma once
#include <filesystem>
#include <map>
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

// Every stage's best results, by the stage's id ("1", "2", ... or a player's stage's folder).
// A stage with a fewest-frames result has been cleared, which opens the next of the game's own.
using BestResultsBook = std::map<std::string, BestResults>;

// Takes each result of `other` that is better than `book`'s, stage by stage.
void KeepBetter(BestResultsBook& book, const BestResultsBook& other);

// The file's text: lines "score N", "percent N", "frames N" of stage 1, then a section for
// each other stage with its lines (StageSection: "[2]", "[castle]", ["my stage"]); '#' starts a
// comment. (A file of the one-stage game has stage 1's lines alone.) A UTF-8 byte-order mark
// at the start is passed over.
std::string FormatBestResults(const BestResultsBook& book);
// Reads every good line into `book`; false with "line N: ..." in `problem` (the first bad line)
// when some line is damaged. The good lines are kept all the same.
bool ParseBestResults(const std::string& text, BestResultsBook& book, std::string& problem);

// The best results and their file. A missing file means no results yet; a damaged,
// unreadable or unwritable one is reported in one line on standard error and the game
// plays on with what it has. Games sharing the file take turns at it, and each keeps what the
// others wrote.
class CBestResultsFile {
public:
    // The file is a few lines a stage; a longer one is damaged.
    static constexpr size_t kMaxBytes = 64 * 1024;

    explicit CBestResultsFile(std::filesystem::path path) : mPath(std::move(path)) {}
    void Load();
    // Takes a run's results on a stage. Under the file's lock, what is on disk now (another game
    // may have written it since) is read and the better of each result kept; when the run set
    // a new best, the file is replaced atomically with them all. A file that could not be read
    // whole is moved aside first, never written over.
    NewBests Record(const std::string& stage, int score, int percent, int frames);
    // A stage's results; empty ones for a stage never cleared.
    const BestResults& Results(const std::string& stage) const;
    bool Cleared(const std::string& stage) const { return Results(stage).frames.has_value(); }
    const BestResultsBook& Book() const { return mBook; }
    const std::filesystem::path& Path() const { return mPath; }

private:
    std::filesystem::path mPath;
    BestResultsBook mBook;
};
