#pragma once
#include "app/SceneId.h"
#include "platform/Device.h"
#include "platform/Sprite.h"

class CGameFrameConstruct;
class CTraceWriter;

// Every scene: made by the scene manager with the frame, initialised once, then updated and
// drawn each frame (the first frame only drawn), released once and destroyed.
class BaseScene {
public:
    explicit BaseScene(CGameFrameConstruct* frame) : mpFrame(frame) {}
    virtual ~BaseScene() = default;
    BaseScene(const BaseScene&) = delete;
    BaseScene& operator=(const BaseScene&) = delete;

    virtual void Init() {}
    virtual void Release() {}
    virtual SceneId Update() = 0;
    // Draws through the sprite the frame has begun; never begins or ends it.
    virtual void Draw(platform::Sprite* sprite, platform::Device* device) = 0;

    // For the headless runner's trace: the scene's name and what it animates.
    virtual const char* TraceName() const = 0;
    virtual void WriteTrace(CTraceWriter&) const {}

    CGameFrameConstruct* Frame() const { return mpFrame; }

protected:
    CGameFrameConstruct* mpFrame = nullptr;
};
