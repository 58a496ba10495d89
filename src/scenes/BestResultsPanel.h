#pragma once
#include <optional>
#include <string>

#include "app/BestResults.h"
#include "platform/Sprite.h"
#include "platform/Texture.h"

// The best results as the title and the result screen show them: three rows of a label and a
// number, top-left at (x, y), `scale` times their full size; a result the last run improved
// carries "NEW!".
void DrawBestResults(platform::Sprite* sprite, const platform::Texture* labels, const platform::Texture* digits,
                     const BestResults& best, const NewBests& news, float x, float y, float scale = 1.0f);

// A stage time of `frames` frames at 60 a second as minutes, seconds and hundredths: "1:18.71".
std::string StageTimeText(int frames);

// The number of a row as it is written: "-" for no result yet, a share with "%", a time with
// StageTimeText.
enum class ResultUnit { Count, Percent, Time };
std::string ResultText(const std::optional<int>& value, ResultUnit unit);

// Writes `text` (digits and "-:.%") at (x, y), the glyphs `scale` times their 60-pixel cells and
// `advance` apart, in `colour`; returns its width.
float DrawResultText(platform::Sprite* sprite, const platform::Texture* digits, const platform::Texture* labels,
                     const std::string& text, float x, float y, float scale, float advance, platform::Color colour);
