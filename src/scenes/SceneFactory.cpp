#include "scenes/SceneFactory.h"

#include <cstdio>

#include "scenes/CampaignEnd.h"
#include "scenes/Game.h"
#include "scenes/GameClear.h"
#include "scenes/GameOver.h"
#include "scenes/Title.h"

// Every scene id has its case (the compiler warns of a new one without); an id that names no
// scene is said, and the title comes back rather than nothing at all.
std::unique_ptr<BaseScene> CreateScene(SceneId id, CGameFrameConstruct* frame)
{
    switch (id) {
    case SCENE_GAME: return std::make_unique<CGame>(frame);
    case SCENE_CLEAR: return std::make_unique<CGameClear>(frame);
    case SCENE_OVER: return std::make_unique<CGameOver>(frame);
    case SCENE_TITLE: return std::make_unique<CTitle>(frame);
    case SCENE_CAMPAIGN: return std::make_unique<CCampaignEnd>(frame);
    case SCENE_NONE: break;
    }
    std::fprintf(stderr, "zem: no scene %d to switch to; back to the title\n", static_cast<int>(id));
    return std::make_unique<CTitle>(frame);
}
