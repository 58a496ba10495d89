#pragma once
#include <string>
#include <vector>

#include "sounds/Drums.h"
#include "sounds/Oscillator.h"
#include "sounds/Signal.h"

namespace sfx {

// How one melodic part sounds.
struct Instrument {
    Wave wave = Wave::Pulse;
    double duty = 0.5;
    double attack = 0.005;  // seconds to full level
    double decay = 0.2;     // time constant of the fall to the sustain level
    double sustain = 0.6;   // level held while the note is down
    double release = 0.08;  // seconds from the end of the note to silence
    double gate = 0.9;      // share of the written length that the note is held
    double cutoffHz = 0.0;  // one-pole low-pass; 0 leaves the wave as it is
    double vibratoCents = 0.0;
    double vibratoHz = 5.5;
    double vibratoDelay = 0.2; // seconds before the vibrato sets in
};

// Quieter copies of a part, `beats` apart, as a simple echo.
struct Echo {
    double beats = 0.0;
    double feedback = 0.0;
    int repeats = 0;
};

struct Part {
    std::string name;
    Instrument instrument;
    std::string notes;       // written as Score.h explains
    double unitBeats = 0.5;  // length of one unit of the written lengths
    double gain = 1.0;
    Echo echo;
};

struct DrumPart {
    Drum drum = Drum::Hat;
    std::string pattern;  // one bar of sixteen steps: 'X' accent, 'x' hit, '.' rest
    std::string lastBar;  // the final bar instead of `pattern`, when not empty (a fill)
    double gain = 1.0;
};

// A looping tune in 4/4: every part must last exactly `bars` bars.
struct Tune {
    double bpm = 120.0;
    int bars = 8;
    std::vector<Part> parts;
    std::vector<DrumPart> drums;
};

// Renders the whole loop. A note or echo that rings past the end continues at the start,
// so the last sample flows into the first. Unscaled; an empty result with `error` set on a
// malformed tune.
Signal RenderTune(const Tune& tune, int rate, std::string& error);

} // namespace sfx
