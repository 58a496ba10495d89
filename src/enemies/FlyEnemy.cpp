#include "enemies/FlyEnemy.h"

void CFlyEnemy::Update(float, float, int)
{
    ++mFrame;
}
