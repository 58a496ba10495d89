#pragma once
#include <memory>

#include "app/BaseScene.h"

// Makes the scene an id names (fresh every time).
std::unique_ptr<BaseScene> CreateScene(SceneId id, CGameFrameConstruct* frame);
