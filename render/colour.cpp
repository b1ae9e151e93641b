#include "render/colour.h"

#include <cmath>

Colour ColourAt(const SceneLook& look, double radius, double angle, double time, double blueRadius) {
    const double gR = look.ColorGrads[0];
    const double gA = look.ColorGrads[1];
    const double gT = look.ColorGrads[2];
    const double* constant = look.ColorConst;
    const double* amplitude = look.ColorAmplitude;

    const double red = gR * 51 * radius + gA * 0.5 * angle + gT * 3 * time;
    const double green = gR * 70 * radius + gA * 0.9 * angle + (gT + gT) * time;
    const double blue = gR * blueRadius * radius + gA * 0.5 * angle + gT * 1 * time;
    return {std::sin(std::sin(red) * 5) * amplitude[0] + constant[0],
            std::cos(std::cos(green) * 2) * amplitude[1] + constant[1],
            std::sin(std::cos(blue) * 2) * amplitude[2] + constant[2]};
}
