#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace sfx {

struct NoteEvent {
    double beat = 0.0;  // start, in beats from the top of the loop
    double beats = 0.0; // written length
    int note = 0;       // MIDI numbering, 60 is middle C
};

struct Score {
    std::vector<NoteEvent> notes; // a chord gives several notes with the same start
    double lengthBeats = 0.0;
};

// Reads a line of music such as "| E5:2 G5:2 C4+E4+G4:4 r:2 |": each token is a pitch
// (letter, optional # or b, octave) or several joined by '+', or 'r' for a rest, then ':'
// and its length in units of `unitBeats`. A '|' must fall on a bar line, which catches
// miscounted bars. False with a reason in `error` on anything else.
bool ParseScore(std::string_view text, double unitBeats, double beatsPerBar, Score& out, std::string& error);

} // namespace sfx
