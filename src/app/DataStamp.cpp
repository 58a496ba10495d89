#include "app/DataStamp.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/AssetFiles.h"
#include "platform/RegularFile.h"

namespace {

// 64-bit FNV-1a: plenty to tell one set of files from another.
void Mix(uint64_t& hash, std::string_view bytes)
{
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001B3ull;
    }
}

// A file's bytes as far as the stage loader reads them, a buffer at a time; one it refuses (missing,
// not a regular file) mixes in as missing.
void MixFile(uint64_t& hash, const std::string& name)
{
    std::string problem;
    std::ifstream in;
    if (platform::IsRegularFile(name, problem)) in.open(name, std::ios::binary);
    if (!in.is_open() || !in) {
        Mix(hash, "\x01missing");
        return;
    }
    std::string buffer(1 << 16, '\0');
    unsigned long left = files::kStageFileMaxBytes;
    while (left > 0 && in) {
        in.read(buffer.data(), static_cast<std::streamsize>(std::min<unsigned long>(buffer.size(), left)));
        const auto got = static_cast<size_t>(in.gcount());
        if (got == 0) break;
        Mix(hash, std::string_view(buffer.data(), got));
        left -= got;
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
        Mix(hash, file);
        MixFile(hash, name);
    }
    char text[17];
    std::snprintf(text, sizeof(text), "%016llx", static_cast<unsigned long long>(hash));
    return text;
}
