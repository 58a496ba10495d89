#include "app/StageDescription.h"

#include "app/AssetFiles.h"

StageDescription FirstStage()
{
    return {
        .tileMap = files::kTileMap,
        .enemyMap = files::kEnemyMap,
        .scoreMap = files::kScoreMap,
        .recoveryMap = files::kRecoveryMap,
        .signMap = files::kSignMap,
        .start = {200.0f, 1300.0f},
        .music = files::kStageMusic,
        .lowerBackground = files::kLowerBackground,
        .upperBackground = files::kUpperBackground,
    };
}
