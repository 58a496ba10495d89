#pragma once
#include "app/BaseScene.h"

// The title screen.
class CTitle final : public BaseScene {
public:
    explicit CTitle(CGameFrameConstruct* frame) : BaseScene(frame) {}

    SceneId Update() override { return SCENE_NONE; }
    void Draw(platform::Sprite*, platform::Device*) override {}
    const char* TraceName() const override { return "title"; }
};
