#pragma once
#include <cstddef>
#include <memory>
#include <span>
#include <vector>

// Objects owned one by one, in order; those that leave are kept for the next additions, so
// that once a stage has run a while adding allocates nothing. A copy copies the objects by
// value into objects the copy already holds (or takes from its spares), so restoring a stage
// snapshot allocates nothing once the lists have been as long before.
template <class T>
class PooledList {
public:
    PooledList() = default;
    PooledList(const PooledList& other) { *this = other; }
    PooledList& operator=(const PooledList& other)
    {
        if (this == &other) return *this;
        while (mLive.size() > other.mLive.size()) {
            mSpare.push_back(std::move(mLive.back()));
            mLive.pop_back();
        }
        while (mLive.size() < other.mLive.size()) Add();
        for (size_t i = 0; i < mLive.size(); ++i) *mLive[i] = *other.mLive[i];
        return *this;
    }
    PooledList(PooledList&&) noexcept = default;
    PooledList& operator=(PooledList&&) noexcept = default;
    ~PooledList() = default;

    // A fresh object at the end of the list.
    T& Add()
    {
        if (mSpare.empty()) {
            mLive.push_back(std::make_unique<T>());
        } else {
            mLive.push_back(std::move(mSpare.back()));
            mSpare.pop_back();
            *mLive.back() = T{};
        }
        return *mLive.back();
    }

    // Takes out every object `leaves` answers true for; the others keep their order.
    template <class Leaves>
    void RemoveIf(Leaves leaves)
    {
        size_t kept = 0;
        for (auto& object : mLive) {
            if (leaves(*object)) mSpare.push_back(std::move(object));
            else mLive[kept++] = std::move(object);
        }
        mLive.resize(kept);
    }

    size_t size() const { return mLive.size(); }
    bool empty() const { return mLive.empty(); }
    const std::unique_ptr<T>& operator[](size_t index) const { return mLive[index]; }
    auto begin() const { return mLive.begin(); }
    auto end() const { return mLive.end(); }
    std::span<const std::unique_ptr<T>> Live() const { return mLive; }

private:
    std::vector<std::unique_ptr<T>> mLive;
    std::vector<std::unique_ptr<T>> mSpare;
};
