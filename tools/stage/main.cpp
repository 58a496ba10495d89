// zem-stage: compiles a text stage into a stage folder that the game lists on its title
// (put the folder in $XDG_DATA_HOME/zem/stages/, or ~/.local/share/zem/stages/).
#include <cstdio>
#include <filesystem>
#include <string>

#include "stage/StageCompiler.h"

namespace {

constexpr const char* kUsage =
    "usage: zem-stage STAGE.txt FOLDER\n"
    "  compiles the text stage STAGE.txt (36 rows of 350 cells; see the README) into FOLDER:\n"
    "  its four grids and its description, ready for ~/.local/share/zem/stages/\n";

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
