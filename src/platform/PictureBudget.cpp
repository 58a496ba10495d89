#include "platform/PictureBudget.h"

namespace platform {

bool PictureBudget::Fits(long long width, long long height, std::string& error) const
{
    if (HeldBudget::Fits(width * height)) return true;
    error = "refused: its " + std::to_string(width) + " x " + std::to_string(height) +
            " pixels would take the pictures held past their budget of " + std::to_string(Limit()) +
            " pixels (" + std::to_string(Held()) + " held)";
    return false;
}

} // namespace platform
