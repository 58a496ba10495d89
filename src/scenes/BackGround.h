#pragma once
#include "platform/Sprite.h"

class CStageView;

// Two rows of five large pictures behind everything, scrolling at a fifth of the camera's speed.
class CBackGround {
public:
    void SetGame(CStageView* game) { if (game != nullptr) mpGame = game; }
    void SetLowerTexture(const platform::Texture* t) { if (t) mpTexLower = t; }
    void SetUpperTexture(const platform::Texture* t) { if (t) mpTexUpper = t; }
    void Draw(platform::Sprite* sprite);
    void Release();

private:
    const platform::Texture* mpTexLower = nullptr;
    const platform::Texture* mpTexUpper = nullptr;
    CStageView* mpGame = nullptr;
};
