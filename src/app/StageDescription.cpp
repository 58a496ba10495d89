#include "app/StageDescription.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <sstream>

#include "app/AssetFiles.h"
#include "app/Geometry.h"
#include "app/Quote.h"
#include "app/Trim.h"
#include "platform/RegularFile.h"

namespace {

// A description is a few short lines; anything past this is not read.
constexpr size_t kDescriptionBytes = 4096;
constexpr size_t kNameLength = 32;
constexpr int kPlayerStageLimit = 50;
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

// Shown in the game's own lettering: printable ASCII, upper case.
std::string ShowableName(const std::string& text)
{
    std::string name;
    for (const char c : text) {
        if (name.size() == kNameLength) break;
        const auto u = static_cast<unsigned char>(c);
        name += u >= 0x20 && u < 0x7F ? static_cast<char>(std::toupper(u)) : '?';
    }
    return name;
}

} // namespace

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

bool ParseStageDescriptionLine(const std::string& line, StageDescription& stage, std::string& problem)
{
    std::string key, value;
    if (!SplitNameValue(line.substr(0, line.find('#')), key, value)) {
        problem = "expected 'key = value'";
        return false;
    }
    std::istringstream in(value);
    std::string extra;
    if (key == "name") {
        if (value.empty()) {
            problem = "an empty name";
            return false;
        }
        stage.name = ShowableName(value);
        return true;
    }
    if (key == "tune" || key == "look") {
        const int count = key == "tune" ? files::kStageTuneCount : files::kStageLookCount;
        int number = 0;
        if (!(in >> number) || (in >> extra) || number < 1 || number > count) {
            problem = "'" + key + "' needs a number from 1 to " + std::to_string(count);
            return false;
        }
        (key == "tune" ? stage.tune : stage.look) = number;
        return true;
    }
    if (key == "start") {
        float x = 0.0f;
        float y = 0.0f;
        if (!(in >> x >> y) || (in >> extra) || !(x > 0.0f && x < kStageWidth) || !(y > 0.0f && y < kStageHeight)) {
            problem = "'start' needs the hero's x and y in pixels, inside the stage";
            return false;
        }
        stage.start = {x, y};
        return true;
    }
    problem = "unknown key " + Quote(key, kNameLength);
    return false;
}

std::string FormatStageDescription(const StageDescription& stage)
{
    std::ostringstream out;
    out << "# ZEM stage: the name shown on the title, one of the game's tunes (1-" << files::kStageTuneCount
        << ") and looks (1-" << files::kStageLookCount << "), and the hero's start in pixels\n";
    out << "name = " << stage.name << "\n";
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
    platform::ReadAtMost(path, kDescriptionBytes, text); // unreadable: nothing read, the defaults stay
    if (text.size() == kDescriptionBytes) {
        std::fprintf(stderr, "zem: %s: longer than %zu bytes; only its start is read\n", QuotePath(path).c_str(),
                     kDescriptionBytes);
    }
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        if (Trim(line).empty()) continue;
        std::string problem;
        if (!ParseStageDescriptionLine(line, stage, problem)) {
            std::fprintf(stderr, "zem: %s: line %d: %s; skipped\n", QuotePath(path).c_str(), number, problem.c_str());
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

std::vector<StageDescription> PlayerStages(const std::filesystem::path& dir)
{
    std::vector<std::filesystem::path> folders;
    std::error_code error;
    if (!std::filesystem::is_directory(dir, error)) return {};
    for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        if (it->is_directory(error) && std::filesystem::is_regular_file(it->path() / files::kTileMapName, error)) {
            folders.push_back(it->path());
        }
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
        fallback.name = ShowableName(folder.filename().string());
        stages.push_back(ReadStageFolder(folder, folder.filename().string(), fallback));
    }
    return stages;
}
