#pragma once
#include <cstddef>

#include "app/AssetFiles.h"

// The hero's twelve effects: the slot each is kept in and its file, in the order the stage
// loads them. The pop is also the stage's, lent to every enemy; Pop06 is kept and never played.
enum SoundSlot { SND_SHOT, SND_JUMP, SND_POP06, SND_DAMAGE, SND_FALL, SND_MONA, SND_BIG, SND_MINI,
                 SND_CAPTURE, SND_SCORE, SND_HEAL, SND_POP, SOUND_COUNT };

struct PlayerSound {
    SoundSlot slot;
    const char* file;
};

inline constexpr PlayerSound kPlayerSounds[SOUND_COUNT] = {
    {SND_SHOT, files::kSndShot},       {SND_JUMP, files::kSndJump},   {SND_POP06, files::kSndPop06},
    {SND_DAMAGE, files::kSndDamage},   {SND_FALL, files::kSndFall},   {SND_MONA, files::kSndMona},
    {SND_BIG, files::kSndGrow},        {SND_MINI, files::kSndShrink}, {SND_CAPTURE, files::kSndCapture},
    {SND_SCORE, files::kSndScore},     {SND_HEAL, files::kSndHeal},   {SND_POP, files::kSndPop},
};

// The table lists every slot once, in slot order, so loading it in order fills slot i i-th.
consteval bool PlayerSoundsInSlotOrder()
{
    for (size_t i = 0; i < SOUND_COUNT; ++i) {
        if (kPlayerSounds[i].slot != static_cast<SoundSlot>(i) || kPlayerSounds[i].file == nullptr) return false;
    }
    return true;
}
static_assert(PlayerSoundsInSlotOrder(), "every sound slot once, in slot order");
