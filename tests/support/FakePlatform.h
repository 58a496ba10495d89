#pragma once
#include <vector>

#include "app/BaseScene.h"
#include "app/FrameInput.h"
#include "app/GameFrame.h"
#include "platform/HeadlessDevice.h"
#include "platform/HeadlessWindow.h"
#include "platform/Platform.h"
#include "platform/RecordingAudio.h"
#include "platform/RecordingSprite.h"
#include "platform/ScriptedControls.h"
#include "platform/ScriptedKeyboard.h"
#include "platform/VirtualClock.h"

// Everything a frame needs, without SDL's window: scripted keys, a virtual clock,
// a recording sprite and recorded sound operations.
struct FakePlatform {
    platform::HeadlessDevice device;
    platform::RecordingSprite sprite{device};
    platform::ScriptedKeyboard keyboard;
    platform::VirtualClock clock;
    platform::RecordingAudio audio;
    platform::HeadlessWindow window{keyboard};
    platform::ScriptedControls controls;

    // Draws one frame of a scene into the recording sprite and answers its draws.
    std::vector<platform::RecordingSprite::DrawCall> DrawFrame(BaseScene& scene)
    {
        sprite.Begin();
        scene.Draw(&sprite, &device);
        return sprite.Draws();
    }

    // One update of a scene made with a frame of these services, with the keys the scripted
    // keyboard holds now as the frame's input.
    static SceneId Step(BaseScene& scene)
    {
        CGameFrameConstruct& frame = *scene.Frame();
        frame.SetInput(FrameInput::Read(frame.Platform().keyboard));
        return scene.Update();
    }

    platform::Platform Services()
    {
        platform::Platform p;
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
