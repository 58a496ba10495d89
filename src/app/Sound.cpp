#include "app/Sound.h"

void RestartSound(platform::SoundBuffer* sound)
{
    if (sound == nullptr) return;
    sound->SetCurrentPosition(0);
    sound->Play(false);
}

void PlaySound(platform::SoundBuffer* sound)
{
    if (sound != nullptr) sound->Play(false);
}

void LoopSound(platform::SoundBuffer* sound)
{
    if (sound != nullptr) sound->Play(true);
}

void StopSound(platform::SoundBuffer* sound)
{
    if (sound != nullptr) sound->Stop();
}

void Disable3D(platform::SoundBuffer* sound)
{
    if (sound != nullptr) sound->Set3DMode(platform::Sound3DMode::Disabled);
}
