#pragma once
#include <string>

#include "platform/Sprite.h"

// One line of the game's lettering from the font sheet (files::kFont): its top-left at (x, y),
// `scale` times the sheet's size. Returns the width it took.
float DrawTextLine(platform::Sprite* sprite, const platform::Texture* font, const std::string& text, float x, float y,
                   float scale, platform::Color color);
// The width DrawTextLine takes for `text`.
float TextLineWidth(const std::string& text, float scale);
// How far `text` moves the pen: a line drawn that far to the right of another's start goes on
// where that other would have (runs of one line in different colours).
float TextAdvance(const std::string& text, float scale);
