// The Sprinkle's sprites: a red sun, a white sparkle, a planet's crescent under a rising star, a blue
// planet and a spiral galaxy. Every picture works in square coordinates u, v from −1 to 1 across its width
// and height, v upwards, and is black at its border.
#include <algorithm>
#include <cmath>
#include <utility>

#include "assets.h"

namespace {

constexpr double Pi = 3.14159265358979324;

struct Point {
    double u, v;
};

// Pixel position to square coordinates (a 128 × 64 picture is shown stretched to a square).
Point Square(double x, double y, int width, int height) {
    return {2 * x / width - 1, 2 * y / height - 1};
}

Point Rotate(Point p, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {p.u * c - p.v * s, p.u * s + p.v * c};
}

// 1 inside, falling smoothly to 0 a little inside the border of the square, so that even the outermost
// pixels of the smallest picture (64 high) are black.
double BorderFade(Point p, double start) {
    return SmoothStep(0.95, start, std::max(std::fabs(p.u), std::fabs(p.v)));
}

}  // namespace

Image DrawSun(int width, int height) {
    constexpr double Radius = 0.44;
    const Point spot{-0.13, 0.16};
    return Paint(width, height, 4, [&](double x, double y) {
        const Point p = Square(x, y, width, height);
        const double r = std::hypot(p.u, p.v);

        // Haze: red wisps wound round the sphere. Turning each point by an angle that grows with its
        // distance winds the noise into a swirl; warping it by a second noise makes the wisps irregular.
        const Point w = Rotate(p, 2.6 * r);
        const double warpU = Fbm(w.u * 2.2 + 3.1, w.v * 2.2, 11, 3);
        const double warpV = Fbm(w.u * 2.2, w.v * 2.2 - 5.7, 12, 3);
        const double wisps = Fbm(w.u * 3.5 + 0.8 * warpU, w.v * 3.5 + 0.8 * warpV, 13, 5);
        const double outside = std::max(0.0, r - Radius);
        const double glow = std::exp(-outside / 0.06) * 0.8 + std::exp(-outside / 0.24) * 0.6;
        const double haze = glow * Clamp01(0.25 + 1.1 * wisps) * SmoothStep(0.98, 0.62, r);
        Colour c =
            Mix(Colour{1.0, 0.22, 0.05}, Colour{0.7, 0.03, 0.02}, SmoothStep(0.0, 0.4, outside)) * haze;

        // The sphere: darker towards its rim, with a mottled surface and a bright spot on its upper left.
        const double inside = SmoothStep(Radius + 0.012, Radius - 0.012, r);
        if (inside > 0) {
            const double mu = std::sqrt(std::max(0.0, 1 - (r / Radius) * (r / Radius)));
            const double mottle = 1 + 0.18 * Fbm(p.u * 9, p.v * 9, 14, 4);
            const double body = (0.45 + 0.55 * std::pow(mu, 0.7)) * mottle;
            const double d = std::hypot(p.u - spot.u, p.v - spot.v);
            const double hot = std::exp(-d * d / (0.1 * 0.1));
            const Colour surface = Colour{0.95, 0.16, 0.04} * body + Colour{0.25, 0.45, 0.25} * (hot * 1.1) +
                                   Colour{0.2, 0.12, 0.02} * std::exp(-d * d / 0.05);
            c = Mix(c, surface, inside);
        }
        return c;
    });
}

Image DrawStar(int width, int height) {
    return Paint(width, height, 4, [&](double x, double y) {
        const Point p = Square(x, y, width, height);
        const double r = std::hypot(p.u, p.v);
        double light =
            std::exp(-r * r / (0.035 * 0.035)) + 0.45 * std::exp(-r / 0.06) + 0.12 * std::exp(-r / 0.22);
        // Four long rays along the axes, thinning and fading towards their tips.
        const double au = std::fabs(p.u), av = std::fabs(p.v);
        for (const auto& [along, across] : {std::pair{au, av}, std::pair{av, au}}) {
            const double reach = std::max(0.0, 1 - along / 0.94);
            const double thickness = 0.004 + 0.016 * reach;
            light += reach * reach * std::exp(-(across / thickness) * (across / thickness));
            light += 0.25 * reach * reach * reach * std::exp(-across / 0.035);
        }
        const double fade = BorderFade(p, 0.88);
        // White at the centre, the faint outer glow a touch cooler.
        return Mix(Colour{0.8, 0.88, 1.0}, Colour{1, 1, 1}, Clamp01(light)) * (light * fade);
    });
}

