// The recursion functions: the outward spiral that the Laser and the Sprinkle both follow, generated point
// by point in polar form. A pass starts at a point derived from the caller's time, draws there, steps the
// radius with the radius function and then the angle with the angle function, and repeats until the radius
// reaches SceneDepth.
#pragma once

#include <cstdint>

// The radius at which every path ends; also the camera's distance scale and a third of the far plane.
constexpr double SceneDepth = 1500.0;

enum RadiusFunction : uint32_t { RadiusLinear, RadiusPower, RadiusPolynome, RadiusTangent };
enum AngleFunction : uint32_t { AngleLinear, AnglePower, AnglePolynome, AngleExponential };

struct CurveState {
    double radius;          // distance of the current point from the origin
    double angle;           // direction of the current point in radians, from +X towards +Y
    double angleStep;       // P: "Linear" angle increment, "polynome" angle gain, "Linear" radius phase
    double radiusExponent;  // Q: exponent of the "Power" radius function
    double angleBase;       // X: base of the "Power" angle, argument of the "Exponential" angle
    double angleExponent;   // Y: exponent of the "Power" angle
};

// Start of the Laser's pass and of the Sprinkle's pass at their own time t.
CurveState LaserCurveStart(double t);
CurveState SprinkleCurveStart(double t, uint32_t density);

// One recursion step at time t: the new radius first, then the new angle, which sees the new radius.
// Function numbers outside 0-3 leave their part of the point unchanged.
void StepCurve(CurveState& curve, double t, uint32_t funcRadius, uint32_t funcAngle);

// The most points one pass may draw. A radius that stops growing never reaches SceneDepth: a radius
// function outside 0-3, or "Power" with an exponent of 1 or less (the Sprinkle at Density 100 and above).
// Every real pass is far shorter: the longest are the Sprinkle's "Power" at Density 99 (exponent 1.0001,
// 3004 points from its smallest start radius 225) and the Laser's "polynome" at its smallest factor
// 1.001 (2710 points from radius 100). "Linear" draws at most 446, "Tangent" about 20.
constexpr int MaxPathPoints = 4096;

// Whether a pass that has drawn pointsDrawn points goes on to draw the current one.
inline bool PathGoesOn(const CurveState& curve, int pointsDrawn) {
    return curve.radius < SceneDepth && pointsDrawn < MaxPathPoints;
}

// Emits one GL_LINE_LOOP of an ellipse with the given half axes, as segments + 1 vertices from angle 0
// while the accumulated angle stays below 2π. Sets no colour, texture or matrix.
void DrawEllipseOutline(double halfAxisX, double halfAxisY, int segments);
