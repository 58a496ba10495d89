#pragma once
#include <memory>
#include <vector>

// The stage's objects of one kind, owned, in creation order; nothing leaves a list while the
// stage lives, so an object's index never changes.
template <class T>
using OwnedList = std::vector<std::unique_ptr<T>>;

// Runs `step(object, index)` on every object of each list, the lists in the order given and
// each in creation order; the index is the object's place in its own list.
template <class Step, class... Lists>
void ForEachIn(Step&& step, Lists&... lists)
{
    auto run = [&step](auto& list) {
        for (size_t i = 0; i < list.size(); ++i) step(*list[i], static_cast<int>(i));
    };
    (run(lists), ...);
}
