#pragma once
#include "platform/Audio.h"

// The ways the game plays a sound. A sound that did not load is null: every call on it is skipped.

// From the beginning, once (cuts the sound if it is playing).
void RestartSound(platform::SoundBuffer* sound);
// Once, from where it is; changes nothing while it plays.
void PlaySound(platform::SoundBuffer* sound);
// Looping, for music.
void LoopSound(platform::SoundBuffer* sound);
void StopSound(platform::SoundBuffer* sound);
// Music and a few menu sounds have their 3D processing switched off right after loading.
void Disable3D(platform::SoundBuffer* sound);
