#include "render/recursion.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.141592653589793;
constexpr double TwoPi = 6.283185307179586;

double NextRadius(const CurveState& c, double t, uint32_t funcRadius) {
    const double r = c.radius;
    switch (funcRadius) {
        case RadiusLinear:  // a constant amount per pass, between π and π + π²
            return ((std::fmod(c.angleStep, Pi) * Pi) + r) + Pi;
        case RadiusPower: return std::pow(r, c.radiusExponent);
        case RadiusPolynome:  // a factor between 1.001 and 2.101 per pass: geometric growth
            return ((0.5 * std::sin(3.0 * t) + 1.551) + 0.05 * std::sin(2.19 * t)) * r;
        case RadiusTangent:  // grows without bound as the tangent's argument nears π/2
            return (std::sqrt(std::fabs(std::tan((0.003 * std::sin(2.6 * t) + 0.005) * r))) *
                        (0.2 * std::cos(3.7 * t) + 0.4) +
                    1.0) *
                   r;
        default: return r;
    }
}

double NextAngle(const CurveState& c, double t, uint32_t funcAngle) {
    switch (funcAngle) {
        case AngleLinear: return c.angle + c.angleStep;
        case AnglePower:  // the same for every step of a pass: the path is a ray
            return std::pow(c.angleBase, c.angleExponent);
        case AnglePolynome:  // the increment grows almost in proportion to the (new) radius
            return std::sin(((5e-7 * std::sin(2.81 * t) + 5.55e-7) + 5.5e-7 * std::sin(3.18 * t)) *
                            c.radius) *
                       c.angleStep +
                   c.angle;
        case AngleExponential:  // also a ray, in a direction 1 to about 6.59 radians
            return std::exp(std::fmod(c.angleBase, TwoPi) * 0.3);
        default: return c.angle;
    }
}

}  // namespace

CurveState LaserCurveStart(double t) {
    return {std::cos(5 * t) * 25 + 125,           -35 * t, 0.85 * t, 1.005, 35 * t,
            std::cos(0.01 * t) * 0.0005 + 1.00055};
}

CurveState SprinkleCurveStart(double t, uint32_t density) {
    // Density above 100 wraps the unsigned difference to a huge exponent: the path leaves at once.
    const uint32_t sparseness = 100u - density;
    return {50 * std::cos(3.51 * t) + 275 * SceneDepth / 1500,
            -35 * t,
            0.85 * t,
            sparseness * 0.0001 + 1,
            35 * t,
            0.0005 * std::cos(0.01 * t) + 1.00055};
}

void StepCurve(CurveState& curve, double t, uint32_t funcRadius, uint32_t funcAngle) {
    const double radius = curve.radius;
    const double angle = curve.angle;
    curve.radius = NextRadius(curve, t, funcRadius);
    curve.angle = NextAngle(curve, t, funcAngle);
    if (curve.radius > radius) return;
    curve.pointBound = curve.angle == angle ? 0 : std::min(curve.pointBound, RingPoints);
}

void DrawEllipseOutline(double halfAxisX, double halfAxisY, int segments) {
    if (segments < 1) return;
    glBegin(GL_LINE_LOOP);
    const double step = TwoPi / segments;
    for (double theta = 0.0; theta < TwoPi; theta += step)
        glVertex2d(halfAxisX * std::cos(theta), halfAxisY * std::sin(theta));
    glEnd();
}
