#include "sounds/Tunes.h"

#include <string>
#include <string_view>

namespace sfx {
namespace {

std::string Repeat(std::string_view text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

// Chords on the off-beats ("and" of each beat) for `beats` beats, in eighth-note units.
std::string Offbeats(std::string_view chord, int beats)
{
    return Repeat("r:1 " + std::string(chord) + ":1 ", beats);
}

} // namespace

// C major, mid-tempo and sunny: a singing square lead over off-beat chords.
Tune TitleTune()
{
    Tune tune;
    tune.bpm = 108.0;
    tune.bars = 16;

    Part lead;
    lead.name = "title lead";
    lead.instrument = {.wave = Wave::Pulse, .attack = 0.01, .decay = 0.3, .sustain = 0.55, .release = 0.1,
                       .gate = 0.85, .cutoffHz = 3000.0, .vibratoCents = 12.0, .vibratoHz = 5.5,
                       .vibratoDelay = 0.2};
    lead.notes = "| E5:2 G5:2 C6:3 B5:1 | A5:4 G5:2 E5:2 | F5:2 A5:2 C6:2 A5:2 | G5:6 r:2 "
                 "| E5:2 G5:2 C6:2 E6:2 | D6:3 C6:1 A5:4 | F5:2 A5:2 G5:2 B5:2 | C6:6 r:2 "
                 "| A5:2 C6:2 F6:3 E6:1 | D6:2 B5:2 G5:4 | G5:2 B5:2 E6:2 D6:2 | C6:4 A5:2 C6:2 "
                 "| A5:2 F5:2 A5:2 C6:2 | B5:2 D6:2 G6:2 F6:2 | E6:4 C6:2 G5:2 | F5:2 D5:2 B4:2 D5:2 |";
    lead.gain = 0.6;
    lead.echo = {0.75, 0.3, 2};

    const std::string c = "C4+E4+G4", am = "A3+C4+E4", f = "A3+C4+F4", g = "B3+D4+G4", dm = "A3+D4+F4",
                      em = "B3+E4+G4", g7 = "B3+D4+F4";
    Part chords;
    chords.name = "title chords";
    chords.instrument = {.wave = Wave::Triangle, .attack = 0.004, .decay = 0.08, .sustain = 0.2,
                         .release = 0.05, .gate = 0.8};
    chords.notes = Offbeats(c, 4) + Offbeats(am, 4) + Offbeats(f, 4) + Offbeats(g, 4) + Offbeats(c, 4) +
                   Offbeats(am, 4) + Offbeats(dm, 2) + Offbeats(g, 2) + Offbeats(c, 4) + Offbeats(f, 4) +
                   Offbeats(g, 4) + Offbeats(em, 4) + Offbeats(am, 4) + Offbeats(f, 4) + Offbeats(g, 4) +
                   Offbeats(c, 4) + Offbeats(g7, 4);
    chords.gain = 0.35;

    Part bass;
    bass.name = "title bass";
    bass.instrument = {.wave = Wave::Pulse, .attack = 0.005, .decay = 0.3, .sustain = 0.7, .release = 0.05,
                       .gate = 0.8, .cutoffHz = 700.0};
    bass.notes = "| C3:1 G3:1 C4:1 G3:1 | A2:1 E3:1 A3:1 E3:1 | F2:1 C3:1 F3:1 C3:1 | G2:1 D3:1 G3:1 D3:1 "
                 "| C3:1 G3:1 C4:1 G3:1 | A2:1 E3:1 A3:1 E3:1 | D3:1 A3:1 G2:1 D3:1 | C3:1 G3:1 C4:1 G3:1 "
                 "| F2:1 C3:1 F3:1 C3:1 | G2:1 D3:1 G3:1 D3:1 | E2:1 B2:1 E3:1 B2:1 | A2:1 E3:1 A3:1 E3:1 "
                 "| F2:1 C3:1 F3:1 C3:1 | G2:1 D3:1 G3:1 D3:1 | C3:1 G3:1 C4:1 G3:1 | G2:1 D3:1 G3:1 F3:1 |";
    bass.unitBeats = 1.0;
    bass.gain = 0.4;

    tune.parts = {lead, chords, bass};
    tune.drums = {
        {.drum = Drum::Kick, .pattern = "X.......X.......", .gain = 0.6},
        {.drum = Drum::Snare, .pattern = "....X.......X...", .lastBar = "....X.......X.xx", .gain = 0.35},
        {.drum = Drum::Hat, .pattern = "X.x.X.x.X.x.X.x.", .gain = 0.25},
    };
    return tune;
}

// G major, quick and bouncy: a staccato lead, octave-jumping bass and off-beat stabs.
Tune StageTune()
{
    Tune tune;
    tune.bpm = 140.0;
    tune.bars = 24;

    const std::string sectionA = "| D5:1 G5:1 r:1 G5:1 B5:1 r:1 A5:1 G5:1 | E5:1 G5:1 r:1 G5:1 B5:2 A5:2 "
                                 "| G5:1 E5:1 r:1 E5:1 C6:2 B5:1 A5:1 | A5:3 F#5:1 D5:2 r:2 "
                                 "| D5:1 G5:1 r:1 G5:1 B5:1 r:1 D6:1 B5:1 | C6:1 B5:1 r:1 G5:1 E5:2 G5:2 "
                                 "| E5:1 G5:1 C6:2 D5:1 F#5:1 A5:2 ";
    const std::string sectionB = "| E5:2 G5:1 C6:1 r:1 C6:1 B5:1 C6:1 | D6:2 A5:1 F#5:1 r:1 A5:1 D6:2 "
                                 "| B5:2 F#5:1 D5:1 r:1 F#5:1 B5:2 | G5:2 E5:1 B4:1 r:1 E5:1 G5:2 "
                                 "| E5:1 G5:1 C6:1 E6:1 r:1 D6:1 C6:2 | D6:1 C6:1 A5:1 F#5:1 r:1 A5:1 D6:2 "
                                 "| B5:2 G5:2 E5:2 G5:2 | A5:2 F#5:2 D5:2 C6:2 ";
    Part lead;
    lead.name = "stage lead";
    lead.instrument = {.wave = Wave::Pulse, .duty = 0.25, .attack = 0.003, .decay = 0.12, .sustain = 0.5,
                       .release = 0.05, .gate = 0.7, .cutoffHz = 4500.0, .vibratoCents = 10.0,
                       .vibratoHz = 6.0, .vibratoDelay = 0.15};
    lead.notes = sectionA + "| G5:4 r:2 D5:1 E5:1 " + sectionB + sectionA + "| G5:2 B5:1 D6:1 G6:2 r:2 |";
    lead.gain = 0.55;
    lead.echo = {0.75, 0.25, 1};

    const std::string g = "B3+D4+G4", em = "B3+E4+G4", c = "C4+E4+G4", d = "A3+D4+F#4", bm = "B3+D4+F#4",
                      d7 = "A3+C4+F#4";
    const std::string chordsA = Offbeats(g, 4) + Offbeats(em, 4) + Offbeats(c, 4) + Offbeats(d, 4) +
                                Offbeats(g, 4) + Offbeats(em, 4) + Offbeats(c, 2) + Offbeats(d, 2) + Offbeats(g, 4);
    const std::string chordsB = Offbeats(c, 4) + Offbeats(d, 4) + Offbeats(bm, 4) + Offbeats(em, 4) +
                                Offbeats(c, 4) + Offbeats(d, 4) + Offbeats(em, 4) + Offbeats(d7, 4);
    Part chords;
    chords.name = "stage chords";
    chords.instrument = {.wave = Wave::Pulse, .attack = 0.003, .decay = 0.06, .sustain = 0.3, .release = 0.03,
                         .gate = 0.5, .cutoffHz = 2000.0};
    chords.notes = chordsA + chordsB + chordsA;
    chords.gain = 0.2;

    const auto bounce = [](std::string_view low, std::string_view high, int beats) {
        return Repeat(std::string(low) + ":1 " + std::string(high) + ":1 ", beats);
    };
    const std::string bassA = bounce("G2", "G3", 4) + bounce("E2", "E3", 4) + bounce("C3", "C4", 4) +
                              bounce("D3", "D4", 4) + bounce("G2", "G3", 4) + bounce("E2", "E3", 4) +
                              bounce("C3", "C4", 2) + bounce("D3", "D4", 2) + bounce("G2", "G3", 4);
    const std::string bassB = bounce("C3", "C4", 4) + bounce("D3", "D4", 4) + bounce("B2", "B3", 4) +
                              bounce("E2", "E3", 4) + bounce("C3", "C4", 4) + bounce("D3", "D4", 4) +
                              bounce("E2", "E3", 4) + bounce("D3", "D4", 4);
    Part bass;
    bass.name = "stage bass";
    bass.instrument = {.wave = Wave::Pulse, .attack = 0.003, .decay = 0.1, .sustain = 0.6, .release = 0.03,
                       .gate = 0.6, .cutoffHz = 800.0};
    bass.notes = bassA + bassB + bassA;
    bass.gain = 0.35;

    tune.parts = {lead, chords, bass};
    tune.drums = {
        {.drum = Drum::Kick, .pattern = "X.....x.X.......", .gain = 0.6},
        {.drum = Drum::Snare, .pattern = "....X.......X...", .lastBar = "....X.......X.XX", .gain = 0.35},
        {.drum = Drum::Hat, .pattern = "x.X.x.X.x.X.x.X.", .gain = 0.25},
    };
    return tune;
}

// C major fanfare for a cleared stage: a brassy lead over held chords and a marching bass.
Tune ClearTune()
{
    Tune tune;
    tune.bpm = 120.0;
    tune.bars = 16;

    const std::string fanfare = "| G4:1 C5:1 E5:1 G5:3 E5:1 G5:1 ";
    Part lead;
    lead.name = "clear lead";
    lead.instrument = {.wave = Wave::Saw, .attack = 0.02, .decay = 0.3, .sustain = 0.7, .release = 0.12,
                       .gate = 0.9, .cutoffHz = 3000.0, .vibratoCents = 15.0, .vibratoHz = 5.5,
                       .vibratoDelay = 0.25};
    lead.notes = fanfare + "| A5:4 F5:2 A5:2 | G5:2 F5:1 E5:1 D5:2 G5:2 | E5:2 C5:2 G5:4 "
                           "| C6:3 B5:1 A5:2 E5:2 | F5:2 A5:2 C6:2 F6:2 | F#5:2 A5:2 D6:3 C6:1 | B5:4 G5:2 r:2 " +
                 fanfare + "| C6:4 A5:2 F5:2 | G5:2 B5:2 C6:2 E6:2 | F6:2 D6:2 B5:2 G5:2 "
                           "| C6:2 E6:2 G6:4 | E6:2 C6:2 A5:4 | A5:2 C6:2 B5:2 D6:2 | C6:3 r:1 G5:1 F5:1 D5:1 B4:1 |";
    lead.gain = 0.6;
    lead.echo = {0.5, 0.2, 1};

    Part pad;
    pad.name = "clear chords";
    pad.instrument = {.wave = Wave::Saw, .attack = 0.08, .decay = 1.0, .sustain = 0.6, .release = 0.25,
                      .gate = 0.95, .cutoffHz = 1200.0};
    pad.notes = "| C4+E4+G4:4 | A3+C4+F4:4 | B3+D4+G4:4 | C4+E4+G4:4 "
                "| A3+C4+E4:4 | A3+C4+F4:4 | A3+D4+F#4:4 | B3+D4+G4:4 "
                "| C4+E4+G4:4 | A3+C4+F4:4 | B3+E4+G4:2 A3+C4+E4:2 | A3+D4+F4:2 B3+D4+G4:2 "
                "| C4+E4+G4:4 | A3+C4+E4:4 | A3+C4+F4:2 B3+D4+G4:2 | C4+E4+G4:2 B3+D4+F4:2 |";
    pad.unitBeats = 1.0;
    pad.gain = 0.15;

    Part bass;
    bass.name = "clear bass";
    bass.instrument = {.wave = Wave::Pulse, .attack = 0.005, .decay = 0.2, .sustain = 0.6, .release = 0.05,
                       .gate = 0.7, .cutoffHz = 700.0};
    bass.notes = "| C3:1 G2:1 C3:1 G2:1 | F2:1 C3:1 F2:1 C3:1 | G2:1 D3:1 G2:1 D3:1 | C3:1 G2:1 C3:1 G2:1 "
                 "| A2:1 E3:1 A2:1 E3:1 | F2:1 C3:1 F2:1 C3:1 | D3:1 A2:1 D3:1 A2:1 | G2:1 D3:1 G2:1 D3:1 "
                 "| C3:1 G2:1 C3:1 G2:1 | F2:1 C3:1 F2:1 C3:1 | E2:1 B2:1 A2:1 E3:1 | D3:1 A2:1 G2:1 D3:1 "
                 "| C3:1 G2:1 C3:1 G2:1 | A2:1 E3:1 A2:1 E3:1 | F2:1 C3:1 G2:1 D3:1 | C3:1 E3:1 G2:1 B2:1 |";
    bass.unitBeats = 1.0;
    bass.gain = 0.4;

    tune.parts = {lead, pad, bass};
    tune.drums = {
        {.drum = Drum::Kick, .pattern = "X.......X.......", .gain = 0.6},
        {.drum = Drum::Snare, .pattern = "....X.....x.X...", .lastBar = "....X.......XxXx", .gain = 0.35},
        {.drum = Drum::Hat, .pattern = "x.x.x.x.x.x.x.x.", .gain = 0.22},
    };
    return tune;
}

// A minor, slow and sorry for itself: a soft lead with a long echo over held chords.
Tune GameOverTune()
{
    Tune tune;
    tune.bpm = 72.0;
    tune.bars = 8;

    Part lead;
    lead.name = "game over lead";
    lead.instrument = {.wave = Wave::Triangle, .attack = 0.03, .decay = 0.6, .sustain = 0.6, .release = 0.3,
                       .gate = 0.95, .vibratoCents = 18.0, .vibratoHz = 5.0, .vibratoDelay = 0.3};
    lead.notes = "| E5:4 C5:2 A4:2 | C5:3 B4:1 A4:4 | F5:4 E5:2 D5:2 | E5:4 G#4:4 "
                 "| A4:2 C5:2 E5:4 | F5:3 E5:1 C5:4 | D5:2 F5:2 A4:2 D5:2 | D5:2 C5:2 B4:4 |";
    lead.gain = 0.6;
    lead.echo = {1.0, 0.35, 2};

    Part pad;
    pad.name = "game over chords";
    pad.instrument = {.wave = Wave::Pulse, .attack = 0.2, .decay = 1.5, .sustain = 0.7, .release = 0.5,
                      .gate = 0.98, .cutoffHz = 900.0};
    pad.notes = "| A3+C4+E4:4 | A3+C4+F4:4 | A3+D4+F4:4 | G#3+B3+E4:4 "
                "| A3+C4+E4:4 | A3+C4+F4:4 | A3+D4+F4:4 | G#3+B3+E4:4 |";
    pad.unitBeats = 1.0;
    pad.gain = 0.1;

    Part bass;
    bass.name = "game over bass";
    bass.instrument = {.wave = Wave::Triangle, .attack = 0.01, .decay = 0.8, .sustain = 0.6, .release = 0.2,
                       .gate = 0.9};
    bass.notes = "| A2:2 E2:2 | F2:2 C3:2 | D2:2 A2:2 | E2:2 B2:2 | A2:2 E2:2 | F2:2 C3:2 | D2:2 A2:2 | E2:2 B2:2 |";
    bass.unitBeats = 1.0;
    bass.gain = 0.5;

    tune.parts = {lead, pad, bass};
    tune.drums = {
        {.drum = Drum::Kick, .pattern = "X...............", .gain = 0.45},
        {.drum = Drum::Snare, .pattern = "........x.......", .gain = 0.2},
        {.drum = Drum::Hat, .pattern = "x...x...x...x...", .gain = 0.15},
    };
    return tune;
}

// F major at sunset, relaxed and swaying: a warm triangle lead with a long echo over soft
// off-beat chords and a walking bass.
Tune DuskStageTune()
{
    Tune tune;
    tune.bpm = 118.0;
    tune.bars = 16;

    Part lead;
    lead.name = "dusk lead";
    lead.instrument = {.wave = Wave::Triangle, .attack = 0.01, .decay = 0.25, .sustain = 0.6, .release = 0.1,
                       .gate = 0.8, .vibratoCents = 14.0, .vibratoHz = 5.0, .vibratoDelay = 0.2};
    lead.notes = "| C5:2 F5:1 A5:1 r:1 G5:1 F5:2 | D5:2 F5:1 A5:1 r:1 C6:1 A5:2 "
                 "| A#4:2 D5:1 F5:1 r:1 E5:1 D5:2 | C5:3 E5:1 G5:4 "
                 "| C5:2 F5:1 A5:1 r:1 G5:1 F5:2 | D6:2 C6:1 A5:1 r:1 F5:1 D5:2 "
                 "| A#4:2 D5:1 G5:1 r:1 F5:1 E5:2 | F5:4 r:2 C5:1 D5:1 "
                 "| A#5:2 A5:1 G5:1 r:1 F5:1 G5:2 | A5:2 G5:1 F5:1 r:1 E5:1 F5:2 "
                 "| G5:2 F5:1 D5:1 r:1 D5:1 F5:2 | E5:3 C5:1 G5:4 "
                 "| A#5:2 A5:1 G5:1 r:1 A5:1 A#5:2 | C6:2 A5:1 F5:1 r:1 A5:1 C6:2 "
                 "| D6:2 A#5:1 G5:1 E5:2 G5:2 | F5:4 r:2 E5:1 G5:1 |";
    lead.gain = 0.6;
    lead.echo = {0.75, 0.3, 2};

    const std::string f = "A3+C4+F4", dm = "A3+D4+F4", bb = "A#3+D4+F4", c = "G3+C4+E4", gm = "G3+A#3+D4",
                      am = "A3+C4+E4", c7 = "G3+A#3+E4";
    Part chords;
    chords.name = "dusk chords";
    chords.instrument = {.wave = Wave::Triangle, .attack = 0.004, .decay = 0.1, .sustain = 0.25,
                         .release = 0.06, .gate = 0.7};
    chords.notes = Offbeats(f, 4) + Offbeats(dm, 4) + Offbeats(bb, 4) + Offbeats(c, 4) + Offbeats(f, 4) +
                   Offbeats(dm, 4) + Offbeats(gm, 2) + Offbeats(c, 2) + Offbeats(f, 4) + Offbeats(bb, 4) +
                   Offbeats(f, 4) + Offbeats(gm, 4) + Offbeats(c, 4) + Offbeats(bb, 4) + Offbeats(am, 4) +
                   Offbeats(gm, 2) + Offbeats(c7, 2) + Offbeats(f, 2) + Offbeats(c7, 2);
    chords.gain = 0.3;

    Part bass;
    bass.name = "dusk bass";
    bass.instrument = {.wave = Wave::Pulse, .attack = 0.005, .decay = 0.25, .sustain = 0.7, .release = 0.05,
                       .gate = 0.75, .cutoffHz = 650.0};
    bass.notes = "| F2:1 A2:1 C3:1 A2:1 | D2:1 F2:1 A2:1 F2:1 | A#2:1 D3:1 F3:1 D3:1 | C3:1 E3:1 G3:1 E3:1 "
                 "| F2:1 A2:1 C3:1 A2:1 | D2:1 F2:1 A2:1 F2:1 | G2:1 A#2:1 C3:1 E3:1 | F2:1 A2:1 C3:1 E3:1 "
                 "| A#2:1 D3:1 F3:1 D3:1 | F2:1 A2:1 C3:1 A2:1 | G2:1 A#2:1 D3:1 A#2:1 | C3:1 E3:1 G3:1 E3:1 "
                 "| A#2:1 D3:1 F3:1 D3:1 | A2:1 C3:1 E3:1 C3:1 | G2:1 A#2:1 C3:1 E3:1 | F2:1 A2:1 C3:1 E3:1 |";
    bass.unitBeats = 1.0;
    bass.gain = 0.4;

    tune.parts = {lead, chords, bass};
    tune.drums = {
        {.drum = Drum::Kick, .pattern = "X.......X..x....", .gain = 0.55},
        {.drum = Drum::Snare, .pattern = "....X.......X...", .lastBar = "....X.......X.xx", .gain = 0.3},
        {.drum = Drum::Hat, .pattern = "x.xxx.xxx.xxx.xx", .gain = 0.18},
    };
    return tune;
}

// A minor at night, quick and a little mysterious: a thin pulse lead in running eighths, held
// chords and a driving octave bass.
Tune NightStageTune()
{
    Tune tune;
    tune.bpm = 132.0;
    tune.bars = 16;

    const std::string riff = "| A4:1 C5:1 E5:1 A5:1 G5:1 E5:1 C5:1 E5:1 | F5:2 E5:1 D5:1 E5:2 r:2 "
                             "| D5:1 F5:1 A5:1 D6:1 C6:1 A5:1 F5:1 A5:1 | G5:2 E5:1 B4:1 E5:2 r:2 ";
    Part lead;
    lead.name = "night lead";
    lead.instrument = {.wave = Wave::Pulse, .duty = 0.125, .attack = 0.003, .decay = 0.15, .sustain = 0.45,
                       .release = 0.06, .gate = 0.65, .cutoffHz = 3800.0, .vibratoCents = 8.0,
                       .vibratoHz = 6.5, .vibratoDelay = 0.15};
    lead.notes = riff + riff +
                 "| C6:2 B5:1 A5:1 G5:2 E5:2 | F5:2 A5:1 C6:1 B5:2 G5:2 "
                 "| A5:2 G5:1 F5:1 E5:2 C5:2 | D5:2 E5:1 F5:1 G#5:4 "
                 "| C6:2 B5:1 A5:1 G5:2 E5:2 | F5:2 A5:1 C6:1 D6:2 C6:2 "
                 "| B5:2 G#5:1 E5:1 B5:2 D6:2 | C6:2 B5:2 A5:2 G#5:2 |";
    lead.gain = 0.55;
    lead.echo = {0.5, 0.3, 2};

    Part pad;
    pad.name = "night chords";
    pad.instrument = {.wave = Wave::Saw, .attack = 0.1, .decay = 1.2, .sustain = 0.6, .release = 0.3,
                      .gate = 0.95, .cutoffHz = 1000.0};
    const std::string padRiff = "| A3+C4+E4:4 | A3+D4+F4:4 | A3+D4+F4:4 | G#3+B3+E4:4 ";
    pad.notes = padRiff + padRiff +
                "| A3+C4+E4:4 | A3+C4+F4:4 | A3+C4+F4:4 | G#3+B3+E4:4 "
                "| A3+C4+E4:4 | A3+D4+F4:4 | G#3+B3+E4:4 | G#3+B3+E4:4 |";
    pad.unitBeats = 1.0;
    pad.gain = 0.12;

    const auto drive = [](std::string_view low, std::string_view high) {
        return Repeat(std::string(low) + ":1 " + std::string(low) + ":1 " + std::string(high) + ":1 " +
                          std::string(low) + ":1 ",
                      2);
    };
    const std::string bassRiff = drive("A2", "A3") + drive("D2", "D3") + drive("D2", "D3") + drive("E2", "E3");
    Part bass;
    bass.name = "night bass";
    bass.instrument = {.wave = Wave::Pulse, .attack = 0.003, .decay = 0.1, .sustain = 0.6, .release = 0.03,
                       .gate = 0.55, .cutoffHz = 750.0};
    bass.notes = bassRiff + bassRiff + drive("A2", "A3") + drive("F2", "F3") + drive("F2", "F3") +
                 drive("E2", "E3") + drive("A2", "A3") + drive("D2", "D3") + drive("E2", "E3") + drive("E2", "E3");
    bass.gain = 0.35;

    tune.parts = {lead, pad, bass};
    tune.drums = {
        {.drum = Drum::Kick, .pattern = "X...X...X...X...", .gain = 0.55},
        {.drum = Drum::Snare, .pattern = "....X.......X..x", .lastBar = "....X...X.X.XXXX", .gain = 0.3},
        {.drum = Drum::Hat, .pattern = "..x...x...x...x.", .gain = 0.22},
    };
    return tune;
}

} // namespace sfx
