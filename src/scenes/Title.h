#pragma once
#include "app/BaseScene.h"
#include "app/Keys.h"

// The title screen.
class CTitle final : public BaseScene {
public:
    explicit CTitle(CGameFrameConstruct* frame) : BaseScene(frame) {}

    SceneId Update() override { return IsKeyDown(platform::VK_RETURN) ? SCENE_GAME : SCENE_NONE; }
    void Draw(platform::Sprite*, platform::Device*) override {}
    const char* TraceName() const override { return "title"; }
};
