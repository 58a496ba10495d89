#pragma once
#include <optional>

#include "app/Bindings.h"

// Whether the game starts full screen: the start-up question (until the player answers it for
// good), or its kept answer.
enum class FullscreenSetting { Ask, Yes, No };

// What the player set in the options, kept between runs.
struct Settings {
    static constexpr int kVolumeSteps = 10;
    int musicVolume = kVolumeSteps; // 0 (silent) ... 10 (as recorded)
    int effectsVolume = kVolumeSteps;
    FullscreenSetting fullscreen = FullscreenSetting::Ask;
    Bindings bindings = DefaultBindings();

    bool operator==(const Settings&) const = default;
};

// The mixer's scale for a volume step: the square of the share, so each step sounds about as
// much quieter as the last; 0 is silent, 10 plays as recorded.
float VolumeGain(int step);

// How the start-up question is answered in this run: --fullscreen or --windowed first, then
// ZEM_FULLSCREEN (yes; any other value no), then the kept answer; Ask when none says.
FullscreenSetting FullscreenAtStart(std::optional<bool> commandLine, const char* environment, FullscreenSetting kept);
