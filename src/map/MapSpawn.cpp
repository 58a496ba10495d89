#include "map/Map.h"
#include "map/StageFiles.h"

void CMap::LoadMap(const std::string& path)
{
    LoadStageCsv(path, mMapData);
    FindGoalCell();
    FindPits();
}

void CMap::LoadEnemyMap(const std::string& path)
{
    LoadStageCsv(path, mEnemyData);
}

void CMap::LoadScoreMap(const std::string& path)
{
    LoadStageCsv(path, mScoreData);
}

void CMap::LoadRecoveryMap(const std::string& path)
{
    LoadStageCsv(path, mRecoveryData);
}

void CMap::ForEachCode(const StageGrid& grid, const SpawnCell& spawn) const
{
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapCols; ++c) {
            if (grid[r][c] != 0) spawn(grid[r][c], mPosX[r][c], mPosY[r][c]);
        }
    }
}

void CMap::SpawnEnemies(const SpawnCell& spawn) const
{
    ForEachCode(mEnemyData, spawn);
}

void CMap::SpawnScoreItems(const SpawnCell& spawn) const
{
    ForEachCode(mScoreData, spawn);
}

void CMap::SpawnHealItems(const SpawnCell& spawn) const
{
    ForEachCode(mRecoveryData, spawn);
}
