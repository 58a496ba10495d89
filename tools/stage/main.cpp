// zem-stage: compiles a text stage into a stage folder that the game lists on its title
// (put the folder in $XDG_DATA_HOME/zem/stages/, or ~/.local/share/zem/stages/).
#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "platform/DataDirectory.h"
#include "solver/SolveCommand.h"
#include "stage/StageCompiler.h"

namespace {

constexpr const char* kUsage =
    "usage: zem-stage STAGE.txt FOLDER\n"
    "       zem-stage --solve FOLDER [--out FILE]\n"
    "  compiles the text stage STAGE.txt (36 rows of 350 cells; see the README) into FOLDER:\n"
    "  its four grids and its description, ready for ~/.local/share/zem/stages/\n"
    "  --solve searches a route from the stage's start to its goal and writes it as a recording\n"
    "  from the title (default FOLDER/solution.keys) for zem --replay or zem-headless --keys;\n"
    "  without one it says where it got stuck and exits 1\n";

// The solver plays the game, which reads its data by paths relative to the data directory.
bool EnterDataDirectory()
{
    const auto dataDir = platform::FindDataDirectory(platform::ProgramDirectory(), ZEM_INSTALLED_DATA_DIR);
    if (!dataDir || chdir(dataDir->c_str()) != 0) {
        std::fprintf(stderr, "zem-stage: the game's data (TitleMap.txt, Resource/) is not found beside the program\n");
        return false;
    }
    return true;
}

// zem-stage --solve FOLDER [--out FILE]
int Solve(int argc, char** argv)
{
    if (argc != 3 && !(argc == 5 && std::string(argv[3]) == "--out")) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute(argv[2], error);
    const std::filesystem::path out =
        argc == 5 ? std::filesystem::absolute(argv[4], error) : folder / "solution.keys";
    if (!EnterDataDirectory()) return 2;
    return SolveStageFolder(folder, out);
}

// The folder's own name, also when it is given with a slash at its end or as "." or "..".
std::string FolderName(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::path named = std::filesystem::absolute(folder, error).lexically_normal();
    if (!named.has_filename() && named.has_relative_path()) named = named.parent_path();
    return named.filename().string();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc >= 2 && std::string(argv[1]) == "--solve") return Solve(argc, argv);
    if (argc != 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[2];
    StageDescription defaults = FirstStage();
    defaults.ownStage = false;
    defaults.name = FolderName(folder); // without an @name line; made showable with the settings
    return CompileStageFolder(argv[1], folder, defaults) ? 0 : 1;
}
