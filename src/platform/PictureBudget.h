#pragma once
#include <memory>
#include <string>

namespace platform {

// All the pictures a device holds at once, counted in pixels. The game's own scenes hold at
// most 10,230,015 (the stage, with its goal star of 2048 x 2048 and the denser pictures it
// draws larger than their layout); the budget is about three times that, four pictures of the
// largest size allowed. A picture past it is refused before it is
// decoded, so a folder of damaged or enormous pictures can never make the game hold more than
// the budget's worth: on the SDL device 8 bytes a pixel (the picture and its texture), 16 for
// a picture with clear pixels (and its cut-out copy for the glow).
constexpr long long kPictureBudgetPixels = 32LL << 20;

class PictureBudget {
    struct Count {
        long long limit = 0;
        long long held = 0;
    };

public:
    // What one picture holds of the budget, given back when it goes (with the texture that
    // holds it); the budget may go before its shares.
    class Share {
    public:
        Share() = default;
        ~Share() { Release(); }
        Share(Share&& other) noexcept : mCount(std::move(other.mCount)), mPixels(other.mPixels) { other.mPixels = 0; }
        Share& operator=(Share&& other) noexcept
        {
            if (this != &other) {
                Release();
                mCount = std::move(other.mCount);
                mPixels = other.mPixels;
                other.mPixels = 0;
            }
            return *this;
        }
        Share(const Share&) = delete;
        Share& operator=(const Share&) = delete;

    private:
        friend class PictureBudget;
        Share(std::shared_ptr<Count> count, long long pixels) : mCount(std::move(count)), mPixels(pixels) {}
        void Release()
        {
            if (mCount) mCount->held -= mPixels;
            mCount.reset();
            mPixels = 0;
        }
        std::shared_ptr<Count> mCount;
        long long mPixels = 0;
    };

    explicit PictureBudget(long long limitPixels = kPictureBudgetPixels);

    // Whether a picture of `width` x `height` fits beside those held; false with a reason in `error`.
    bool Fits(long long width, long long height, std::string& error) const;
    // Holds a picture's pixels until the share goes; the caller has asked Fits.
    Share Take(long long width, long long height);
    long long Held() const { return mCount->held; }
    long long Limit() const { return mCount->limit; }

private:
    std::shared_ptr<Count> mCount;
};

} // namespace platform
