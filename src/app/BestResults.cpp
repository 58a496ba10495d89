#include "app/BestResults.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/UserFiles.h"

namespace {

// Keeps the larger (or, for frames, the smaller) value; true when `value` is new.
bool Keep(std::optional<int>& best, int value, bool fewerIsBetter)
{
    if (best && (fewerIsBetter ? value >= *best : value <= *best)) return false;
    best = value;
    return true;
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

std::string FormatBestResults(const BestResults& best)
{
    std::string text = "# zem's best results\n";
    if (best.score) text += "score " + std::to_string(*best.score) + "\n";
    if (best.percent) text += "percent " + std::to_string(*best.percent) + "\n";
    if (best.frames) text += "frames " + std::to_string(*best.frames) + "\n";
    return text;
}

bool ParseBestResults(const std::string& text, BestResults& best, std::string& problem)
{
    BestResults read;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string name;
        if (!(words >> name)) continue;
        long long value = -1;
        std::string extra;
        std::optional<int>* slot = name == "score" ? &read.score
                                   : name == "percent" ? &read.percent
                                   : name == "frames" ? &read.frames
                                                      : nullptr;
        if (slot == nullptr) {
            problem = "line " + std::to_string(number) + ": unknown entry '" + name + "'";
            return false;
        }
        if (!(words >> value) || (words >> extra) || value < 0 || value > 1000000000) {
            problem = "line " + std::to_string(number) + ": '" + name + "' needs one whole number (0 or more)";
            return false;
        }
        *slot = static_cast<int>(value);
    }
    best = read;
    return true;
}

void CBestResultsFile::Load()
{
    std::error_code ec;
    if (!std::filesystem::exists(mPath, ec)) return;
    std::ifstream in(mPath, std::ios::binary);
    std::string text;
    if (in) text.assign(std::istreambuf_iterator<char>(in), {});
    if (!in || in.bad()) {
        std::fprintf(stderr, "zem: %s: cannot read the best results; playing on without them\n", mPath.c_str());
        return;
    }
    std::string problem;
    if (!ParseBestResults(text, mResults, problem)) {
        std::fprintf(stderr, "zem: %s: %s; the best results start afresh\n", mPath.c_str(), problem.c_str());
    }
}

NewBests CBestResultsFile::Record(int score, int percent, int frames)
{
    const NewBests news = Improve(mResults, score, percent, frames);
    std::string error;
    if (news.Any() && !platform::WriteFileAtomically(mPath, FormatBestResults(mResults), error)) {
        std::fprintf(stderr, "zem: %s: %s; the new best is not kept\n", mPath.c_str(), error.c_str());
    }
    return news;
}
