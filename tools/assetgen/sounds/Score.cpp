#include "sounds/Score.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace sfx {
namespace {

bool ParsePitch(std::string_view text, int& note)
{
    static constexpr int kLetterSemitones[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (text.size() < 2 || text[0] < 'A' || text[0] > 'G') return false;
    int semitone = kLetterSemitones[text[0] - 'A'];
    std::size_t at = 1;
    if (text[at] == '#' || text[at] == 'b') {
        semitone += text[at] == '#' ? 1 : -1;
        ++at;
    }
    int octave = 0;
    const char* end = text.data() + text.size();
    const auto [rest, problem] = std::from_chars(text.data() + at, end, octave);
    if (problem != std::errc() || rest != end || octave < 0 || octave > 8) return false;
    note = 12 * (octave + 1) + semitone;
    return true;
}

bool ParseLength(std::string_view text, double& units)
{
    int whole = 0;
    const char* end = text.data() + text.size();
    const auto [rest, problem] = std::from_chars(text.data(), end, whole);
    if (problem != std::errc() || rest != end || whole <= 0 || whole > 64) return false;
    units = whole;
    return true;
}

bool ParseToken(std::string_view token, double beat, double unitBeats, Score& out, std::string& error)
{
    const std::size_t colon = token.find(':');
    double units = 0.0;
    if (colon == std::string_view::npos || !ParseLength(token.substr(colon + 1), units)) {
        error = "bad length in \"" + std::string(token) + "\"";
        return false;
    }
    const double beats = units * unitBeats;
    const std::string_view pitches = token.substr(0, colon);
    if (pitches != "r") {
        std::size_t from = 0;
        while (from <= pitches.size()) {
            const std::size_t plus = std::min(pitches.find('+', from), pitches.size());
            int note = 0;
            if (!ParsePitch(pitches.substr(from, plus - from), note)) {
                error = "bad pitch in \"" + std::string(token) + "\"";
                return false;
            }
            out.notes.push_back({beat, beats, note});
            from = plus + 1;
        }
    }
    out.lengthBeats = beat + beats;
    return true;
}

} // namespace

bool ParseScore(std::string_view text, double unitBeats, double beatsPerBar, Score& out, std::string& error)
{
    out = Score{};
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ' || text[at] == '\n') {
            ++at;
            continue;
        }
        if (text[at] == '|') {
            const double bars = out.lengthBeats / beatsPerBar;
            if (std::fabs(bars - std::round(bars)) > 1e-9) {
                error = "a bar line falls inside bar " + std::to_string(static_cast<int>(bars) + 1);
                return false;
            }
            ++at;
            continue;
        }
        const std::size_t end = std::min(text.find_first_of(" \n|", at), text.size());
        if (!ParseToken(text.substr(at, end - at), out.lengthBeats, unitBeats, out, error)) return false;
        at = end;
    }
    return true;
}

} // namespace sfx
