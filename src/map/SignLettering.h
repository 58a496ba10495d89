#pragma once
#include <array>
#include <string>

#include "app/Bindings.h"
#include "app/SignSheet.h"

// What the signs show of the player's keys: a sign whose keys are all at their defaults shows its
// picture; one with a key bound otherwise shows its bare board with a blank cap for each key,
// the bound key's name lettered on it (app/SignSheet.h).
struct SignLettering {
    std::array<bool, signsheet::kSigns> lettered{};
    std::array<std::array<std::string, 2>, signsheet::kSigns> names;

    static SignLettering For(const Bindings& bindings);
};
