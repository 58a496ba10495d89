#pragma once
#include <optional>
#include <vector>

#include "CharGrid.h"
#include "app/StageDescription.h"

constexpr int kStageRows = 36;
constexpr int kStageColumns = 350;

// One of the game's stage grids as the compiler builds it, row-major: cells[row][column].
using CompiledGrid = std::vector<std::vector<int>>;

struct StageLayers {
    CompiledGrid tiles, enemies, scores, heals, signs;
};

// Turns the checked stage source into the five grids and checks them as the game checks a
// player's stage (map/StageCheck.h): 2 x 2 items have their block to themselves, there is one
// goal marker, and the hero starts (its box centred on `start`) in the open above ground.
// Problems are reported at their line and column of the source; nothing is returned then.
std::optional<StageLayers> CompileStage(const CharGrid& source, platform::Vec2 start = {200.0f, 1300.0f});

// The stage's description from the source's settings ("@name = ...", "@tune", "@look",
// "@start"), over `defaults`; a bad setting is reported at its line and the result is empty.
std::optional<StageDescription> StageSettings(const CharGrid& source, const StageDescription& defaults);

// Reads, checks and compiles the text stage `source` into `folder`: its grids and its
// description, put in place in one change (platform/FolderSwap.h). Every problem is reported on
// standard error; false then.
bool CompileStageFolder(const std::filesystem::path& source, const std::filesystem::path& folder,
                        const StageDescription& defaults);

// The stage's score total: 1 per small star, 10 per big star.
int StageScoreTotal(const StageLayers& layers);
