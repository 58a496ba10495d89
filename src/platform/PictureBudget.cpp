#include "platform/PictureBudget.h"

namespace platform {

PictureBudget::PictureBudget(long long limitPixels) : mCount(std::make_shared<Count>())
{
    mCount->limit = limitPixels;
}

bool PictureBudget::Fits(long long width, long long height, std::string& error) const
{
    const long long pixels = width * height;
    if (pixels <= mCount->limit - mCount->held) return true;
    error = "refused: its " + std::to_string(width) + " x " + std::to_string(height) +
            " pixels would take the pictures held past their budget of " + std::to_string(mCount->limit) +
            " pixels (" + std::to_string(mCount->held) + " held)";
    return false;
}

PictureBudget::Share PictureBudget::Take(long long width, long long height)
{
    const long long pixels = width * height;
    mCount->held += pixels;
    return Share(mCount, pixels);
}

} // namespace platform
