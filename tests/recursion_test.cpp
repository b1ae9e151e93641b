#include <gtest/gtest.h>

#include <cmath>

#include "render/recursion.h"

namespace {

constexpr double Pi = 3.141592653589793;

// Points that one pass draws, as the renderers count them: one before every step.
int CountPoints(CurveState curve, double t, uint32_t funcRadius, uint32_t funcAngle = AngleLinear) {
    int points = 0;
    while (PathGoesOn(curve, points)) {
        ++points;
        StepCurve(curve, t, funcRadius, funcAngle);
    }
    return points;
}

CurveState LaserFrom(double radius, double t = 1.0) {
    CurveState curve = LaserCurveStart(t);
    curve.radius = radius;
    return curve;
}

TEST(StepCurve, PowerRadiusOfTheLaser) {
    EXPECT_EQ(CountPoints(LaserFrom(100), 1.0, RadiusPower), 93);
    EXPECT_EQ(CountPoints(LaserFrom(150), 1.0, RadiusPower), 76);
}

TEST(StepCurve, LinearRadiusAddsBetweenPiAndPiPlusPiSquared) {
    CurveState slowest = LaserFrom(100);
    slowest.angleStep = 0;
    EXPECT_EQ(CountPoints(slowest, 0, RadiusLinear), 446);

    CurveState fastest = LaserFrom(150);
    fastest.angleStep = Pi - 1e-9;
    EXPECT_EQ(CountPoints(fastest, 0, RadiusLinear), 104);
}

TEST(StepCurve, PolynomeRadiusGrowsGeometrically) {
    // At these times the factor is about 1.00101 and 2.10099.
    const double slow = 11185.641002049439;
    const double fast = 19392.52749277644;
    const int slowPoints = CountPoints(LaserCurveStart(slow), slow, RadiusPolynome);
    EXPECT_GT(slowPoints, 2000);
    EXPECT_LT(slowPoints, MaxPathPoints);
    EXPECT_EQ(CountPoints(LaserCurveStart(fast), fast, RadiusPolynome), 4);
}

TEST(StepCurve, TangentRadiusPassesTheDepthQuickly) {
    for (double t = 0; t < 2000; t += 0.37) {
        const int points = CountPoints(LaserCurveStart(t), t, RadiusTangent);
        ASSERT_GE(points, 2) << "t " << t;
        ASSERT_LE(points, 20) << "t " << t;
    }
}

TEST(StepCurve, PowerAndExponentialAnglesDrawARay) {
    const double t = 2.5;
    for (uint32_t funcAngle : {AnglePower, AngleExponential}) {
        CurveState curve = LaserCurveStart(t);
        StepCurve(curve, t, RadiusPower, funcAngle);
        const double ray = curve.angle;
        while (curve.radius < SceneDepth) {
            StepCurve(curve, t, RadiusPower, funcAngle);
            ASSERT_EQ(curve.angle, ray);
        }
    }
    CurveState curve = LaserCurveStart(t);
    StepCurve(curve, t, RadiusPower, AngleExponential);
    EXPECT_DOUBLE_EQ(curve.angle, std::exp(0.3 * std::fmod(35 * t, 2 * Pi)));
}

TEST(StepCurve, LinearAngleAtTimeZeroRunsStraightOut) {
    CurveState curve = LaserCurveStart(0);
    while (curve.radius < SceneDepth) {
        StepCurve(curve, 0, RadiusLinear, AngleLinear);
        ASSERT_EQ(curve.angle, 0.0);
    }
}

TEST(StepCurve, TheAngleSeesTheNewRadius) {
    const double t = 0.4;
    CurveState curve = LaserFrom(100, t);
    const double before = curve.angle;
    StepCurve(curve, t, RadiusPolynome, AnglePolynome);

    const double factor = 0.5 * std::sin(3.0 * t) + 1.551 + 0.05 * std::sin(2.19 * t);
    const double gain = 5e-7 * std::sin(2.81 * t) + 5.55e-7 + 5.5e-7 * std::sin(3.18 * t);
    EXPECT_DOUBLE_EQ(curve.radius, 100 * factor);
    EXPECT_DOUBLE_EQ(curve.angle, before + std::sin(gain * 100 * factor) * 0.85 * t);
}

TEST(StepCurve, UnknownFunctionsLeaveThePointWhereItIs) {
    CurveState curve = LaserFrom(100);
    const CurveState before = curve;
    StepCurve(curve, 1.0, 4, 0xFFFFFFFF);
    EXPECT_EQ(curve.radius, before.radius);
    EXPECT_EQ(curve.angle, before.angle);
}

// A pass whose radius stops growing can never reach the depth. It ends at once: after a ring of RingPoints
// points at its start radius while the angle still moves, after the start point and one point on the ray
// where the angle function draws a ray, and after the start point alone where nothing moves. A pass that
// grows too slowly ends at the bound; above Density 100 the unsigned difference wraps and a huge exponent
// throws the path out at once.
TEST(PathGoesOn, APassThatCannotReachTheDepthEndsWithARingOrAPoint) {
    struct Stalled {
        CurveState start;
        uint32_t funcRadius, funcAngle;
        int points;
    };
    const Stalled passes[] = {
        {LaserFrom(100), 7, AngleLinear, RingPoints},
        {SprinkleCurveStart(1.0, 100), RadiusPower, AngleLinear, RingPoints},
        {SprinkleCurveStart(1.0, 100), RadiusPower, AnglePolynome, RingPoints},
        {SprinkleCurveStart(1.0, 100), RadiusPower, AnglePower, 2},
        {SprinkleCurveStart(1.0, 100), RadiusPower, AngleExponential, 2},
        {LaserFrom(100), 7, 0xFFFFFFFF, 1},
        {SprinkleCurveStart(1.0, 101), RadiusPower, AngleLinear, 1},
    };
    for (const Stalled& pass : passes) {
        CurveState curve = pass.start;
        int points = 0;
        while (PathGoesOn(curve, points)) {
            if (pass.points > 1) {
                ASSERT_EQ(curve.radius, pass.start.radius) << "on the ring";
            }
            ++points;
            StepCurve(curve, 1.0, pass.funcRadius, pass.funcAngle);
        }
        EXPECT_EQ(points, pass.points) << pass.funcRadius << " " << pass.funcAngle;
    }

    CurveState slow = SprinkleCurveStart(1.0, 99);
    slow.radiusExponent = 1 + 1e-9;
    EXPECT_EQ(CountPoints(slow, 1.0, RadiusPower), MaxPathPoints);
}

// Every pass of the four radius functions, from every start the Laser and the Sprinkle (up to Density 99)
// take, ends by reaching the depth: neither the bound nor the ring rule cuts it.
TEST(PathGoesOn, EveryRealPassReachesTheDepth) {
    const auto reachesDepth = [](CurveState curve, double t, uint32_t funcRadius) {
        for (int points = 0; PathGoesOn(curve, points); ++points)
            StepCurve(curve, t, funcRadius, AngleLinear);
        return curve.radius >= SceneDepth;
    };
    for (uint32_t funcRadius : {RadiusLinear, RadiusPower, RadiusPolynome, RadiusTangent}) {
        for (double t = 0; t < 10000; t += 7.919) {
            ASSERT_TRUE(reachesDepth(LaserCurveStart(t), t, funcRadius)) << funcRadius << " " << t;
            for (uint32_t density : {0u, 90u, 99u})
                ASSERT_TRUE(reachesDepth(SprinkleCurveStart(t, density), t, funcRadius))
                    << funcRadius << " " << t << " " << density;
        }
    }
    // The longest of all: the Sprinkle at Density 99 from its smallest start radius.
    CurveState longest = SprinkleCurveStart(0, 99);
    longest.radius = 225;
    EXPECT_EQ(CountPoints(longest, 0, RadiusPower), 3004);
}

TEST(CurveStart, SprinkleDensitySetsThePowerExponent) {
    EXPECT_DOUBLE_EQ(SprinkleCurveStart(0, 90).radiusExponent, 1.001);
    EXPECT_DOUBLE_EQ(SprinkleCurveStart(0, 0).radiusExponent, 1.01);
    EXPECT_EQ(SprinkleCurveStart(0, 0).radius, 325);
    EXPECT_EQ(LaserCurveStart(0).radius, 150);
}

}  // namespace
