#pragma once
#include <cstdint>
#include <tuple>
#include <vector>

#include "app/GameFrame.h"
#include "enemies/EnemyKinds.h"
#include "items/Heal.h"
#include "items/Score.h"
#include "map/Map.h"
#include "player/Player.h"
#include "scenes/Camera.h"
#include "scenes/StagePause.h"

// Everything a stage frame reads or writes, by value: the run's part (frame number, press
// flags, random sequence, progress), the hero with its bubbles and platforms, every enemy with
// its bullets, every pick-up, what the map changes, the camera, the score and the stage's flags.
// Pictures, sounds and the grids are not in it: a snapshot is put back into the very stage it
// was taken from (CGame::SaveState, RestoreState). Saved again into the same snapshot, or
// restored into the same stage, it allocates nothing once its lists have their length.
struct StageSnapshot {
    template <class... Kinds>
    using EnemyValues = std::tuple<std::vector<Kinds>...>;
    template <class... Kinds>
    static EnemyValues<Kinds...> ValuesOf(KindList<Kinds...>);

    RunState run;
    int32_t score = 0;
    int32_t stageScoreTotal = 0;
    platform::Vec2 respawnPos;
    bool stageCleared = false;
    bool goalJinglePlayed = false;
    CPlayer player;
    CCamera camera;
    CMap::PlayState map;
    CStagePause::State pause;
    decltype(ValuesOf(StageEnemyKinds{})) enemies;
    std::vector<CScore> scores;
    std::vector<CHeal> heals;
};
