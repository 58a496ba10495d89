#pragma once
#include <filesystem>

// zem-stage --solve FOLDER [--out FILE]: searches a route through the stage in FOLDER (one of the
// game's own stage folders, or one among a player's stages) and writes it as a recording from
// the title, which `zem --replay` and `zem-headless --keys` play to the goal. Run from the
// game's data directory. Says where the search got stuck when it finds no route; returns the
// exit status (0 found, 1 not found or not written, 2 not a stage).
int SolveStageFolder(const std::filesystem::path& folder, const std::filesystem::path& out);
