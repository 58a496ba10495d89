#include "app/AssetFiles.h"
#include "map/CellCodes.h"
#include "map/Map.h"
#include "map/StageFiles.h"
#include "scenes/Game.h"

void CMap::LoadMap()
{
    LoadStageCsv(files::kTileMap, mMapData);
    FindGoalCell();
}

void CMap::LoadEnemyMap()
{
    LoadStageCsv(files::kEnemyMap, mEnemyData);
}

void CMap::LoadScoreMap()
{
    LoadStageCsv(files::kScoreMap, mScoreData);
}

void CMap::LoadRecoveryMap()
{
    LoadStageCsv(files::kRecoveryMap, mRecoveryData);
}

void CMap::SpawnEnemies()
{
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapCols; ++c) {
            const float x = mPosX[r][c];
            const float y = mPosY[r][c];
            switch (mEnemyData[r][c]) {
            case kSpawnWalkEnemy: mpGame->SpawnEnemy(x, y); break;
            case kSpawnJumpEnemy: mpGame->SpawnJumpEnemy(x, y); break;
            case kSpawnFlyEnemy: mpGame->SpawnFlyEnemy(x, y); break;
            case kSpawnSlime: mpGame->SpawnSlime(x, y); break;
            default: break;
            }
        }
    }
}

void CMap::SpawnScoreItems()
{
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapCols; ++c) {
            const float x = mPosX[r][c];
            const float y = mPosY[r][c];
            if (mScoreData[r][c] == kScoreSmall) {
                mpGame->AddScoreTotal(1);
                mpGame->SpawnScore(x, y, kScoreSmall);
            } else if (mScoreData[r][c] == kScoreBig) {
                // A big star sits on the corner it shares with the cells right and below.
                mpGame->AddScoreTotal(10);
                mpGame->SpawnScore(x + 20.0f, y + 20.0f, kScoreBig);
            }
        }
    }
}

void CMap::SpawnHealItems()
{
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapCols; ++c) {
            if (mRecoveryData[r][c] == kHealHeart) mpGame->SpawnHeal(mPosX[r][c], mPosY[r][c]);
        }
    }
}
