#include "app/Random.h"

namespace {
uint32_t gState = 1;
}

void Srand(uint32_t seed)
{
    gState = seed;
}

int Rand()
{
    gState = gState * 214013u + 2531011u;
    return static_cast<int>((gState >> 16) & 0x7FFFu);
}
