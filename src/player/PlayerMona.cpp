// Mona platforms: blown under the feet in big form, they carry the hero for a while.
#include "player/Player.h"

// Down in big form: blow a Mona platform under the feet (with the Monas).
void CPlayer::BlowMona() {}

// Each Mona carries the player and counts its life down (with the Monas).
void CPlayer::UpdateMonas(platform::Vec2) {}

// The three Mona platforms (with the Monas).
void CPlayer::DrawMonas(platform::Sprite*) {}
