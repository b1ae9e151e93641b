// The dialog's sounds: a soft click for the tabs, bell-like chimes for "Done", "Save" and "Default", and a
// falling whoosh for "Clear". Each is scaled to a fixed peak well below full scale and begins and ends at
// silence, so nothing pops.
#include <algorithm>
#include <cmath>

#include "assets.h"

namespace {

constexpr double Pi = 3.14159265358979324;
constexpr double Rate = 22050;

// One partial of a bell: frequency as a multiple of the note's, relative level and decay time in seconds.
struct Partial {
    double ratio, level, decay;
};

// A struck bell: a few slightly inharmonic partials, the higher ones dying away sooner.
constexpr Partial Bell[] = {
    {1.0, 1.0, 0.42}, {2.0, 0.45, 0.25}, {3.01, 0.22, 0.16}, {4.2, 0.12, 0.1}, {5.43, 0.06, 0.07}};
// A warmer, rounder tone for the confirming chime: strong octave, little above it.
constexpr Partial Warm[] = {{1.0, 1.0, 0.4}, {2.0, 0.5, 0.3}, {3.0, 0.12, 0.18}, {0.5, 0.2, 0.5}};

double Seconds(size_t i) {
    return static_cast<double>(i) / Rate;
}

// Adds one struck note starting at start seconds: a 4 ms rise, then each partial decays exponentially.
template <size_t N>
void Strike(std::vector<double>& out, const Partial (&partials)[N], double frequency, double start,
            double level, double decayScale) {
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(i) - start;
        if (t < 0) continue;
        const double rise = SmoothStep(0, 0.004, t);
        double sum = 0;
        for (const Partial& p : partials)
            sum +=
                p.level * std::exp(-t / (p.decay * decayScale)) * std::sin(2 * Pi * frequency * p.ratio * t);
        out[i] += level * rise * sum;
    }
}

// Scales to the given peak and shapes the first and last few milliseconds so the sound starts and stops
// at zero.
std::vector<double> Finish(std::vector<double> s, double peak, double fadeIn, double fadeOut) {
    double largest = 0;
    for (double v : s)
        largest = std::max(largest, std::fabs(v));
    const double scale = largest > 0 ? peak / largest : 0;
    const double end = Seconds(s.size() - 1);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = Seconds(i);
        s[i] *= scale * SmoothStep(0, fadeIn, t) * SmoothStep(end, end - fadeOut, t);
    }
    return s;
}

double WhiteNoise(size_t i, uint32_t seed) {
    return 2 * Unit(Hash(static_cast<int32_t>(i), 0, seed)) - 1;
}

}  // namespace

std::vector<double> SoundTab(size_t count) {
    // A short tick of filtered noise over a quickly damped high tone.
    std::vector<double> s(count);
    double low = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = Seconds(i);
        low += 0.35 * (WhiteNoise(i, 51) - low);
        s[i] = 0.6 * low * std::exp(-t / 0.004) + std::sin(2 * Pi * 1500 * t) * std::exp(-t / 0.009);
    }
    return Finish(s, 0.3, 0.0008, 0.01);
}

std::vector<double> SoundDone(size_t count) {
    // Two notes rising a fifth: D6 then A6.
    std::vector<double> s(count);
    Strike(s, Bell, 1174.66, 0.0, 0.8, 0.9);
    Strike(s, Bell, 1760.0, 0.14, 1.0, 1.0);
    return Finish(s, 0.45, 0.002, 0.04);
}

std::vector<double> SoundSave(size_t count) {
    // A soft major third struck together, a hair apart, in the warm tone.
    std::vector<double> s(count);
    Strike(s, Warm, 659.26, 0.0, 1.0, 1.0);
    Strike(s, Warm, 830.61, 0.012, 0.8, 1.0);
    return Finish(s, 0.45, 0.002, 0.04);
}

std::vector<double> SoundDefault(size_t count) {
    // Two notes falling a fourth: A6 then E6, shorter than the others.
    std::vector<double> s(count);
    Strike(s, Bell, 1760.0, 0.0, 0.8, 0.5);
    Strike(s, Bell, 1318.51, 0.11, 1.0, 0.55);
    return Finish(s, 0.45, 0.002, 0.03);
}

std::vector<double> SoundClear(size_t count) {
    // Noise through a resonant band-pass whose centre sweeps down from 3 kHz to 250 Hz, under a faint
    // falling tone: something swept away.
    std::vector<double> s(count);
    const double length = Seconds(count);
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0, phase = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = Seconds(i);
        const double f = 3000 * std::pow(250.0 / 3000.0, t / length);
        // Band-pass biquad, constant peak gain, Q of 3.
        const double w = 2 * Pi * f / Rate;
        const double alpha = std::sin(w) / (2 * 3.0);
        const double x = WhiteNoise(i, 52);
        const double y = (alpha * (x - x2) + 2 * std::cos(w) * y1 - (1 - alpha) * y2) / (1 + alpha);
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        phase += 2 * Pi * (f * 0.3) / Rate;
        const double envelope = SmoothStep(0, 0.08, t) * std::exp(-t / 0.18);
        s[i] = envelope * (y * 2.5 + 0.12 * std::sin(phase));
    }
    return Finish(s, 0.35, 0.002, 0.04);
}

std::vector<int16_t> ToPcm16(const std::vector<double>& samples) {
    std::vector<int16_t> out(samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
        out[i] = static_cast<int16_t>(std::lround(std::clamp(samples[i], -1.0, 1.0) * 32767));
    return out;
}
