#include "app/SceneManager.h"

void CSceneManager::Start(CGameFrameConstruct* frame)
{
    mpFrame = frame;
    MakeCurrent(SCENE_TITLE);
    if (mpScene) mpScene->Init();
}

void CSceneManager::Update()
{
    if (!mpScene) return;
    const SceneId id = mpScene->Update();
    mLastId = id;
    if (id == SCENE_NONE) return;

    mpScene->Release();
    mpScene.reset();
    MakeCurrent(id);
    mLastId = SCENE_NONE;
    if (mpScene) mpScene->Init();
}

void CSceneManager::Draw(platform::Sprite* sprite, platform::Device* device)
{
    if (mpScene) mpScene->Draw(sprite, device);
}

void CSceneManager::Release()
{
    if (!mpScene) return;
    mpScene->Release();
    mpScene.reset();
}

void CSceneManager::MakeCurrent(SceneId id)
{
    mpScene = mFactory ? mFactory(id, mpFrame) : nullptr;
}
