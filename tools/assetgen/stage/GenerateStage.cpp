#include "Generators.h"

// Filled in with the game's data.
bool GenerateStage(const std::filesystem::path&, const std::filesystem::path&)
{
    return true;
}
