#pragma once
#include "platform/Texture.h"

// What the stage lends to every pick-up of one kind: the thing itself and the bubble it floats
// in, with the bubble's highlight. The stage frees them, once, when it is released.
struct ItemResources {
    const platform::Texture* picture = nullptr;
    const platform::Texture* bubble = nullptr;
    const platform::Texture* bubbleAlpha = nullptr;
};
