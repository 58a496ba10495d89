// zem-stage: compiles a text stage into a stage folder that the game lists on its title
// (put the folder in $XDG_DATA_HOME/zem/stages/, or ~/.local/share/zem/stages/).
#include <cstdio>
#include <filesystem>
#include <string>

#include "stage/StageCompiler.h"

int main(int argc, char** argv)
{
    if (argc != 3 || std::string(argv[1]) == "--help") {
        std::fprintf(stderr,
                     "usage: zem-stage STAGE.txt FOLDER\n"
                     "  compiles the text stage STAGE.txt (36 rows of 350 cells; see the README) into FOLDER:\n"
                     "  its four grids and its description, ready for ~/.local/share/zem/stages/\n");
        return argc == 2 ? 0 : 2;
    }
    const std::filesystem::path folder = argv[2];
    StageDescription defaults = FirstStage();
    defaults.ownStage = false;
    defaults.name = folder.filename().string();
    return CompileStageFolder(argv[1], folder, defaults) ? 0 : 1;
}
