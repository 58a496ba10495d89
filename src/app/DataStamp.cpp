#include "app/DataStamp.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/AssetFiles.h"
#include "app/Quote.h"
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

// The files whose bytes decide what a run on the game's own stages does: the title map and every stage of the game's own
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

constexpr uint64_t kFirstHash = 0xCBF29CE484222325ull;

std::string StampText(uint64_t hash)
{
    char text[17];
    std::snprintf(text, sizeof(text), "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// What decides a run on a stage: the folder's name (the stage's id, under which its best results
// and ghost are kept), what its description set, and its grid files.
void MixStage(uint64_t& hash, const StageDescription& stage)
{
    // The start exactly, as hexadecimal floats; each word ends with a zero byte, so that "ab" "c"
    // and "a" "bc" differ.
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, "%d %d %a %a", stage.tune, stage.look, static_cast<double>(stage.start.x),
                  static_cast<double>(stage.start.y));
    for (const std::string_view word :
         {std::string_view(stage.id), std::string_view(stage.name), std::string_view(numbers)}) {
        Mix(hash, word);
        Mix(hash, std::string_view("", 1));
    }
    for (const std::string* file :
         {&stage.tileMap, &stage.enemyMap, &stage.scoreMap, &stage.recoveryMap, &stage.signMap}) {
        if (file->empty()) Mix(hash, "\x01none"); // no sign grid
        if (!file->empty()) MixFile(hash, *file);
    }
}

} // namespace

std::string GameDataStamp()
{
    uint64_t hash = kFirstHash;
    for (const std::string& name : StampedFiles()) {
        const char* file = name.c_str();
        Mix(hash, file);
        MixFile(hash, name);
    }
    return StampText(hash);
}

std::string StageDataStamp(const StageDescription& stage)
{
    if (stage.ownStage) return GameDataStamp();
    uint64_t hash = kFirstHash;
    MixStage(hash, stage);
    return StampText(hash);
}

std::string PlayerStagesStamp(const std::vector<StageDescription>& stages)
{
    uint64_t hash = kFirstHash;
    bool any = false;
    for (const StageDescription& stage : stages) {
        if (stage.ownStage) continue;
        MixStage(hash, stage);
        any = true;
    }
    return any ? StampText(hash) : std::string();
}

std::string RecordedDataProblem(const std::string& dataStamp, const std::string& stagesStamp,
                                const std::vector<StageDescription>& stages)
{
    constexpr size_t kShown = 32;
    const std::string data = GameDataStamp();
    if (dataStamp != data) {
        return "recorded on other game data (stamp " + (dataStamp.empty() ? "none" : Quote(dataStamp, kShown)) +
               ", this game's is " + Quote(data, kShown) + ")";
    }
    const std::string listed = PlayerStagesStamp(stages);
    if (stagesStamp == listed) return {};
    if (stagesStamp.empty()) return "recorded without stages of the player's own, and the title lists some now";
    return "recorded with other stages of the player's own (stamp " + Quote(stagesStamp, kShown) + ", " +
           (listed.empty() ? std::string("there are none now") : "now " + Quote(listed, kShown)) + ")";
}
