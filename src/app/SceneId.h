#pragma once
#include <cstdint>

// What a scene's Update answers: the next scene, or stay.
enum SceneId : int32_t {
    SCENE_GAME = 0,
    SCENE_TITLE = 1,
    SCENE_CLEAR = 2,
    SCENE_OVER = 3,
    SCENE_NONE = 4,
    SCENE_CAMPAIGN = 5, // the campaign's end (the game's own addition)
};
