#include "sounds/Signal.h"

#include <algorithm>
#include <cmath>

namespace sfx {

double DbToGain(double db)
{
    return std::pow(10.0, db / 20.0);
}

double NoteHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

std::size_t SampleCount(double seconds, int rate)
{
    return static_cast<std::size_t>(std::lround(seconds * rate));
}

double Peak(const Signal& signal)
{
    double peak = 0.0;
    for (double sample : signal) peak = std::max(peak, std::fabs(sample));
    return peak;
}

double Rms(const Signal& signal)
{
    if (signal.empty()) return 0.0;
    double sum = 0.0;
    for (double sample : signal) sum += sample * sample;
    return std::sqrt(sum / static_cast<double>(signal.size()));
}

void ScaleToRms(Signal& signal, double rmsDb, double peakLimitDb)
{
    const double rms = Rms(signal);
    const double peak = Peak(signal);
    if (rms <= 0.0) return;
    const double gain = std::min(DbToGain(rmsDb) / rms, DbToGain(peakLimitDb) / peak);
    for (double& sample : signal) sample *= gain;
}

void ScaleToPeak(Signal& signal, double peakDb)
{
    const double peak = Peak(signal);
    if (peak <= 0.0) return;
    const double gain = DbToGain(peakDb) / peak;
    for (double& sample : signal) sample *= gain;
}

void FadeEdges(Signal& signal, int rate, double inSeconds, double outSeconds)
{
    const std::size_t size = signal.size();
    const std::size_t fadeIn = std::min(size, SampleCount(inSeconds, rate));
    const std::size_t fadeOut = std::min(size, SampleCount(outSeconds, rate));
    for (std::size_t i = 0; i < fadeIn; ++i) signal[i] *= static_cast<double>(i) / static_cast<double>(fadeIn);
    // The last sample becomes exactly zero.
    for (std::size_t i = 0; i < fadeOut; ++i) {
        signal[size - 1 - i] *= static_cast<double>(i) / static_cast<double>(fadeOut);
    }
}

} // namespace sfx
