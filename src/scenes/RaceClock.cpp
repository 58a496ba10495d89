#include "scenes/RaceClock.h"

#include <cstdio>
#include <cstdlib>

#include "app/ScreenColours.h"
#include "app/TextDrawing.h"

namespace {

using screencolours::kWhite;
constexpr float kCentreX = 640.0f;
constexpr float kTop = 12.0f;
constexpr float kTimeScale = 0.6f;
constexpr float kGapScale = 0.5f;
constexpr platform::Color kAhead = 0xFF7CFC7C;
constexpr platform::Color kBehind = 0xFFFF6E6E;

} // namespace

std::string FormatRunTime(long frames)
{
    if (frames < 0) frames = 0;
    const long hundredths = frames * 100 / 60;
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld.%02ld", hundredths / 6000, hundredths / 100 % 60, hundredths % 100);
    return text;
}

std::string FormatGap(long frames)
{
    const long hundredths = std::labs(frames) * 100 / 60;
    char text[32];
    std::snprintf(text, sizeof text, "%c%ld.%02ld", frames > 0 ? '+' : frames < 0 ? '-' : ' ', hundredths / 100,
                  hundredths % 100);
    return text;
}

void DrawRaceClock(platform::Sprite* sprite, const platform::Texture* font, long frames, std::optional<long> gap)
{
    const std::string time = FormatRunTime(frames);
    DrawTextLine(sprite, font, time, kCentreX - TextLineWidth(time, kTimeScale) / 2.0f, kTop, kTimeScale, kWhite);
    if (!gap) return;
    const std::string text = FormatGap(*gap);
    DrawTextLine(sprite, font, text, kCentreX - TextLineWidth(text, kGapScale) / 2.0f, kTop + 40.0f, kGapScale,
                 *gap > 0 ? kBehind : kAhead);
}
