#pragma once
#include "platform/HeadlessDevice.h"
#include "platform/HeadlessWindow.h"
#include "platform/Platform.h"
#include "platform/RecordingAudio.h"
#include "platform/RecordingSprite.h"
#include "platform/ScriptedControls.h"
#include "platform/ScriptedKeyboard.h"
#include "platform/VirtualClock.h"

namespace platform {

// Everything a frame needs, without SDL's window: scripted keys, a virtual clock, a recording
// sprite and recorded sound operations. The solver plays on it; the tests' fake platform is it.
struct HeadlessPlatform {
    HeadlessDevice device;
    RecordingSprite sprite{device};
    ScriptedKeyboard keyboard;
    VirtualClock clock;
    RecordingAudio audio;
    HeadlessWindow window{keyboard};
    ScriptedControls controls;

    Platform Services()
    {
        Platform p;
        p.window = &window;
        p.device = &device;
        p.sprite = &sprite;
        p.keyboard = &keyboard;
        p.clock = &clock;
        p.audio = &audio;
        p.controls = &controls;
        return p;
    }
};

} // namespace platform
