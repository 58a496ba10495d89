#include "app/MenuKeys.h"

#include "app/Keys.h"

namespace {

std::bitset<256> HeldKeys()
{
    std::bitset<256> held;
    for (size_t vk = 0; vk < held.size(); ++vk) held[vk] = IsKeyDown(static_cast<int>(vk));
    return held;
}

} // namespace

void CMenuKeys::Prime()
{
    mDown = HeldKeys();
    mWasDown = mDown;
}

void CMenuKeys::Update()
{
    mWasDown = mDown;
    mDown = HeldKeys();
}

bool CMenuKeys::Pressed(int virtualKey) const
{
    if (virtualKey < 0 || virtualKey >= 256) return false;
    const auto vk = static_cast<size_t>(virtualKey);
    return mDown.test(vk) && !mWasDown.test(vk);
}
