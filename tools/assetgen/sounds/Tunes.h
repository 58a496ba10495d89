#pragma once
#include "sounds/Tune.h"

namespace sfx {

Tune TitleTune();     // the title screen
Tune StageTune();     // the stage
Tune DuskStageTune(); // the second stage, at sunset
Tune NightStageTune(); // the third stage, at night
Tune ClearTune();     // the result after a cleared stage
Tune GameOverTune();  // game over

} // namespace sfx
