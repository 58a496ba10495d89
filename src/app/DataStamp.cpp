#include "app/DataStamp.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/AssetFiles.h"

namespace {

// 64-bit FNV-1a: plenty to tell one set of files from another.
void Mix(uint64_t& hash, const std::string& bytes)
{
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001B3ull;
    }
}

// The files whose bytes decide what a run does: the title map and every stage of the game's own
// (its grids and its description).
std::vector<std::string> StampedFiles()
{
    std::vector<std::string> names{files::kTileMap, files::kEnemyMap, files::kScoreMap, files::kRecoveryMap,
                                   files::kTitleMap};
    names.push_back(std::string(files::kDataDir) + "/" + files::kStageDescriptionName);
    for (int number = 2; number <= files::kGameStageCount; ++number) {
        const std::string folder = std::string(files::kGameStagesDir) + "/" + std::to_string(number) + "/";
        for (const char* name : {files::kTileMapName, files::kEnemyMapName, files::kScoreMapName,
                                 files::kRecoveryMapName, files::kStageDescriptionName}) {
            names.push_back(folder + name);
        }
    }
    return names;
}

} // namespace

std::string GameDataStamp()
{
    uint64_t hash = 0xCBF29CE484222325ull;
    for (const std::string& name : StampedFiles()) {
        const char* file = name.c_str();
        std::ifstream in(file, std::ios::binary);
        Mix(hash, file);
        Mix(hash, in ? std::string(std::istreambuf_iterator<char>(in), {}) : std::string("\x01missing"));
    }
    char text[17];
    std::snprintf(text, sizeof(text), "%016llx", static_cast<unsigned long long>(hash));
    return text;
}
