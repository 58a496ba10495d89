#pragma once
#include <string>

#include "platform/HeldBudget.h"

namespace platform {

// All the pictures a device holds at once, counted in pixels. The game's own scenes hold at
// most 10,230,015 (the stage, with its goal star of 2048 x 2048 and the denser pictures it
// draws larger than their layout); the budget is about three times that, four pictures of the
// largest size allowed. A picture past it is refused before it is decoded, so a folder of
// damaged or enormous pictures can never make the game hold more than the budget's worth: on
// the SDL device 8 bytes a pixel (the picture and its texture), 16 for a picture with clear
// pixels (and its cut-out copy for the glow).
constexpr long long kPictureBudgetPixels = 32LL << 20;

class PictureBudget : public HeldBudget {
public:
    explicit PictureBudget(long long limitPixels = kPictureBudgetPixels) : HeldBudget(limitPixels) {}

    // Whether a picture of `width` x `height` fits beside those held; false with a reason in `error`.
    bool Fits(long long width, long long height, std::string& error) const;
    // Holds a picture's pixels until the share goes; the caller has asked Fits.
    Share Take(long long width, long long height) { return HeldBudget::Take(width * height); }
};

} // namespace platform
