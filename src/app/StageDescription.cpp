#include "app/StageDescription.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <sstream>

#include "app/AssetFiles.h"
#include "app/Geometry.h"
#include "app/Quote.h"
#include "app/Trim.h"
#include "platform/FolderSwap.h"
#include "platform/RegularFile.h"

namespace {

// A description is a few short lines; anything past this is not read.
constexpr size_t kDescriptionBytes = 4096;
constexpr int kPlayerStageLimit = 50;
// Entries of a player's stages folder that are passed over are named up to this many.
constexpr size_t kSkippedEntriesNamed = 5;
const char* const kFirstStageName = "MEADOW";

void PointAt(StageDescription& stage, const std::filesystem::path& folder)
{
    stage.tileMap = (folder / files::kTileMapName).string();
    stage.enemyMap = (folder / files::kEnemyMapName).string();
    stage.scoreMap = (folder / files::kScoreMapName).string();
    stage.recoveryMap = (folder / files::kRecoveryMapName).string();
    // Signs are optional: a stage without them shows none and says nothing.
    std::error_code error;
    const std::filesystem::path signs = folder / files::kSignMapName;
    stage.signMap = std::filesystem::is_regular_file(signs, error) ? signs.string() : std::string();
}

} // namespace

std::string ShowableStageName(const std::string& text)
{
    std::string name;
    for (const char c : text) {
        if (name.size() == kStageNameLength) break;
        const auto u = static_cast<unsigned char>(c);
        name += u >= 0x20 && u < 0x7F ? static_cast<char>(std::toupper(u)) : '?';
    }
    return name;
}

void ApplyTuneAndLook(StageDescription& stage)
{
    stage.tune = std::clamp(stage.tune, 1, files::kStageTuneCount);
    stage.look = std::clamp(stage.look, 1, files::kStageLookCount);
    stage.music = files::kStageTunes[stage.tune - 1];
    const files::StageLook& look = files::kStageLooks[stage.look - 1];
    stage.lowerBackground = look.lowerBackground;
    stage.upperBackground = look.upperBackground;
    stage.mapChips = look.mapChips;
}

StageDescription FirstStage()
{
    StageDescription stage;
    stage.id = "1";
    stage.name = kFirstStageName;
    stage.tileMap = files::kTileMap;
    stage.enemyMap = files::kEnemyMap;
    stage.scoreMap = files::kScoreMap;
    stage.recoveryMap = files::kRecoveryMap;
    stage.signMap = files::kSignMap;
    stage.start = {200.0f, 1300.0f};
    ApplyTuneAndLook(stage);
    return stage;
}

bool ParseStageDescriptionLine(const std::string& line, StageDescription& stage, std::string& problem, size_t* at)
{
    problem.clear();
    // Where a message points: at the key, or at the value when the key is known.
    const size_t keyAt = std::min(line.find_first_not_of(" \t"), line.size());
    const size_t equals = line.find('=');
    const size_t valueAt =
        equals == std::string::npos ? keyAt : std::min(line.find_first_not_of(" \t", equals + 1), line.size());
    auto refuse = [&](size_t offset, std::string why) {
        problem = std::move(why);
        if (at != nullptr) *at = offset;
        return false;
    };
    std::string key, value;
    if (!SplitNameValue(line.substr(0, line.find('#')), key, value)) return refuse(keyAt, "expected 'key = value'");
    std::istringstream in(value);
    std::string extra;
    if (key == "name") {
        if (value.empty()) return refuse(valueAt, "an empty name");
        stage.name = ShowableStageName(value);
        if (value.size() > kStageNameLength) {
            problem = "a name of " + std::to_string(value.size()) + " characters; the title shows the first " +
                      std::to_string(kStageNameLength) + ": " + Quote(stage.name, kStageNameLength);
            if (at != nullptr) *at = valueAt + kStageNameLength;
        }
        return true;
    }
    if (key == "tune" || key == "look") {
        const int count = key == "tune" ? files::kStageTuneCount : files::kStageLookCount;
        int number = 0;
        if (!(in >> number) || (in >> extra) || number < 1 || number > count) {
            return refuse(valueAt, "'" + key + "' needs a number from 1 to " + std::to_string(count));
        }
        (key == "tune" ? stage.tune : stage.look) = number;
        return true;
    }
    if (key == "start") {
        float x = 0.0f;
        float y = 0.0f;
        if (!(in >> x >> y) || (in >> extra) || !(x > 0.0f && x < kStageWidth) || !(y > 0.0f && y < kStageHeight)) {
            return refuse(valueAt, "'start' needs the hero's x and y in pixels, inside the stage");
        }
        stage.start = {x, y};
        return true;
    }
    return refuse(keyAt, "unknown key " + Quote(key, kStageNameLength));
}

std::string FormatStageDescription(const StageDescription& stage)
{
    std::ostringstream out;
    out << "# ZEM stage: the name shown on the title, one of the game's tunes (1-" << files::kStageTuneCount
        << ") and looks (1-" << files::kStageLookCount << "), and the hero's start in pixels\n";
    // Only what the lettering shows: a name made up elsewhere (a folder's) can hold a line break.
    out << "name = " << ShowableStageName(stage.name) << "\n";
    out << "tune = " << stage.tune << "\n";
    out << "look = " << stage.look << "\n";
    // Every digit the start needs to read back the same (200 stays "200").
    out.precision(std::numeric_limits<float>::max_digits10);
    out << "start = " << stage.start.x << " " << stage.start.y << "\n";
    return out.str();
}

