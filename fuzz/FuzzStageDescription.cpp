// A stage folder's "Stage.ini" as the game reads it when it lists the stages.
#include <algorithm>
#include <cstdlib>

#include "AllocationBudget.h"
#include "InputFile.h"
#include "app/AssetFiles.h"
#include "app/Geometry.h"
#include "app/StageDescription.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::filesystem::path& folder = InputFolder(data, size, files::kStageDescriptionName);
    static const StageDescription fallback = FirstStage();
    StageDescription stage;
    // The read buffer of the bound (4 KB) and the stream's, and the stage's paths and names (13 KB
    // in all); the text copied into a stream, a line, its halves and the digits of a number being
    // read (a start of one long number holds 7.6 times the text).
    const size_t read = std::min<size_t>(size, 4096);
    WithinBudget(read, 8, 16 * 1024, [&] { stage = ReadStageFolder(folder, "fuzz", fallback); });

    // The title draws the name in the game's lettering; the stage plays one of the game's tunes
    // and looks with the hero inside it.
    const auto unshowable = [](char c) { return c < 0x20 || c > 0x7E || (c >= 'a' && c <= 'z'); };
    if (stage.name.empty() || stage.name.size() > 32 || std::any_of(stage.name.begin(), stage.name.end(), unshowable))
        std::abort();
    if (stage.tune < 1 || stage.tune > files::kStageTuneCount || stage.look < 1 || stage.look > files::kStageLookCount)
        std::abort();
    if (!(stage.start.x > 0.0f && stage.start.x < kStageWidth && stage.start.y > 0.0f && stage.start.y < kStageHeight))
        std::abort();
    if (stage.music.empty() || stage.mapChips.empty()) std::abort();
    return 0;
}
