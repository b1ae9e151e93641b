// The Laser's strips: a blue comet, a comet photograph and a gold bar. x runs along the strip in pixels,
// y across it, upwards from the bottom edge.
#include <algorithm>
#include <cmath>

#include "assets.h"

Image DrawBlueComet(int width, int height) {
    const double headX = width * 2.0 / 3.0;
    const double middle = height / 2.0;
    return Paint(width, height, 3, [&](double x, double y) {
        const double dx = x - headX, dy = y - middle;
        // Deep blue sky, a little lighter along the middle, with faint cloudiness.
        const double across = dy / middle;
        Colour c = Colour{0.03, 0.12, 0.42} *
                   (0.75 + 0.25 * (1 - across * across) + 0.08 * Fbm(x / 30, y / 30, 31, 3));
        // The head: a white core in a cyan coma, squashed at the front.
        const double front = dx > 0 ? dx * 1.6 : dx;
        const double d = std::hypot(front, dy);
        c = c + Colour{0.9, 1.0, 1.0} * std::exp(-d * d / 9.0) + Colour{0.3, 0.85, 1.0} * std::exp(-d / 7.0);
        // The tail streams to the left, widening and fading, streaked along its length.
        if (dx < 0) {
            const double along = -dx;
            const double spread = 3.5 + 0.11 * along;
            const double streaks = Clamp01(0.75 + 0.6 * Fbm(along / 45, dy / spread * 2.5, 32, 4));
            const double tail = std::exp(-along / 110) * std::exp(-(dy / spread) * (dy / spread)) * streaks;
            const double onset = SmoothStep(0, 10, along);
            c = c + Mix(Colour{0.4, 0.9, 1.0}, Colour{0.2, 0.5, 1.0}, Clamp01(along / 160)) *
                        (0.85 * tail * onset);
        }
        return c;
    });
}

Image DrawHalleyComet(int width, int height) {
    const double headX = 12;
    const double middle = height / 2.0;
    // Ion streamers: narrow rays at fixed angles in the fan, each with its own strength.
    constexpr int Streamers = 9;
    double streamerAngle[Streamers], streamerLevel[Streamers];
    for (int k = 0; k < Streamers; ++k) {
        streamerAngle[k] = (Unit(Hash(k, 0, 41)) - 0.5) * 0.42;
        streamerLevel[k] = 0.25 + 0.5 * Unit(Hash(k, 1, 41));
    }
    Image image = Paint(width, height, 3, [&](double x, double y) {
        const double dx = x - headX, dy = y - middle;
        const double d = std::hypot(dx, dy);
        Colour c = Colour{1, 1, 1} * (std::exp(-d * d / 12.0) * 1.2) +
                   Colour{0.85, 0.9, 1.0} * (0.7 * std::exp(-d / 10));
        if (dx > 0) {
            const double angle = std::atan2(dy, dx);
            const double fade = std::exp(-dx / 120) * SmoothStep(0, 6, dx);
            // A broad fan, wider and fainter with distance, lined by streamers and photographic mottling.
            const double fan = 0.1 + 0.12 * std::min(1.0, dx / 150);
            double tail = 0.8 * std::exp(-(angle / fan) * (angle / fan));
            for (int k = 0; k < Streamers; ++k) {
                const double off = (angle - streamerAngle[k] * std::min(1.0, dx / 60)) / 0.018;
                tail += streamerLevel[k] * std::exp(-off * off) * SmoothStep(0, 40, dx);
            }
            tail *= Clamp01(0.7 + 0.5 * Fbm(dx / 50, angle * 12, 42, 4));
            c = c + Mix(Colour{0.95, 0.97, 1.0}, Colour{0.55, 0.72, 1.0}, Clamp01(dx / 200)) * (tail * fade);
        }
        return c * (1 + 0.1 * Noise(x * 0.9, y * 0.9, 43));
    });
    ScatterStars(image, 110, 1.3, 1.0, Colour{0.8, 0.88, 1.0}, 44, [](double, double) { return 1.0; });
    return image;
}

Image DrawGoldStick(int width, int height) {
    const double middle = height / 2.0;
    return Paint(width, height, 4, [&](double, double y) {
        // A polished rod seen side on: its surface turns away from the viewer towards top and bottom.
        const double across = Clamp01(std::fabs(y - middle) / middle);
        const double facing = std::sqrt(std::max(0.0, 1 - across * across));
        const Colour body = Ramp({{0.12, 0.04, 0.0}, {0.55, 0.22, 0.02}, {0.9, 0.5, 0.08}, {1.0, 0.72, 0.2}},
                                 std::pow(facing, 1.4));
        const double shine = std::exp(-across * across / (0.2 * 0.2));
        return body + Colour{0.3, 0.26, 0.16} * shine;
    });
}
