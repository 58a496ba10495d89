#pragma once
#include <memory>

namespace platform {

// What a device holds at once of one kind (pictures' pixels, sounds' bytes) against a limit.
// Each thing held keeps a Share of it, which gives its amount back when it goes; the budget
// may go before its shares.
class HeldBudget {
    struct Count {
        long long limit = 0;
        long long held = 0;
    };

public:
    class Share {
    public:
        Share() = default;
        ~Share() { Release(); }
        Share(Share&& other) noexcept : mCount(std::move(other.mCount)), mAmount(other.mAmount) { other.mAmount = 0; }
        Share& operator=(Share&& other) noexcept
        {
            if (this != &other) {
                Release();
                mCount = std::move(other.mCount);
                mAmount = other.mAmount;
                other.mAmount = 0;
            }
            return *this;
        }
        Share(const Share&) = delete;
        Share& operator=(const Share&) = delete;

    private:
        friend class HeldBudget;
        Share(std::shared_ptr<Count> count, long long amount) : mCount(std::move(count)), mAmount(amount) {}
        void Release()
        {
            if (mCount) mCount->held -= mAmount;
            mCount.reset();
            mAmount = 0;
        }
        std::shared_ptr<Count> mCount;
        long long mAmount = 0;
    };

    explicit HeldBudget(long long limit) : mCount(std::make_shared<Count>()) { mCount->limit = limit; }

    // Whether `amount` more fits beside what is held.
    bool Fits(long long amount) const { return amount >= 0 && amount <= mCount->limit - mCount->held; }
    // Holds `amount` until the share goes; the caller has asked Fits.
    Share Take(long long amount)
    {
        mCount->held += amount;
        return Share(mCount, amount);
    }
    long long Held() const { return mCount->held; }
    long long Limit() const { return mCount->limit; }

private:
    std::shared_ptr<Count> mCount;
};

} // namespace platform
