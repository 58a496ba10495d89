#pragma once
#include <filesystem>

// Each generator writes its files under the run directory, by the names the game loads them by,
// and reports problems on standard error; false on failure.
bool GenerateImages(const std::filesystem::path& runDir);
bool GenerateSounds(const std::filesystem::path& runDir);
// Compiles the stage and the title ground from their readable sources under `dataDir`.
bool GenerateStage(const std::filesystem::path& dataDir, const std::filesystem::path& runDir);
