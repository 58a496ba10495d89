#pragma once
// Every picture of the game, one function each; GenerateImages names and writes them.
#include "images/Bubbles.h"
#include "images/Canvas.h"

namespace pictures {

// Bubbles: sheets of 64, 80 and 46-pixel cells, the bubble platform, single bubbles.
Canvas ShotBubbles(BubbleLayer layer);
Canvas EnemyBubbles(BubbleLayer layer);
Canvas SlimeBubbles(BubbleLayer layer);
Canvas MonaBubbles(BubbleLayer layer);
Canvas StarBubble(BubbleLayer layer);
Canvas PlayerBubble(BubbleLayer layer);
Canvas BigPlayerBubble(BubbleLayer layer);
Canvas TitleBubble(BubbleLayer layer);

// The hero.
Canvas PlayerSheet();
Canvas PlayerDefeated();
Canvas MiniPlayerSheet();
Canvas GameOverPlayer();

// The enemies.
Canvas WalkEnemySheet();
Canvas EnemyFace();
Canvas JumpEnemySheet();
Canvas FlyEnemySheet();
Canvas FlyEnemySpin();
Canvas FlyEnemyBullet();
Canvas SlimeSheet();

// Stars, hearts and the glow.
Canvas ScoreStar();
Canvas HealHeart();
Canvas HudHeart();
Canvas GoalStar();
Canvas GaugeStar();
Canvas PlainStar();
Canvas TurningStar();
Canvas Glow();

// Ground tiles.
Canvas MapChips();
Canvas DuskChips();
Canvas NightChips();
Canvas TitleChips();
// Behind the tiles: the signs (seven 80 x 80 boards) and a pit's rim and darkness.
Canvas Signs();
Canvas PitShade();

// Backgrounds.
Canvas UpperSky();
Canvas LowerSky();
Canvas DuskSky();
Canvas DuskUpperSky();
Canvas DuskLowerSky();
Canvas NightUpperSky();
Canvas NightLowerSky();

// Screens and lettering.
Canvas Logo();
Canvas PressEnter();
Canvas ResultPanel();
Canvas StageClearLetters();
Canvas GameOverLetters();
Canvas RetryPrompt();
Canvas Digits();
Canvas Labels();
Canvas Font();

} // namespace pictures
