#pragma once
#include <cstdint>

#include "platform/Types.h"

// Numbers that several kinds of the stage share, each kept once.

// The pull of the world: added to the fall speed of the big hero and of every enemy that walks
// or jumps, each frame.
constexpr float kGravity = 1.0f;
// A fading enemy or pick-up loses this much alpha a step: 255 is gone in 17 steps.
constexpr int32_t kFadeStep = 15;
// How long a trapped enemy floats in its bubble before it bursts, in frames.
constexpr int32_t kTrapFrames = 300;
// The bubble round a trapped walker or flyer: square cells of this side, and the highlight
// layer drawn over it.
constexpr int kEnemyBubbleCell = 80;
constexpr platform::Color kEnemyBubbleHighlight = 0x46FFFFFF;
// A flying enemy's bullet: a 16 x 16 box for the tiles and for the hero.
constexpr float kBulletHalf = 8.0f;
// The upward speed a hit gives the hero, from an enemy, a bullet or a damage floor.
constexpr float kHitBounce = -12.0f;
