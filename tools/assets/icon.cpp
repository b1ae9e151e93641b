// The program's icon: a glowing two-armed spiral of light, warm at its heart and violet at its rim, with
// blue sparkles, on black; 32 × 32 pixels in 16 colours.
#include <algorithm>
#include <cmath>

#include "assets.h"

namespace {

constexpr std::array<Rgb, 16> Palette = {{
    {0, 0, 0},
    {40, 0, 60},
    {90, 0, 120},
    {150, 0, 160},
    {210, 30, 150},
    {255, 70, 90},
    {255, 120, 40},
    {255, 180, 40},
    {255, 230, 90},
    {255, 255, 200},
    {255, 255, 255},
    {0, 40, 110},
    {30, 90, 200},
    {90, 170, 255},
    {170, 220, 255},
    {20, 20, 40},
}};

// Warm white at the centre through orange and magenta to violet at the rim.
Colour Along(double f) {
    return Ramp({{1, 1, 0.85}, {1, 0.75, 0.2}, {1, 0.3, 0.35}, {0.8, 0.1, 0.6}, {0.35, 0, 0.5}}, f);
}

uint8_t Nearest(const Colour& c) {
    int best = 0;
    double bestDistance = 1e9;
    for (int i = 0; i < 16; ++i) {
        const double dr = c.r * 255 - Palette[i].r, dg = c.g * 255 - Palette[i].g,
                     db = c.b * 255 - Palette[i].b;
        const double d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<uint8_t>(best);
}

}  // namespace

std::vector<uint8_t> DrawIcon(std::array<Rgb, 16>& palette) {
    palette = Palette;
    constexpr double Pi = 3.141592653589793;
    constexpr double Growth = 0.22;  // the spiral's radius grows by e^(0.22 θ)
    std::vector<uint8_t> pixels(32 * 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const double dx = x - 15.5, dy = 15.5 - y;
            const double r = std::sqrt(dx * dx + dy * dy);
            const double angle = std::atan2(dy, dx);
            Colour c{0, 0, 0};
            if (r > 0.5) {
                // Distance, in radians, to the nearer of the two arms through this radius.
                const double phase = std::log(r / 1.2) / Growth - angle;
                const double arm = std::remainder(phase, Pi);
                const double width = 0.45 + 0.02 * r;
                const double glow =
                    std::exp(-arm * arm / (width * width)) * std::clamp(1.25 - r / 17, 0.0, 1.0);
                const Colour tint = Along(r / 16);
                c = {tint.r * glow, tint.g * glow, tint.b * glow};
            }
            const double heart = std::exp(-r * r / 6.0);
            c = {c.r + heart, c.g + heart * 0.95, c.b + heart * 0.8};
            pixels[y * 32 + x] = Nearest(c);
        }
    }
    // Blue sparkles beside the arms.
    const int sparkles[][2] = {{25, 6}, {5, 9}, {27, 22}, {8, 26}, {19, 28}, {3, 18}};
    for (const auto& s : sparkles) {
        pixels[s[1] * 32 + s[0]] = 14;
        for (int d : {-1, 1}) {
            pixels[s[1] * 32 + s[0] + d] = 12;
            pixels[(s[1] + d) * 32 + s[0]] = 12;
        }
    }
    return pixels;
}
