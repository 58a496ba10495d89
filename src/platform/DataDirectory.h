#pragma once
#include <filesystem>
#include <optional>

namespace platform {

// The directory of the running program ("/proc/self/exe"); empty when it cannot be told.
std::filesystem::path ProgramDirectory();

// Where the game's data (TitleMap.txt and Resource/) is, tried in this order: beside the
// program (the build's run directory), in ../share/zem next to the program's bin/ (an
// installed game, wherever its prefix or staging directory is), and the data directory the
// game was built to be installed to. Nothing when none of them holds the data.
std::optional<std::filesystem::path> FindDataDirectory(const std::filesystem::path& programDir,
                                                       const std::filesystem::path& installedDataDir);

} // namespace platform
