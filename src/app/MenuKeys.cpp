#include "app/MenuKeys.h"

namespace {

std::bitset<256> HeldKeys(const FrameInput& input)
{
    std::bitset<256> held;
    for (size_t vk = 0; vk < held.size(); ++vk) held[vk] = input.Held(static_cast<int>(vk));
    return held;
}

} // namespace

void CMenuKeys::Prime(const FrameInput& input)
{
    mDown = HeldKeys(input);
    mWasDown = mDown;
}

void CMenuKeys::Update(const FrameInput& input)
{
    mWasDown = mDown;
    mDown = HeldKeys(input);
}

bool CMenuKeys::Pressed(int virtualKey) const
{
    if (virtualKey < 0 || virtualKey >= 256) return false;
    const auto vk = static_cast<size_t>(virtualKey);
    return mDown.test(vk) && !mWasDown.test(vk);
}