StageDescription ReadStageFolder(const std::filesystem::path& folder, const std::string& id,
                                 const StageDescription& fallback)
{
    StageDescription stage = fallback;
    stage.id = id;
    PointAt(stage, folder);
    const std::filesystem::path path = folder / files::kStageDescriptionName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        std::fprintf(stderr, "zem: %s: no stage description; the stage keeps its defaults\n", QuotePath(path).c_str());
        ApplyTuneAndLook(stage);
        return stage;
    }
    std::string text;
    platform::ReadAtMost(path, kDescriptionBytes + 1, text); // unreadable: nothing read, the defaults stay
    if (text.size() > kDescriptionBytes) {
        // The line the bound cuts through is not read at all: half a number is a wrong number.
        text.resize(kDescriptionBytes);
        text.erase(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
        std::fprintf(stderr, "zem: %s: longer than %zu bytes; only the whole lines within them are read\n",
                     QuotePath(path).c_str(), kDescriptionBytes);
    }
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        if (Trim(line).empty()) continue;
        std::string problem;
        const bool taken = ParseStageDescriptionLine(line, stage, problem);
        if (!problem.empty()) {
            std::fprintf(stderr, "zem: %s: line %d: %s%s\n", QuotePath(path).c_str(), number, problem.c_str(),
                         taken ? "" : "; skipped");
        }
    }
    ApplyTuneAndLook(stage);
    return stage;
}

std::vector<StageDescription> GameStages()
{
    std::vector<StageDescription> stages;
    const StageDescription first = FirstStage();
    stages.push_back(ReadStageFolder(files::kDataDir, "1", first));
    for (int number = 2; number <= files::kGameStageCount; ++number) {
        StageDescription fallback = first;
        fallback.name = "STAGE " + std::to_string(number);
        const std::string id = std::to_string(number);
        stages.push_back(ReadStageFolder(std::filesystem::path(files::kGameStagesDir) / id, id, fallback));
    }
    return stages;
}

std::string PlayerStageId(const std::string& folderName)
{
    // The game's own stages are "1", "2", ...: a folder named so must not share their results or
    // ghosts, so its id gets a start that no folder's name can hold.
    const bool number = !folderName.empty() && folderName.find_first_not_of("0123456789") == std::string::npos;
    return number ? "./" + folderName : folderName;
}

std::vector<StageDescription> PlayerStages(const std::filesystem::path& dir)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> folders;
    std::vector<std::pair<std::string, std::string>> skipped; // an entry's name and why it is no stage
    std::error_code error;
    if (!fs::is_directory(dir, error)) return {};
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (platform::IsUnfinishedFolder(name)) continue; // zem-stage writing a stage, or stopped while it did
        std::error_code entryError;
        if (!it->is_directory(entryError)) {
            skipped.emplace_back(name,
                                 entryError ? "cannot be read (" + entryError.message() + ")" : "is not a folder");
            continue;
        }
        if (!fs::is_regular_file(it->path() / files::kTileMapName, entryError)) {
            const bool missing = !entryError || entryError == std::errc::no_such_file_or_directory;
            skipped.emplace_back(name, missing ? std::string("holds no ") + files::kTileMapName
                                               : "cannot be read (" + entryError.message() + ")");
            continue;
        }
        folders.push_back(it->path());
    }
    if (error) {
        std::fprintf(stderr, "zem: %s: cannot read the whole folder (%s); the stages found so far are listed\n",
                     QuotePath(dir).c_str(), error.message().c_str());
    }
    std::sort(skipped.begin(), skipped.end());
    for (size_t i = 0; i < skipped.size() && i < kSkippedEntriesNamed; ++i) {
        std::fprintf(stderr, "zem: %s: %s %s; skipped\n", QuotePath(dir).c_str(), Quote(skipped[i].first, 64).c_str(),
                     skipped[i].second.c_str());
    }
    if (skipped.size() > kSkippedEntriesNamed) {
        std::fprintf(stderr, "zem: %s: %zu more entries that are no stages skipped\n", QuotePath(dir).c_str(),
                     skipped.size() - kSkippedEntriesNamed);
    }
    std::sort(folders.begin(), folders.end());
    if (folders.size() > kPlayerStageLimit) {
        std::fprintf(stderr, "zem: %s: more than %d stages; the first %d are shown\n", QuotePath(dir).c_str(),
                     kPlayerStageLimit, kPlayerStageLimit);
        folders.resize(kPlayerStageLimit);
    }
    std::vector<StageDescription> stages;
    for (const auto& folder : folders) {
        StageDescription fallback = FirstStage();
        fallback.ownStage = false;
        fallback.name = ShowableStageName(folder.filename().string());
        stages.push_back(ReadStageFolder(folder, PlayerStageId(folder.filename().string()), fallback));
    }
    return stages;
}
