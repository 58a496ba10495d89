#include "app/TapLatch.h"

bool TapLatch::Test(const FrameInput& input, int virtualKey)
{
    if (virtualKey < 0 || virtualKey >= FrameInput::kKeyCount) return false;
    const auto vk = static_cast<size_t>(virtualKey);
    if (!input.Held(virtualKey)) {
        mFlags.reset(vk);
        return false;
    }
    if (mFlags.test(vk)) return false;
    mFlags.set(vk);
    return true;
}
