#pragma once
#include "sounds/Signal.h"

namespace sfx {

// The game's sound effects, each shaped for the moment it is heard. They come back unscaled;
// the caller trims the edges and sets the level.
Signal ShotBloop(int rate);     // a bubble leaves the hero's mouth
Signal JumpBlip(int rate);      // a jump
Signal SpareBlip(int rate);     // a short pop kept beside the jump
Signal DamageBuzz(int rate);    // the hero is hurt; lasts as long as the hit reaction
Signal FallWarble(int rate);    // the hero is defeated
Signal MonaBubbles(int rate);   // a bubble platform blown under the feet
Signal GrowSweep(int rate);     // back to the big form
Signal ShrinkSweep(int rate);   // into the mini form
Signal CapturePop(int rate);    // a bubble catches an enemy
Signal EnemyPop(int rate);      // a bubble bursts (the hero's shots and trapped enemies)
Signal StarTwinkle(int rate);   // a score star is collected
Signal HealArpeggio(int rate);  // a heart is collected
Signal GoalJingle(int rate);    // the hero reaches the goal star
Signal ClickTick(int rate);     // Enter on the title

} // namespace sfx
