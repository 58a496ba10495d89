#include "scenes/SceneFactory.h"

#include "scenes/Game.h"
#include "scenes/Title.h"

std::unique_ptr<BaseScene> CreateScene(SceneId id, CGameFrameConstruct* frame)
{
    switch (id) {
    case SCENE_GAME: return std::make_unique<CGame>(frame);
    case SCENE_TITLE:
    default: return std::make_unique<CTitle>(frame);
    }
}
