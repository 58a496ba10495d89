#include "scenes/SceneFactory.h"

#include "scenes/Game.h"
#include "scenes/GameClear.h"
#include "scenes/GameOver.h"
#include "scenes/Title.h"

std::unique_ptr<BaseScene> CreateScene(SceneId id, CGameFrameConstruct* frame)
{
    switch (id) {
    case SCENE_GAME: return std::make_unique<CGame>(frame);
    case SCENE_CLEAR: return std::make_unique<CGameClear>(frame);
    case SCENE_OVER: return std::make_unique<CGameOver>(frame);
    case SCENE_TITLE:
    default: return std::make_unique<CTitle>(frame);
    }
}
