#include "enemies/FlyEnemy.h"

#include "scenes/Game.h"

void CFlyEnemy::SetResources(const EnemyResources& resources)
{
    CEnemyBase::SetResources(resources);
    SetSpinTexture(resources.spin);
    SetBulletTexture(resources.bullet);
}

void CFlyEnemy::Update(int index)
{
    const platform::Vec2 player = mpGame->GetPlayer().GetPos();
    Update(player.x, player.y, index);
}

void CFlyEnemy::Update(float, float, int)
{
    ++mFrame;
}
