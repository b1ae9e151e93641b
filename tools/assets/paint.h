// Shared helpers for the generated pictures and sounds: colours in floating point, a picture sampled over
// its area, the project's own deterministic noise, and the conversion to stored pixels.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "file_formats.h"

struct Colour {
    double r, g, b;
};

inline Colour operator+(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Colour operator*(Colour a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Colour operator*(Colour a, Colour b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}

double Clamp01(double x);
double Mix(double a, double b, double t);
Colour Mix(Colour a, Colour b, double t);
// 0 at or below edge0, 1 at or above edge1, a smooth S between (edge0 may exceed edge1 for a falling step).
double SmoothStep(double edge0, double edge1, double x);
// Colour along a list of equally spaced stops, t from 0 to 1.
Colour Ramp(const std::vector<Colour>& stops, double t);

// A picture in floating-point colour, top row first; 0 is black and 1 full intensity.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;
};

// Fills a width × height picture with the average of samples × samples points of shade per pixel, so edges
// and thin lines are antialiased. shade gets (x, y) in pixels with y counted upwards from the bottom edge.
Image Paint(int width, int height, int samples, const std::function<Colour(double x, double y)>& shade);

// Integer hash with good avalanche, and a value in [0, 1) from it.
uint32_t Hash(uint32_t x);
uint32_t Hash(int32_t x, int32_t y, uint32_t seed);
double Unit(uint32_t hash);

// Smooth gradient noise, about −0.7 to 0.7, one feature per unit.
double Noise(double x, double y, uint32_t seed);
// Gradient noise summed over octaves (each twice as fine, half as strong), scaled to about −1 to 1.
double Fbm(double x, double y, uint32_t seed, int octaves);

// Adds stars of random brightness and size to a picture: count stars, brightest about peak, each a small
// Gaussian dot tinted between white and tint; weight(x, y) at each pixel's centre scales them (0 where
// none may show).
// aspect is a dot's height over its width in pixels: a picture shown stretched needs its stars squashed.
void ScatterStars(Image& image, int count, double peak, double aspect, Colour tint, uint32_t seed,
                  const std::function<double(double x, double y)>& weight);

// Converts to 8-bit pixels. The textures are uploaded at 4 bits per channel, so every pixel gets a
// deterministic dither of up to half a 4-bit step: gradients come out smooth instead of in bands.
std::vector<Rgb> ToRgb(const Image& image);
