#pragma once
#include <cstddef>
#include <vector>

namespace sfx {

// Mono samples in the range −1..1, processed in double precision and quantized only when written.
using Signal = std::vector<double>;

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

double DbToGain(double db);
// Frequency of a note numbered as on a MIDI keyboard (69 is A 440 Hz).
double NoteHz(double note);
std::size_t SampleCount(double seconds, int rate);

double Peak(const Signal& signal);
double Rms(const Signal& signal);
// Scales the whole signal so that its largest magnitude lands on `peakDb` dBFS.
void ScaleToPeak(Signal& signal, double peakDb);
// Scales the whole signal so that its root-mean-square level lands on `rmsDb` dBFS, but
// never lets its peak rise above `peakLimitDb` dBFS.
void ScaleToRms(Signal& signal, double rmsDb, double peakLimitDb);
// Short linear ramps at both ends so that a one-shot starts and stops without a click.
void FadeEdges(Signal& signal, int rate, double inSeconds, double outSeconds);

} // namespace sfx
