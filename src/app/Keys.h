#pragma once
#include "platform/Keyboard.h"

// The keyboard of the current frame, shared by the whole program.
void SetKeyboard(const platform::Keyboard* keyboard);
const platform::Keyboard* CurrentKeyboard();

// Whether the key is down now.
bool IsKeyDown(int virtualKey);

// True only on the first test that sees the key down after it was up: one program-wide
// flag per virtual-key code, changed only when the key is tested.
bool IsKeyPressed(int virtualKey);

// Clears the 256 flags (a fresh program; tests).
void ResetKeyPressed();
