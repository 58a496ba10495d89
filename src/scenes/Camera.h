#pragma once
#include "platform/Types.h"

class CStageView;

// The world position of the screen's top-left corner; follows the player within the stage.
class CCamera {
public:
    void SetGame(CStageView* game) { if (game != nullptr) mpGame = game; }
    void Update();
    platform::Vec2 GetPos() const { return mPos; }
    void SetPos(platform::Vec2 pos) { mPos = pos; }

private:
    CStageView* mpGame = nullptr;
    platform::Vec2 mPos;
};
