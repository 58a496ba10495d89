#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Types.h"

// Where a stage is and how it starts: its four grid files and its sign grid, the hero's start,
// its music, the two background pictures and its tiles. The game scene plays whichever stage the
// frame carries; the grid's size is the same for every stage (Geometry.h).
struct StageDescription {
    std::string id;    // "1", "2", ... for the game's own stages; the folder's name for a player's
    std::string name;  // shown on the title
    bool ownStage = true; // one of the game's; a player's stage is open from the start
    std::string tileMap;
    std::string enemyMap;
    std::string scoreMap;
    std::string recoveryMap;
    std::string signMap; // the signs drawn behind the tiles; empty for none
    platform::Vec2 start;
    int tune = 1; // 1-based, into kStageTunes
    int look = 1; // 1-based, into kStageLooks
    std::string music;
    std::string lowerBackground;
    std::string upperBackground;
    std::string mapChips;
};

// The game's own first stage as it is built in, without reading its description.
StageDescription FirstStage();

// The stage in `folder`: its grids by their fixed names and its description "Stage.ini" (name,
// tune, look, start), read as far as a small bound. A missing description keeps `fallback`'s
// values; each bad line is named in one line on standard error and skipped.
StageDescription ReadStageFolder(const std::filesystem::path& folder, const std::string& id,
                                 const StageDescription& fallback);

// The description's text, as ReadStageFolder reads it (for the stage compiler's output).
std::string FormatStageDescription(const StageDescription& stage);

// Takes one "key = value" line of a description into `stage` ('#' starts a comment); false with the reason in `problem`.
// A line taken with a change (a name cut to the length the title shows) says so in `problem`.
// `at`, when given, is set to where in the line a problem lies (from 0).
bool ParseStageDescriptionLine(const std::string& line, StageDescription& stage, std::string& problem,
                               size_t* at = nullptr);

// The longest name the title shows.
constexpr size_t kStageNameLength = 32;
// A name as the game's lettering shows it: printable ASCII in upper case, any other byte as '?',
// at most kStageNameLength characters.
std::string ShowableStageName(const std::string& text);

// The game's own stages, in order: Resource/Data, then Resource/Stages/2, 3.
std::vector<StageDescription> GameStages();
// A player's stages: each folder of `dir` holding a tile grid, by folder name, at most a few
// dozen; none when `dir` does not exist. Every other entry is named in one line (the first few),
// except what zem-stage leaves while it writes a stage.
std::vector<StageDescription> PlayerStages(const std::filesystem::path& dir);
// A player's stage's id, by which its best results and ghost are kept: its folder's name, but
// never one of the game's own stages' ids (a folder named "2" is "./2").
std::string PlayerStageId(const std::string& folderName);

// Sets the music, backgrounds and tiles from the tune and look numbers.
void ApplyTuneAndLook(StageDescription& stage);
