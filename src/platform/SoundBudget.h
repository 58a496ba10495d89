#pragma once
#include <string>

#include "platform/HeldBudget.h"

namespace platform {

// All the sounds an audio device holds at once, counted in bytes of the mixer's format. The
// game's own scenes hold at most about 8.5 MB (the stage's fourteen sounds, and the title's
// click while it plays out); the budget is about eight times that, three sounds of the longest
// allowed. A sound past it is refused in one line before it is converted, so a folder of
// enormous sound files can never make the game hold more than the budget's worth.
constexpr long long kSoundBudgetBytes = 64LL << 20;

class SoundBudget : public HeldBudget {
public:
    explicit SoundBudget(long long limitBytes = kSoundBudgetBytes) : HeldBudget(limitBytes) {}

    // Whether a sound of `bytes` in the mixer's format fits beside those held; false with a
    // reason in `error`.
    bool Fits(long long bytes, std::string& error) const
    {
        if (HeldBudget::Fits(bytes)) return true;
        error = "refused: its " + std::to_string(bytes) +
                " bytes in the mixer's format would take the sounds held past their budget of " +
                std::to_string(Limit()) + " bytes (" + std::to_string(Held()) + " held)";
        return false;
    }
};

} // namespace platform
