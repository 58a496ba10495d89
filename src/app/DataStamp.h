#pragma once
#include <string>

// A short fingerprint of the game data a run depends on (the stage files and the title's
// ground), read from the working directory: a recording made on other data would not replay.
std::string GameDataStamp();
