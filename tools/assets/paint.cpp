#include "paint.h"

#include <algorithm>
#include <cmath>

double Clamp01(double x) {
    return std::clamp(x, 0.0, 1.0);
}

double Mix(double a, double b, double t) {
    return a + (b - a) * t;
}

Colour Mix(Colour a, Colour b, double t) {
    return {Mix(a.r, b.r, t), Mix(a.g, b.g, t), Mix(a.b, b.b, t)};
}

double SmoothStep(double edge0, double edge1, double x) {
    const double t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

Colour Ramp(const std::vector<Colour>& stops, double t) {
    const double x = Clamp01(t) * static_cast<double>(stops.size() - 1);
    const size_t i = std::min(stops.size() - 2, static_cast<size_t>(x));
    return Mix(stops[i], stops[i + 1], x - static_cast<double>(i));
}

Image Paint(int width, int height, int samples, const std::function<Colour(double x, double y)>& shade) {
    Image image{width, height, std::vector<Colour>(static_cast<size_t>(width) * height)};
    const double weight = 1.0 / (samples * samples);
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;
        for (int x = 0; x < width; ++x) {
            Colour sum{0, 0, 0};
            for (int j = 0; j < samples; ++j)
                for (int i = 0; i < samples; ++i)
                    sum = sum + shade(x + (i + 0.5) / samples, y + (j + 0.5) / samples);
            image.pixels[static_cast<size_t>(row) * width + x] = sum * weight;
        }
    }
    return image;
}

uint32_t Hash(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

uint32_t Hash(int32_t x, int32_t y, uint32_t seed) {
    return Hash(static_cast<uint32_t>(x) * 0x9E3779B1u ^ Hash(static_cast<uint32_t>(y) ^ Hash(seed)));
}

double Unit(uint32_t hash) {
    return (hash >> 8) * (1.0 / 16777216.0);
}

namespace {

// The textures are uploaded at 4 bits per channel: 15 steps of 17 levels.
constexpr double FourBitStep = 255.0 / 15.0;

// Eight gradient directions: the axes and the diagonals, all of unit length.
constexpr double Diagonal = 0.70710678118654752;
constexpr double Gradients[8][2] = {{1, 0},  {Diagonal, Diagonal},   {0, 1},  {-Diagonal, Diagonal},
                                    {-1, 0}, {-Diagonal, -Diagonal}, {0, -1}, {Diagonal, -Diagonal}};

double Fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

double Corner(int32_t cx, int32_t cy, double dx, double dy, uint32_t seed) {
    const double* g = Gradients[Hash(cx, cy, seed) & 7];
    return g[0] * dx + g[1] * dy;
}

double StarProfile(double centre, int pixel, double sigma) {
    const double k = 1.0 / (sigma * std::sqrt(2.0));
    return 0.5 * (std::erf((pixel + 1 - centre) * k) - std::erf((pixel - centre) * k));
}

}  // namespace

double Noise(double x, double y, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
    const double dx = x - fx, dy = y - fy;
    const double u = Fade(dx), v = Fade(dy);
    const double bottom = Mix(Corner(ix, iy, dx, dy, seed), Corner(ix + 1, iy, dx - 1, dy, seed), u);
    const double top =
        Mix(Corner(ix, iy + 1, dx, dy - 1, seed), Corner(ix + 1, iy + 1, dx - 1, dy - 1, seed), u);
    return Mix(bottom, top, v);
}

double Fbm(double x, double y, uint32_t seed, int octaves) {
    double sum = 0, amplitude = 1, total = 0, scale = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * Noise(x * scale, y * scale, seed + static_cast<uint32_t>(i) * 7919u);
        total += amplitude;
        amplitude *= 0.5;
        scale *= 2;
    }
    return sum / total * 1.4;
}

void ScatterStars(Image& image, int count, double peak, double aspect, Colour tint, uint32_t seed,
                  const std::function<double(double x, double y)>& weight) {
    for (int s = 0; s < count; ++s) {
        const auto index = static_cast<int32_t>(s);
        const double x = Unit(Hash(index, 1, seed)) * image.width;
        const double y = Unit(Hash(index, 2, seed)) * image.height;
        // Many faint stars and a few bright ones, the bright ones a little wider.
        const double magnitude = std::pow(Unit(Hash(index, 3, seed)), 4.0);
        const double flux = peak * (0.08 + 0.92 * magnitude);
        const double sigma = 0.45 + 0.5 * magnitude;
        const Colour colour = Mix(Colour{1, 1, 1}, tint, Unit(Hash(index, 4, seed)));
        const int reach = static_cast<int>(std::ceil(3 * sigma));  // aspect is at most 1
        for (int py = static_cast<int>(y) - reach; py <= static_cast<int>(y) + reach; ++py) {
            if (py < 0 || py >= image.height) continue;
            const double across = StarProfile(y, py, sigma * aspect);
            for (int px = static_cast<int>(x) - reach; px <= static_cast<int>(x) + reach; ++px) {
                if (px < 0 || px >= image.width) continue;
                // y counts upwards; the pixel rows are stored top first.
                Colour& pixel = image.pixels[static_cast<size_t>(image.height - 1 - py) * image.width + px];
                pixel =
                    pixel + colour * (flux * across * StarProfile(x, px, sigma) * weight(px + 0.5, py + 0.5));
            }
        }
    }
}

std::vector<Rgb> ToRgb(const Image& image) {
    std::vector<Rgb> out(image.pixels.size());
    for (int row = 0; row < image.height; ++row) {
        for (int x = 0; x < image.width; ++x) {
            const size_t i = static_cast<size_t>(row) * image.width + x;
            const double dither = Unit(Hash(x, row, 0xD17Eu)) - 0.5;
            const auto channel = [dither](double value) {
                // Below one 4-bit step the dither shrinks with the level, so faint glows end in clean black
                // instead of a haze of lone specks.
                const double level = Clamp01(value) * 255.0;
                const double amplitude = std::min(level, FourBitStep);
                return static_cast<uint8_t>(std::clamp(std::lround(level + dither * amplitude), 0L, 255L));
            };
            out[i] = {channel(image.pixels[i].r), channel(image.pixels[i].g), channel(image.pixels[i].b)};
        }
    }
    return out;
}
