#include "scenes/SceneFactory.h"

#include "scenes/Title.h"

std::unique_ptr<BaseScene> CreateScene(SceneId id, CGameFrameConstruct* frame)
{
    switch (id) {
    case SCENE_TITLE:
    default: return std::make_unique<CTitle>(frame);
    }
}
