#include "map/Map.h"
#include "map/StageFiles.h"
#include "scenes/Game.h"

void CMap::LoadMap()
{
    LoadStageCsv("Resource/Data/Map005.csv", mMapData);
}

void CMap::LoadEnemyMap()
{
    LoadStageCsv("Resource/Data/EnemyMap005.csv", mEnemyData);
}

void CMap::LoadScoreMap()
{
    LoadStageCsv("Resource/Data/ScoreMap005.csv", mScoreData);
}

void CMap::LoadRecoveryMap()
{
    LoadStageCsv("Resource/Data/RecoveryMap005.csv", mRecoveryData);
}

void CMap::SpawnEnemies()
{
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapCols; ++c) {
            const float x = mPosX[r][c];
            const float y = mPosY[r][c];
            switch (mEnemyData[r][c]) {
            case 1: mpGame->SpawnEnemy(x, y); break;
            case 2: mpGame->SpawnJumpEnemy(x, y); break;
            case 3: mpGame->SpawnFlyEnemy(x, y); break;
            case 5: mpGame->SpawnSlime(x, y); break;
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
            if (mScoreData[r][c] == 1) {
                mpGame->AddScoreTotal(1);
                mpGame->SpawnScore(x, y, 1);
            } else if (mScoreData[r][c] == 2) {
                // A big star sits on the corner it shares with the cells right and below.
                mpGame->AddScoreTotal(10);
                mpGame->SpawnScore(x + 20.0f, y + 20.0f, 2);
            }
        }
    }
}

void CMap::SpawnHealItems()
{
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapCols; ++c) {
            if (mRecoveryData[r][c] == 1) mpGame->SpawnHeal(mPosX[r][c], mPosY[r][c]);
        }
    }
}
