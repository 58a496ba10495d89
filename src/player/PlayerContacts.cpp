// The hero against the enemies and their bullets, and the enemies against the hero's bubbles.
#include "player/Player.h"

// Enemies and bullets against the player, and enemies against the bubbles (with the contacts).
void CPlayer::TouchEnemies() {}
