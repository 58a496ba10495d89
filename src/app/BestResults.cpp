#include "app/BestResults.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/Quote.h"
#include "platform/RegularFile.h"
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

namespace {

constexpr const char* kFirstStage = "1";
// The file is a few lines a stage; reading stops here.
constexpr size_t kFileBytes = 64 * 1024;
constexpr size_t kStageIdLength = 64;

void FormatResults(const BestResults& best, std::string& text)
{
    if (best.score) text += "score " + std::to_string(*best.score) + "\n";
    if (best.percent) text += "percent " + std::to_string(*best.percent) + "\n";
    if (best.frames) text += "frames " + std::to_string(*best.frames) + "\n";
}

bool ValidStageId(const std::string& id)
{
    if (id.empty() || id.size() > kStageIdLength) return false;
    for (const char c : id) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x21 || u > 0x7E || c == '[' || c == ']' || c == '#') return false;
    }
    return true;
}

} // namespace

std::string FormatBestResults(const BestResultsBook& book)
{
    std::string text = "# zem's best results\n";
    if (const auto first = book.find(kFirstStage); first != book.end()) FormatResults(first->second, text);
    for (const auto& [stage, best] : book) {
        if (stage == kFirstStage) continue;
        text += "[" + stage + "]\n";
        FormatResults(best, text);
    }
    return text;
}

bool ParseBestResults(const std::string& text, BestResultsBook& book, std::string& problem)
{
    BestResultsBook read;
    std::string stage = kFirstStage;
    std::istringstream lines(text);
    std::string line;
    bool good = true;
    auto damaged = [&](int number, const std::string& what) {
        if (good) problem = "line " + std::to_string(number) + ": " + what;
        good = false;
    };
    for (int number = 1; std::getline(lines, line); ++number) {
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string name;
        if (!(words >> name)) continue;
        if (name.front() == '[') {
            std::string extra;
            const std::string id = name.size() > 2 && name.back() == ']' ? name.substr(1, name.size() - 2) : "";
            if (!ValidStageId(id) || (words >> extra)) {
                damaged(number, "a stage is named as [ID], one word of printable characters");
                stage.clear(); // the lines under a bad name belong to no stage
            } else {
                stage = id;
            }
            continue;
        }
        long long value = -1;
        std::string extra;
        BestResults& best = read[stage.empty() ? std::string("?") : stage];
        std::optional<int>* slot = name == "score" ? &best.score
                                   : name == "percent" ? &best.percent
                                   : name == "frames" ? &best.frames
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
    read.erase("?");
    book = std::move(read);
    return good;
}

void CBestResultsFile::Load()
{
    std::error_code ec;
    if (!std::filesystem::exists(mPath, ec)) return;
    if (!std::filesystem::is_regular_file(mPath, ec)) {
        std::fprintf(stderr, "zem: %s: not a regular file; playing on without best results\n",
                     QuotePath(mPath).c_str());
        return;
    }
    std::string text;
    if (!platform::ReadAtMost(mPath, kFileBytes, text)) {
        std::fprintf(stderr, "zem: %s: cannot read the best results; playing on without them\n",
                     QuotePath(mPath).c_str());
        return;
    }
    if (text.size() == kFileBytes) {
        std::fprintf(stderr, "zem: %s: longer than %zu bytes, so damaged; the best results start afresh\n",
                     QuotePath(mPath).c_str(), kFileBytes);
        return;
    }
    std::string problem;
    if (!ParseBestResults(text, mBook, problem)) {
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
    const NewBests news = Improve(mBook[stage], score, percent, frames);
    std::string error;
    if (news.Any() && !platform::WriteFileAtomically(mPath, FormatBestResults(mBook), error)) {
        std::fprintf(stderr, "zem: %s: %s; the new best is not kept\n", QuotePath(mPath).c_str(), error.c_str());
    }
    return news;
}
