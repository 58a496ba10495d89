#pragma once
#include <vector>

#include "app/BaseScene.h"
#include "app/FrameInput.h"
#include "app/GameFrame.h"
#include "platform/HeadlessPlatform.h"

// The headless platform, with what the tests do on it.
struct FakePlatform : platform::HeadlessPlatform {
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
};
