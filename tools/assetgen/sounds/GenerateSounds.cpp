#include "Generators.h"

// Filled in with the game's data.
bool GenerateSounds(const std::filesystem::path&)
{
    return true;
}
