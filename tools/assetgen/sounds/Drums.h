#pragma once
#include <cstddef>

#include "sounds/Noise.h"
#include "sounds/Signal.h"

namespace sfx {

enum class Drum { Kick, Snare, Hat };

// Adds one light drum hit to a looping buffer at sample `at`; a tail that runs past the end
// of the loop continues at its start. Each hit draws fresh noise from `noise`.
void AddDrumHit(Signal& loop, std::size_t at, Drum drum, double velocity, int rate, Noise& noise);

} // namespace sfx
