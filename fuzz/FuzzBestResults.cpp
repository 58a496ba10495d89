// The best-results file as the game reads it at start. What it keeps the game writes back
// after the next new best, and that must read back the same and without a complaint.
#include <cstdlib>

#include "AllocationBudget.h"
#include "InputFile.h"
#include "app/BestResults.h"
#include "app/StageIdText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = InputFile(data, size);
    CBestResultsFile file(path);
    // The read buffer of the bound (64 KB) and the stream's, the text copied into a stream, a
    // line and its words, and a stage's entry (96 bytes) for each section of 12 bytes: a file
    // of such sections holds 8 times what is read.
    const size_t read = std::min<size_t>(size, 64 * 1024);
    WithinBudget(read, 10, 96 * 1024, [&] { file.Load(); });

    for (const auto& [stage, best] : file.Book()) {
        if (stage.empty() || stage.size() > kStageIdBytes) std::abort();
        for (const auto& value : {best.score, best.percent, best.frames}) {
            if (value && (*value < 0 || *value > 1000000000)) std::abort();
        }
    }
    // A stage with no result left is as good as none: only those with one are written.
    BestResultsBook again;
    std::string problem;
    if (!ParseBestResults(FormatBestResults(file.Book()), again, problem)) std::abort();
    size_t withResults = 0;
    for (const auto& [stage, best] : file.Book()) {
        if (!best.score && !best.percent && !best.frames) continue;
        ++withResults;
        const auto it = again.find(stage);
        if (it == again.end() || it->second.score != best.score || it->second.percent != best.percent ||
            it->second.frames != best.frames)
            std::abort();
    }
    if (again.size() != withResults) std::abort();
    return 0;
}
