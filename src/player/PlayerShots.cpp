// The hero's bubbles: blowing them, flying them against the tiles, drawing them.
#include "player/Player.h"

// Space: blow a bubble forward (with the bubbles).
void CPlayer::Shoot() {}

// Each bubble gets the pop sound, flies and is tested against the map (with the bubbles).
void CPlayer::UpdateBubbles(platform::Vec2) {}

void CPlayer::DrawBubbles(platform::Sprite*) {}
