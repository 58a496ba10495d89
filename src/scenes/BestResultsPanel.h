#pragma once
#include "app/BestResults.h"
#include "platform/Sprite.h"
#include "platform/Texture.h"

// The best results as the title and the result screen show them: three rows of a label and a
// number, top-left at (x, y); a result the last run improved carries "NEW!".
void DrawBestResults(platform::Sprite* sprite, const platform::Texture* labels, const platform::Texture* digits,
                     const BestResults& best, const NewBests& news, float x, float y);
