#include "app/BestResults.h"

#include <cstdio>
#include <sstream>

#include "app/PlayerFile.h"
#include "app/Quote.h"
#include "app/StageIdText.h"
#include "platform/FileLock.h"
#include "platform/UserFiles.h"

namespace {

// Keeps the larger (or, for frames, the smaller) value; true when `value` is new.
bool Keep(std::optional<int>& best, int value, bool fewerIsBetter)
{
    if (best && (fewerIsBetter ? value >= *best : value <= *best)) return false;
    best = value;
    return true;
}

void KeepIfBetter(std::optional<int>& best, const std::optional<int>& other, bool fewerIsBetter)
{
    if (other) Keep(best, *other, fewerIsBetter);
}

} // namespace

NewBests Improve(BestResults& best, int score, int percent, int frames)
{
    NewBests result;
    result.score = Keep(best.score, score, false);
    result.percent = Keep(best.percent, percent, false);
    result.frames = Keep(best.frames, frames, true);
    return result;
}

void KeepBetter(BestResultsBook& book, const BestResultsBook& other)
{
    for (const auto& [stage, theirs] : other) {
        BestResults& ours = book[stage];
        KeepIfBetter(ours.score, theirs.score, false);
        KeepIfBetter(ours.percent, theirs.percent, false);
        KeepIfBetter(ours.frames, theirs.frames, true);
    }
}

namespace {

constexpr const char* kFirstStage = "1";
constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

void FormatResults(const BestResults& best, std::string& text)
{
    if (best.score) text += "score " + std::to_string(*best.score) + "\n";
    if (best.percent) text += "percent " + std::to_string(*best.percent) + "\n";
    if (best.frames) text += "frames " + std::to_string(*best.frames) + "\n";
}

} // namespace

std::string FormatBestResults(const BestResultsBook& book)
{
    std::string text = "# zem's best results\n";
    if (const auto first = book.find(kFirstStage); first != book.end()) FormatResults(first->second, text);
    for (const auto& [stage, best] : book) {
        if (stage == kFirstStage) continue;
        text += StageSection(stage) + "\n";
        FormatResults(best, text);
    }
    return text;
}

bool ParseBestResults(const std::string& text, BestResultsBook& book, std::string& problem)
{
    BestResultsBook read;
    // The stage the lines belong to; none under a damaged section header.
    std::optional<std::string> stage = kFirstStage;
    std::istringstream lines(text.starts_with(kByteOrderMark) ? text.substr(3) : text);
    std::string line;
    bool good = true;
    auto damaged = [&](int number, const std::string& what) {
        if (good) problem = "line " + std::to_string(number) + ": " + what;
        good = false;
    };
    for (int number = 1; std::getline(lines, line); ++number) {
        if (const auto first = line.find_first_not_of(" \t\r"); first != std::string::npos && line[first] == '[') {
            std::string id;
            if (ReadStageSection(line, id)) {
                stage = id;
            } else {
                damaged(number, "a stage is named as [ID] (one word of printable characters) or [\"NAME\"]");
                stage.reset();
            }
            continue;
        }
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string name;
        if (!(words >> name)) continue;
        long long value = -1;
        std::string extra;
        BestResults unowned;
        BestResults& best = stage ? read[*stage] : unowned;
        std::optional<int>* slot = name == "score"     ? &best.score
                                   : name == "percent" ? &best.percent
                                   : name == "frames"  ? &best.frames
                                                       : nullptr;
        if (slot == nullptr) {
            damaged(number, "unknown entry " + Quote(name, 32));
            continue;
        }
        if (!(words >> value) || (words >> extra) || value < 0 || value > 1000000000) {
            damaged(number, "'" + name + "' needs one whole number (0 or more)");
            continue;
        }
        *slot = static_cast<int>(value);
    }
    book = std::move(read);
    return good;
}

void CBestResultsFile::Load()
{
    const PlayerFileText read = ReadPlayerFile(mPath, kMaxBytes);
    switch (read.state) {
    case PlayerFileText::State::Missing: return;
    case PlayerFileText::State::Unread:
        std::fprintf(stderr, "zem: %s: %s; playing on without best results\n", QuotePath(mPath).c_str(),
                     read.problem.c_str());
        return;
    case PlayerFileText::State::Cut:
        std::fprintf(stderr, "zem: %s: %s, so damaged; only the lines before are read\n", QuotePath(mPath).c_str(),
                     read.problem.c_str());
        break;
    case PlayerFileText::State::Whole: break;
    }
    std::string problem;
    if (!ParseBestResults(read.text, mBook, problem)) {
        std::fprintf(stderr, "zem: %s: %s; the other results are kept\n", QuotePath(mPath).c_str(), problem.c_str());
    }
}

const BestResults& CBestResultsFile::Results(const std::string& stage) const
{
    static const BestResults kNone;
    const auto it = mBook.find(stage);
    return it != mBook.end() ? it->second : kNone;
}

NewBests CBestResultsFile::Record(const std::string& stage, int score, int percent, int frames)
{
    const platform::FileLock lock(mPath);
    // Another game may have kept results since this one read the file. Its damaged lines were
    // named at the start, or are another game's to name; the good ones count.
    const PlayerFileText onDisk = ReadPlayerFile(mPath, kMaxBytes);
    BestResultsBook written;
    std::string problem;
    ParseBestResults(onDisk.text, written, problem);
    KeepBetter(mBook, written);

    const NewBests news = Improve(mBook[stage], score, percent, frames);
    if (!news.Any()) return news;
    const char* notKept = "the new best is not kept";
    if (!SetAsideUnlessWhole(mPath, onDisk, notKept)) return news;
    std::string error;
    if (!platform::WriteFileAtomically(mPath, FormatBestResults(mBook), error)) {
        std::fprintf(stderr, "zem: %s: %s; %s\n", QuotePath(mPath).c_str(), error.c_str(), notKept);
    }
    return news;
}
