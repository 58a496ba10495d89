#pragma once
#include "platform/Audio.h"
#include "platform/Texture.h"

// What the stage lends to every enemy of one kind: its pictures and the pop sound. A kind
// leaves null what it does not draw; the stage frees them all, once, when it is released.
struct EnemyResources {
    const platform::Texture* body = nullptr;
    const platform::Texture* spin = nullptr;   // the flying enemy's spinning layer
    const platform::Texture* bullet = nullptr; // the flying enemy's bullets
    const platform::Texture* flash = nullptr;  // the glow of a capture
    const platform::Texture* bubble = nullptr;
    const platform::Texture* bubbleAlpha = nullptr;
    platform::SoundBuffer* pop = nullptr;
};
