#pragma once
#include <string>

#include "platform/Audio.h"

namespace platform {

// The formats the mixer plays: PCM, 8 or 16 bits, mono or stereo, 1000 to 384000 Hz, with a
// block alignment of one whole frame. False with a reason in `error` for anything else.
// Every audio device checks with this, so a silent run refuses exactly what a real one does.
bool CheckWaveFormat(const WaveFormat& format, std::string& error);

} // namespace platform
