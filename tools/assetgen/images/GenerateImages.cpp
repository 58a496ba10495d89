#include "Generators.h"

// Filled in with the game's data.
bool GenerateImages(const std::filesystem::path&)
{
    return true;
}
