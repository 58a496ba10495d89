#include "platform/DataDirectory.h"

#include <system_error>

namespace platform {

namespace {

bool HoldsGameData(const std::filesystem::path& dir)
{
    std::error_code error;
    return !dir.empty() && std::filesystem::is_regular_file(dir / "TitleMap.txt", error) &&
           std::filesystem::is_directory(dir / "Resource", error);
}

} // namespace

std::filesystem::path ProgramDirectory()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path{} : program.parent_path();
}

std::optional<std::filesystem::path> FindDataDirectory(const std::filesystem::path& programDir,
                                                       const std::filesystem::path& installedDataDir)
{
    const std::filesystem::path candidates[] = {
        programDir,
        programDir.empty() ? std::filesystem::path{} : programDir.parent_path() / "share" / "zem",
        installedDataDir,
    };
    for (const auto& dir : candidates)
        if (HoldsGameData(dir)) return dir;
    return std::nullopt;
}

} // namespace platform
