#pragma once
#include <cstdint>

// The game's own pseudo-random generator: the classic linear congruential one, 0..32767.
// The game's formulas divide by 32767 and take remainders of it, so no other range will do.
constexpr int kRandMax = 32767;

void Srand(uint32_t seed);
int Rand();
