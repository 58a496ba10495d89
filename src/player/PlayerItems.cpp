// The score and heal items the hero's box touches.
#include "player/Player.h"

// Score and heal items the box touches (with the pick-ups).
void CPlayer::TouchItems() {}
