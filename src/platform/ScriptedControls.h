#pragma once
#include <deque>
#include <optional>

#include "platform/Controls.h"

namespace platform {

// Controls without a keyboard of their own, for scripted runs and tests: they keep the map and
// the full-screen choice they are given, and take only the presses a test hands them. A
// recorded or replayed game passes the map and full screen on to its real controls (`forward`)
// and takes no presses, so that its run stays replayable.
class ScriptedControls final : public Controls {
public:
    explicit ScriptedControls(Controls* forward = nullptr, bool takesPresses = true)
        : mpForward(forward), mTakesPresses(takesPresses)
    {
    }

    void SetInputMap(const InputMap& map) override
    {
        mMap = map;
        ++mMapsSet;
        if (mpForward != nullptr) mpForward->SetInputMap(map);
    }
    bool TakesPresses() const override { return mTakesPresses; }
    std::optional<PhysicalPress> TakePress() override
    {
        if (mPresses.empty()) return std::nullopt;
        PhysicalPress press = mPresses.front();
        mPresses.pop_front();
        return press;
    }
    bool Fullscreen() const override { return mpForward != nullptr ? mpForward->Fullscreen() : mFullscreen; }
    void SetFullscreen(bool fullscreen) override
    {
        mFullscreen = fullscreen;
        if (mpForward != nullptr) mpForward->SetFullscreen(fullscreen);
    }

    // A test's press, taken by the next TakePress.
    void Press(PhysicalPress::Kind kind, const std::string& name) { mPresses.push_back({kind, name}); }
    const InputMap& Map() const { return mMap; }
    int MapsSet() const { return mMapsSet; }

private:
    Controls* mpForward = nullptr;
    bool mTakesPresses = true;
    bool mFullscreen = false;
    InputMap mMap;
    int mMapsSet = 0;
    std::deque<PhysicalPress> mPresses;
};

} // namespace platform
