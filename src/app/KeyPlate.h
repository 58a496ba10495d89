#pragma once
#include <string>
#include <vector>

#include "app/ScreenColours.h"
#include "platform/Sprite.h"

// A line that names keys, made up as the game runs: the key names in the HUD's gold, what they
// do in white, on a dark plate like the title's. The screens draw their pictures of the default
// keys, and a plate like this one in their place once the player has bound other keys.
struct PlateRun {
    std::string text;
    bool key = false;
};
using PlateLine = std::vector<PlateRun>;

using screencolours::kHudGold;

float PlateLineWidth(const PlateLine& line, float scale);
// The line centred on (centreX, centreY) at `scale` of the font's size, over its plate; `alpha`
// fades both. `labels` is the label sheet, whose white patch makes the plate.
void DrawKeyPlate(platform::Sprite* sprite, const platform::Texture* font, const platform::Texture* labels,
                  const PlateLine& line, float centreX, float centreY, float scale, int alpha = 255);
// The line alone, centred on (centreX, centreY), its letters `size` pixels of the face (as the
// pictures' words are measured) or smaller, to be at most `widest` wide.
void DrawKeyLine(platform::Sprite* sprite, const platform::Texture* font, const PlateLine& line, float centreX,
                 float centreY, float size, float widest, int alpha = 255);
// A plain plate of the same look: a rectangle of the label sheet's white patch, tinted `color`.
void DrawPlateRect(platform::Sprite* sprite, const platform::Texture* labels, float left, float top, float width,
                   float height, platform::Color color);
