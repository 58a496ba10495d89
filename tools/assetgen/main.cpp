// zem-assetgen: draws, synthesizes and compiles every file the game loads, deterministically,
// into a run directory (Resource/Texture, Resource/Sound, Resource/Data, TitleMap.txt).
#include <cstdio>
#include <filesystem>
#include <string>

#include "Generators.h"
#include "app/AssetFiles.h"

int main(int argc, char** argv)
{
    std::filesystem::path dataDir = "data";
    std::filesystem::path outDir = ".";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--data" || arg == "--out") && i + 1 < argc) {
            (arg == "--data" ? dataDir : outDir) = argv[++i];
        } else {
            std::fprintf(stderr, "usage: zem-assetgen --data DIR --out DIR\n");
            return 2;
        }
    }
    std::error_code error;
    for (const char* sub : {files::kTextureDir, files::kSoundDir, files::kDataDir}) {
        std::filesystem::create_directories(outDir / sub, error);
        if (error) {
            std::fprintf(stderr, "zem-assetgen: %s: %s\n", (outDir / sub).c_str(), error.message().c_str());
            return 1;
        }
    }
    bool ok = GenerateImages(outDir);
    ok = GenerateSounds(outDir) && ok;
    ok = GenerateStage(dataDir, outDir) && ok;
    return ok ? 0 : 1;
}
