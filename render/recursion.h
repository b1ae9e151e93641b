// The recursion functions: the outward spiral that the Laser and the Sprinkle both follow, generated point
// by point in polar form. A pass starts at a point derived from the caller's time, draws there, steps the
// radius with the radius function and then the angle with the angle function, and repeats until the radius
// reaches SceneDepth.
#pragma once

#include <cstdint>

#include "settings/choices.h"

// The radius at which every path ends; also the camera's distance scale and a third of the far plane.
constexpr double SceneDepth = 1500.0;

// The most points one pass may draw: a guard for radius functions that grow too slowly to reach SceneDepth,
// which no setting produces. Every growing pass is far shorter: the longest are the Sprinkle's "Power" at
// Density 99 (exponent 1.0001, 3004 points from its smallest start radius 225) and the Laser's "polynome"
// at its smallest factor 1.001 (2710 points from radius 100). "Linear" draws at most 446, "Tangent" about
// 20.
constexpr int MaxPathPoints = 4096;

// The points a pass draws in all once a step has left its radius where it was: a radius function outside
// 0-3, or "Power" with an exponent of 1 (the Sprinkle at Density 100). Such a pass can never reach
// SceneDepth; while its angle still moves, its points go round a ring at the start radius, and this many
// make a full ring whose sprites still show their colours rather than piling up into white.
constexpr int RingPoints = 64;

struct CurveState {
    double radius;          // distance of the current point from the origin
    double angle;           // direction of the current point in radians, from +X towards +Y
    double angleStep;       // P: "Linear" angle increment, "polynome" angle gain, "Linear" radius phase
    double radiusExponent;  // Q: exponent of the "Power" radius function
    double angleBase;       // X: base of the "Power" angle, argument of the "Exponential" angle
    double angleExponent;   // Y: exponent of the "Power" angle
    int pointBound = MaxPathPoints;  // the most points this pass draws; StepCurve lowers it (see there)
};

// Start of the Laser's pass and of the Sprinkle's pass at their own time t.
CurveState LaserCurveStart(double t);
CurveState SprinkleCurveStart(double t, uint32_t density);

// One recursion step at time t: the new radius first, then the new angle, which sees the new radius.
// Function numbers outside 0-3 leave their part of the point unchanged.
//
// Within a pass the next radius depends on the radius alone, so a step that leaves the radius where it was
// leaves it there for good (none of the four functions takes a radius of 100 or more inwards): the pass can
// never reach SceneDepth. It then ends after RingPoints points in all while the angle still moves, and at
// once when the point has not moved at all, since every later point would lie on top of it.
void StepCurve(CurveState& curve, double t, uint32_t funcRadius, uint32_t funcAngle);

// Whether a pass that has drawn pointsDrawn points goes on to draw the current one.
inline bool PathGoesOn(const CurveState& curve, int pointsDrawn) {
    return curve.radius < SceneDepth && pointsDrawn < curve.pointBound;
}

// Emits one GL_LINE_LOOP of an ellipse with the given half axes, as segments + 1 vertices from angle 0
// while the accumulated angle stays below 2π. Sets no colour, texture or matrix.
void DrawEllipseOutline(double halfAxisX, double halfAxisY, int segments);
