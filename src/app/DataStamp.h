#pragma once
#include <string>
#include <vector>

#include "app/StageDescription.h"

// Short fingerprints of the data a run depends on, read from the working directory: a recording
// or a ghost made on other data would not play the same.

// The game's own data: the title's ground and every stage of the game's own (its grids and its
// description). A recording carries it whatever it plays, and so does a ghost of the game's stages.
std::string GameDataStamp();

// The stamp a ghost of `stage` carries: the game data's for one of the game's own stages (as it
// always was); for a player's stage, that stage's own (its name, description and grid files), so
// that editing the folder, or another folder of the same name, leaves the ghost unshown.
std::string StageDataStamp(const StageDescription& stage);

// The player's stages a title lists (those of `stages` that are not the game's own), their order
// and each one's stamp; empty when it lists none. A recording carries it beside the game data's:
// its title chose among these stages, and a next stage after the game's last is one of them.
std::string PlayerStagesStamp(const std::vector<StageDescription>& stages);

// Why a run recorded with `dataStamp` and `stagesStamp` would not play the same on this game's
// data with the title listing `stages`; empty when it would.
std::string RecordedDataProblem(const std::string& dataStamp, const std::string& stagesStamp,
                                const std::vector<StageDescription>& stages);