Image DrawFancyStar(int width, int height) {
    const Point planet{0.0, -1.05};
    constexpr double PlanetRadius = 1.0;
    const Point star{0.0, -0.02};
    return Paint(width, height, 4, [&](double x, double y) {
        const Point p = Square(x, y, width, height);

        // The crescent: the planet's disc less the same disc moved down, brightest under the star and
        // thinning towards its horns.
        const double fromPlanet = std::hypot(p.u - planet.u, p.v - planet.v);
        const double fromShadow = std::hypot(p.u - planet.u, p.v - planet.v + 0.1);
        const double disc = SmoothStep(PlanetRadius + 0.012, PlanetRadius - 0.012, fromPlanet);
        const double lit = SmoothStep(PlanetRadius - 0.01, PlanetRadius + 0.03, fromShadow);
        const double toStar = std::hypot(p.u - star.u, p.v - star.v);
        const double horns = std::exp(-toStar * toStar / (0.55 * 0.55));
        double crescent = disc * lit * horns;
        // A thin atmosphere glowing just outside the lit limb.
        const double limb = std::max(0.0, fromPlanet - PlanetRadius);
        crescent += 0.5 * std::exp(-limb / 0.025) * (1 - disc) * horns;

        // The star: a hot core, a halo and a burst of rays, the long ones upwards and sideways.
        const Point s{p.u - star.u, p.v - star.v};
        const double r = std::hypot(s.u, s.v);
        const double angle = std::atan2(s.v, s.u);
        double burst =
            std::exp(-r * r / (0.03 * 0.03)) * 1.5 + 0.5 * std::exp(-r / 0.05) + 0.15 * std::exp(-r / 0.16);
        for (int k = 0; k < 8; ++k) {
            const double rayAngle = k * Pi / 4;
            const double length = k % 2 == 0 ? 0.8 : 0.35;
            const double offset = std::remainder(angle - rayAngle, 2 * Pi);
            const double across = std::fabs(std::sin(offset)) * r;
            const double reach = std::cos(offset) > 0 ? std::max(0.0, 1 - r / length) : 0.0;
            const double thickness = 0.003 + 0.012 * reach;
            burst += 0.9 * reach * reach * std::exp(-(across / thickness) * (across / thickness));
        }
        // The planet hides the rays and halo below its edge.
        burst *= 1 - 0.92 * disc * (1 - lit);

        const Colour cyan{0.25, 0.95, 1.0};
        const Colour c =
            cyan * (crescent * 0.9) + Mix(cyan, Colour{0.85, 1.0, 1.0}, Clamp01(burst - 0.5)) * burst;
        return c * BorderFade(p, 0.85);
    });
}

Image DrawBluePlanet(int width, int height) {
    return Paint(width, height, 2, [&](double x, double y) {
        const Point p = Square(x, y, width, height);
        const double r = std::hypot(p.u, p.v);
        // A soft sphere lit a little from the upper left, its rim fading into a faint violet glow.
        const double t = Clamp01(r / 0.86);
        const double body = std::pow(1 - t * t, 0.75);
        const double nz = std::sqrt(std::max(0.0, 1 - t * t));
        const double light = 0.75 + 0.35 * (-0.45 * p.u / 0.86 + 0.45 * p.v / 0.86 + 0.77 * nz);
        const double glow = 0.18 * std::exp(-std::max(0.0, r - 0.6) / 0.12);
        const double level = (body * light + glow) * SmoothStep(0.98, 0.7, r);
        const Colour centre{0.55, 0.55, 1.0}, rim{0.45, 0.2, 0.95};
        return Mix(centre, rim, SmoothStep(0.1, 0.9, r)) * level;
    });
}

Image DrawMilkyWay(int width, int height) {
    constexpr double Tilt = 0.45;         // position angle of the major axis, radians
    constexpr double Inclination = 0.42;  // ratio of minor to major axis
    constexpr double Size = 0.95;
    constexpr double Pitch = 0.5;  // tangent of the arms' pitch angle
    Image image = Paint(width, height, 3, [&](double x, double y) {
        const Point p = Square(x, y, width, height);
        const Point q = Rotate(p, -Tilt);
        const double gu = q.u / Size, gv = q.v / (Size * Inclination);
        const double rg = std::hypot(gu, gv);
        const double theta = std::atan2(gv, gu);

        // Two logarithmic arms, sharpened, broken into clumps by noise, with dust lanes on their inner edges.
        const double phase = theta - std::log(std::max(rg, 1e-3) / 0.1) / Pitch;
        const double arms = std::pow(0.5 + 0.5 * std::cos(2 * phase), 3);
        const double dust = std::pow(0.5 + 0.5 * std::cos(2 * phase + 1.1), 8);
        const double clumps = Clamp01(0.55 + 0.7 * Fbm(gu * 7, gv * 7, 21, 4));
        const double disc = std::exp(-rg / 0.3) * SmoothStep(1.0, 0.6, rg);
        const double spiral =
            disc * (0.4 + 1.0 * arms * clumps) * (1 - 0.55 * dust * SmoothStep(0.08, 0.2, rg));
        const double bulgeR = std::hypot(q.u / Size, q.v / (Size * 0.6));
        const double bulge = std::exp(-std::pow(bulgeR / 0.06, 0.9));
        const double grain = 1 + 0.12 * Noise(x * 1.7, y * 1.7, 22);
        const Colour c =
            Colour{0.62, 0.72, 1.0} * (spiral * 1.5 * grain) + Colour{1.0, 0.9, 0.72} * (bulge * 1.3);
        return c * BorderFade(p, 0.85);
    });
    ScatterStars(image, 70, 1.4, 0.5, Colour{0.75, 0.85, 1.0}, 23,
                 [&](double x, double y) { return BorderFade(Square(x, y, width, height), 0.8); });
    return image;
}
