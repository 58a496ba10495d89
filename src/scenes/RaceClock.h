#pragma once
#include <optional>
#include <string>

#include "platform/Sprite.h"

// A run's time from its frames at 60 a second: "M:SS.hh".
std::string FormatRunTime(long frames);
// A gap in frames as seconds with its sign: "+0.50" behind, "-1.20" ahead.
std::string FormatGap(long frames);

// The stage's running time at the top of the screen, and under it, while a ghost runs, the gap
// to the ghost at the hero's x: green ahead, red behind.
void DrawRaceClock(platform::Sprite* sprite, const platform::Texture* font, long frames, std::optional<long> gap);
