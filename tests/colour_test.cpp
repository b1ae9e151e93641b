#include <gtest/gtest.h>

#include <cmath>

#include "render/colour.h"

namespace {

SceneLook Look(double gR, double gA, double gT) {
    SceneLook look{};
    for (int c = 0; c < 3; ++c) {
        look.ColorConst[c] = 0.1 * (c + 1);
        look.ColorAmplitude[c] = 0.5;
    }
    look.ColorGrads[0] = gR;
    look.ColorGrads[1] = gA;
    look.ColorGrads[2] = gT;
    return look;
}

void ExpectColour(const Colour& c, double red, double green, double blue) {
    EXPECT_DOUBLE_EQ(c.red, red);
    EXPECT_DOUBLE_EQ(c.green, green);
    EXPECT_DOUBLE_EQ(c.blue, blue);
}

TEST(ColourAt, WithoutDependencesEveryPointHasTheSameColour) {
    const SceneLook look = Look(0, 0, 0);
    for (double r : {100.0, 1499.0})
        for (double t : {0.0, 5000.0})
            ExpectColour(ColourAt(look, r, -3 * r, t, 13), 0.1, 0.2 + std::cos(2.0) * 0.5,
                         0.3 + std::sin(2.0) * 0.5);
}

TEST(ColourAt, WithoutAmplitudesTheColourIsTheConstant) {
    SceneLook look = Look(0.001, 0.001, 100);
    for (double& a : look.ColorAmplitude)
        a = 0;
    ExpectColour(ColourAt(look, 321, 7, 99, 90), 0.1, 0.2, 0.3);
}

TEST(ColourAt, EachChannelWeighsTimeAngleAndRadiusByItsOwnFactors) {
    // Time: red 3τ, green 2τ, blue τ.
    const double tau = std::acos(-1.0) / 6;
    ExpectColour(ColourAt(Look(0, 0, 1), 0, 0, tau, 13), std::sin(5.0) * 0.5 + 0.1,
                 std::cos(std::cos(2 * tau) * 2) * 0.5 + 0.2, std::sin(std::cos(tau) * 2) * 0.5 + 0.3);
    // Angle: red 0.5 A, green 0.9 A, blue 0.5 A.
    ExpectColour(ColourAt(Look(0, 1, 0), 0, 2.0, 0, 13), std::sin(std::sin(1.0) * 5) * 0.5 + 0.1,
                 std::cos(std::cos(1.8) * 2) * 0.5 + 0.2, std::sin(std::cos(1.0) * 2) * 0.5 + 0.3);
    // Radius: red 51 R, green 70 R, blue the caller's coefficient × R.
    ExpectColour(ColourAt(Look(0.001, 0, 0), 10, 0, 0, 90), std::sin(std::sin(0.51) * 5) * 0.5 + 0.1,
                 std::cos(std::cos(0.7) * 2) * 0.5 + 0.2, std::sin(std::cos(0.9) * 2) * 0.5 + 0.3);
}

}  // namespace
