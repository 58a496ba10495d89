#pragma once
#include <functional>
#include <memory>

#include "app/BaseScene.h"

using SceneFactory = std::function<std::unique_ptr<BaseScene>(SceneId, CGameFrameConstruct*)>;

// Holds the one current scene and switches scenes by the id its Update returns.
class CSceneManager {
public:
    // Makes the title scene current and initialises it.
    void Start(CGameFrameConstruct* frame);
    // Runs the scene's Update; on a switch: old Release, old destroyed, new made, new Init.
    void Update();
    void Draw(platform::Sprite* sprite, platform::Device* device);
    // Releases the current scene (at program exit) and destroys it.
    void Release();

    // Whoever starts the game hands over what makes its scenes (the game's own, or a test's);
    // without one there is no scene.
    void SetFactory(SceneFactory factory) { mFactory = std::move(factory); }

    BaseScene* Current() const { return mpScene.get(); }
    SceneId LastId() const { return mLastId; }

private:
    void MakeCurrent(SceneId id);

    std::unique_ptr<BaseScene> mpScene;
    SceneId mLastId = SCENE_NONE;
    CGameFrameConstruct* mpFrame = nullptr;
    SceneFactory mFactory;
};
