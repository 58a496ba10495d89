#pragma once
#include "app/GhostPath.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

// A frame of a ghost run drawn as the hero was drawn then, see-through and without its bubbles:
// the big sheet's cell, or the mini form's, mirrored by its facing, at its place less the camera.
void DrawGhostHero(platform::Sprite* sprite, const platform::Texture* bigSheet, const platform::Texture* miniSheet,
                   const GhostFrame& frame, platform::Vec2 camera);
