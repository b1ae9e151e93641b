#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "overlay/frame_rate.h"
#include "platform/clock.h"
#include "render/laser.h"
#include "render/recursion.h"
#include "render/sprinkle.h"
#include "settings/scene_settings.h"
#include "support/scene_gl.h"

namespace {

constexpr int ViewSize = 400;
constexpr double Extent = 4000;
constexpr double UnitsPerPixel = 2 * Extent / ViewSize;

// Mesa hands each sprite's quad to feedback as two triangles.
size_t Sprites(const std::vector<FeedbackVertex>& vertices) {
    size_t n = 0;
    for (const FeedbackVertex& v : vertices)
        n += v.token == GL_POLYGON_TOKEN;
    return n / 6;
}

struct Centre {
    double x, y, reach;  // the middle of a sprite and the distance of its corners from it, in scene units
};
Centre SpriteCentre(const std::vector<FeedbackVertex>& v, size_t sprite) {
    double x = 0, y = 0;
    for (size_t i = 6 * sprite; i < 6 * sprite + 6; ++i) {
        x += v[i].x;
        y += v[i].y;
    }
    x = x / 6 * UnitsPerPixel - Extent;
    y = y / 6 * UnitsPerPixel - Extent;
    const double reach = std::hypot(v[6 * sprite].x * UnitsPerPixel - Extent - x,
                                    v[6 * sprite].y * UnitsPerPixel - Extent - y);
    return {x, y, reach};
}

// The full set of switches a renderer may leave behind, to compare before and after.
struct GLSwitches {
    GLboolean enabled[6];
    GLint blendSource, blendDestination, environment, polygonMode[2], stencilWriteMask;
    GLboolean depthWriteMask, colourMask[4];
    bool operator==(const GLSwitches& o) const {
        return std::equal(enabled, enabled + 6, o.enabled) && blendSource == o.blendSource &&
               blendDestination == o.blendDestination && environment == o.environment &&
               polygonMode[0] == o.polygonMode[0] && polygonMode[1] == o.polygonMode[1] &&
               stencilWriteMask == o.stencilWriteMask && depthWriteMask == o.depthWriteMask &&
               std::equal(colourMask, colourMask + 4, o.colourMask);
    }
};
GLSwitches ReadSwitches() {
    GLSwitches s{};
    const GLenum caps[] = {GL_DEPTH_TEST, GL_STENCIL_TEST, GL_BLEND,
                           GL_TEXTURE_2D, GL_LINE_SMOOTH,  GL_LINE_STIPPLE};
    for (int i = 0; i < 6; ++i)
        s.enabled[i] = glIsEnabled(caps[i]);
    glGetIntegerv(GL_BLEND_SRC, &s.blendSource);
    glGetIntegerv(GL_BLEND_DST, &s.blendDestination);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &s.environment);
    glGetIntegerv(GL_POLYGON_MODE, s.polygonMode);
    glGetIntegerv(GL_STENCIL_WRITEMASK, &s.stencilWriteMask);
    glGetBooleanv(GL_DEPTH_WRITEMASK, &s.depthWriteMask);
    glGetBooleanv(GL_COLOR_WRITEMASK, s.colourMask);
    return s;
}

class SprinkleTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scene.ok());
        UseFlatView(Extent, ViewSize);
        SceneSettings = {};
        SceneSettings.RouteA = 1;
        SceneSettings.SpeedTexture = 10;
        SceneSettings.FuncRadius = RadiusPower;
        SceneSettings.FuncAngle = AngleLinear;
        SceneSettings.AlphaSprinkle = 255;
        SceneSettings.SpeedLaser = 10;
        SceneSettings.LineWidth = 1;
        SceneSettings.AlphaLaser = 1;
        FrameRate = 0;
        TimePhase = 200;
        FixClock(7000);
    }
    void TearDown() override { ReleaseClock(); }

    double SprinkleTime() const { return 7000 * (SceneSettings.SpeedTexture * 0.005 / 1000) + TimePhase; }

    // The radius and angle of every pass, computed apart from the renderer.
    std::vector<CurveState> Passes() const {
        const double t = SprinkleTime();
        std::vector<CurveState> passes;
        for (CurveState c = SprinkleCurveStart(t, SceneSettings.Density); c.radius < SceneDepth;
             StepCurve(c, t, SceneSettings.FuncRadius, SceneSettings.FuncAngle))
            passes.push_back(c);
        return passes;
    }

    std::vector<FeedbackVertex> Draw() const {
        return CaptureFeedback([this] { DrawSprinkle(SceneSettings, laser); });
    }

    SceneGL scene{ViewSize, ViewSize};
    LaserHandOff laser{};  // flat unless a test tilts it
};

TEST_F(SprinkleTest, DensitySetsTheNumberOfPasses) {
    SceneSettings.Density = 0;
    const size_t sparse = Sprites(Draw());
    EXPECT_EQ(sparse, Passes().size());
    EXPECT_TRUE(sparse >= 24 && sparse <= 31) << sparse;

    SceneSettings.Density = 90;
    const size_t dense = Sprites(Draw());
    EXPECT_EQ(dense, Passes().size());
    EXPECT_TRUE(dense >= 235 && dense <= 301) << dense;
}

TEST_F(SprinkleTest, RouteBSitsAtTheMirroredAngleAndGrowsWithTheRadius) {
    SceneSettings.RouteA = 0;
    SceneSettings.RouteB = 3;  // fancy star, half side 0.25
    const auto v = Draw();
    const std::vector<CurveState> passes = Passes();
    ASSERT_EQ(Sprites(v), passes.size());
    for (size_t i : {size_t{0}, passes.size() - 1}) {
        const double r = passes[i].radius, a = passes[i].angle;
        const Centre c = SpriteCentre(v, i);
        EXPECT_NEAR(c.x, r * std::cos(-a), 0.1);
        EXPECT_NEAR(c.y, r * std::sin(-a), 0.1);
        EXPECT_NEAR(c.reach, 0.25 * std::sqrt(2.0) * 1.8 * std::pow(r, 0.7), 0.1);
    }
}

// The first pair worked out by hand, at 7000 ms with SpeedTexture 10 and TimePhase 200 (t = 200.35), under
// a Laser tilt K = 0.5: sprite A at (R cos A, R sin A), spun −75 R degrees, sprite B mirrored across the X
// axis and spun +75 R, both 1.8 R^0.7 times their picture's size and at z = R K − SceneDepth K / 2, coloured
// by the Sprinkle's own time with blue weighing the radius by 90, alpha AlphaSprinkle / 255.
TEST_F(SprinkleTest, APairIsPlacedSpunTiltedAndColouredByItsPass) {
    SettingsRecord& s = SceneSettings;
    s.RouteA = s.RouteB = 1;  // sun: half side 0.5
    s.AlphaSprinkle = 128;
    SetTestColours(s);
    laser.depthSlope = 0.5;
    laser.depthOffset = 375;

    const double t = 200.35;
    const double R = 50 * std::cos(3.51 * t) + 275, A = -35 * t;
    const double half = 0.5 * 1.8 * std::pow(R, 0.7);
    const auto colour = TestColourAt(R, A, t, 90);

    const auto v = Draw();
    ASSERT_GE(Sprites(v), 2u);
    struct Expected {
        double angle, spinDegrees;
    };
    const Expected sprites[] = {{A, -75 * R}, {-A, 75 * R}};
    for (size_t sprite = 0; sprite < 2; ++sprite) {
        // The picture's corner (0, 0) lies at (−half, −half) before the spin.
        const double spin = sprites[sprite].spinDegrees * 3.141592653589793 / 180;
        const double x = R * std::cos(sprites[sprite].angle) - half * (std::cos(spin) - std::sin(spin));
        const double y = R * std::sin(sprites[sprite].angle) - half * (std::sin(spin) + std::cos(spin));
        bool cornerFound = false;
        for (size_t i = 6 * sprite; i < 6 * sprite + 6; ++i) {
            const FeedbackVertex& corner = v[i];
            if (corner.s == 0 && corner.t == 0) {
                cornerFound = true;
                EXPECT_NEAR(corner.x * UnitsPerPixel - Extent, x, 0.05) << "sprite " << sprite;
                EXPECT_NEAR(corner.y * UnitsPerPixel - Extent, y, 0.05) << "sprite " << sprite;
            }
            EXPECT_NEAR(FlatViewZ(corner), 0.5 * R - 375, 0.01) << "sprite " << sprite;
            for (int c = 0; c < 3; ++c)
                EXPECT_NEAR(corner.rgba[c], colour[c], 1e-5);
            EXPECT_NEAR(corner.rgba[3], 128 / 255.0, 1e-5);
        }
        EXPECT_TRUE(cornerFound) << "sprite " << sprite;
    }
}

// Sprites go to OpenGL in arrays, and their order is what blending sees. "greying" and "darkening" depend on
// it: the pairs keep their order, sprite A then its mirrored sprite B. "lightening" adds, so its sun sprites
// may all go first and the star sprites after them. Either way the current colour is left as the last pass's,
// which the Laser's fan hub takes up.
TEST_F(SprinkleTest, SpritesKeepTheirOrderWhereBlendingDependsOnIt) {
    SettingsRecord& s = SceneSettings;
    s.RouteA = 1;
    s.RouteB = 2;
    for (int c = 0; c < 3; ++c) {
        s.ColorConst[c] = 0.5;
        s.ColorAmplitude[c] = 0.4;
    }
    s.ColorGrads[0] = 0.0001;
    const std::vector<CurveState> passes = Passes();
    const size_t n = passes.size();
    const auto expectAt = [&](const std::vector<FeedbackVertex>& v, size_t sprite, const CurveState& pass,
                              double mirror) {
        const Centre c = SpriteCentre(v, sprite);
        EXPECT_NEAR(c.x, pass.radius * std::cos(pass.angle), 0.1) << sprite;
        EXPECT_NEAR(c.y, mirror * pass.radius * std::sin(pass.angle), 0.1) << sprite;
    };
    for (int32_t mode : {0, 1, 2}) {
        s.BlendingMode = mode;
        const auto v = Draw();
        ASSERT_EQ(Sprites(v), 2 * n) << mode;
        for (size_t i : {size_t{0}, size_t{1}, n - 1}) {
            expectAt(v, mode == 0 ? i : 2 * i, passes[i], 1);
            expectAt(v, mode == 0 ? n + i : 2 * i + 1, passes[i], -1);
        }
        GLfloat current[4];
        glGetFloatv(GL_CURRENT_COLOR, current);
        const FeedbackVertex& last = v.back();
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(current[c], last.rgba[c], 1e-5) << mode << " channel " << c;
    }
}

// What a user sees of the blending modes: white sprites at alpha 128/255 over a grey of 0.2. "lightening"
// adds the sprite times its alpha (0.70), "greying" inverts the background towards grey (0.8), "darkening"
// saturates to black. With DepthTest the sprites are tested against the depth buffer but never write it.
TEST_F(SprinkleTest, EachBlendingModeLooksAsItsNameSays) {
    SettingsRecord& s = SceneSettings;
    s.RouteA = 3;  // fancy star: a white test picture
    s.AlphaSprinkle = 128;
    s.DepthTest = 1;
    for (int c = 0; c < 3; ++c)
        s.ColorConst[c] = 1;
    const uint8_t expected[] = {179, 204, 0};
    glClearColor(0.2f, 0.2f, 0.2f, 1);
    for (int32_t mode = 0; mode < 3; ++mode) {
        s.BlendingMode = mode;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DrawSprinkle(SceneSettings, laser);
        const CommonColour seen = MostCommonColour(scene.ReadColour(), {51, 51, 51});
        EXPECT_GT(seen.count, 100u) << mode;
        EXPECT_NEAR(seen.colour[0], expected[mode], 1) << mode;
        EXPECT_NEAR(seen.colour[2], expected[mode], 1) << mode;
    }
    glClearColor(0, 0, 0, 1);
    std::vector<GLfloat> depth(ViewSize * ViewSize);
    glReadPixels(0, 0, ViewSize, ViewSize, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
    EXPECT_EQ(*std::min_element(depth.begin(), depth.end()), 1.0f);
}

TEST_F(SprinkleTest, ABlendingModeOutsideTheTableKeepsTheLasersBlendFunction) {
    SceneSettings.BlendingMode = 2;  // "darkening"
    DrawSprinkle(SceneSettings, laser);
    EXPECT_EQ(GLenum(ReadSwitches().blendSource), GLenum{GL_SRC_ALPHA_SATURATE});
    for (int32_t mode : {3, -1}) {
        glBlendFunc(GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR);
        SceneSettings.BlendingMode = mode;
        DrawSprinkle(SceneSettings, laser);
        const GLSwitches s = ReadSwitches();
        EXPECT_EQ(GLenum(s.blendSource), GLenum{GL_SRC_COLOR}) << mode;
        EXPECT_EQ(GLenum(s.blendDestination), GLenum{GL_ONE_MINUS_SRC_COLOR}) << mode;
    }
}

TEST_F(SprinkleTest, TrailsOverAVisibleLaserFadeWithTheFrameRate) {
    SettingsRecord& s = SceneSettings;
    s.AlphaSprinkle = 300;
    EXPECT_DOUBLE_EQ(SpriteAlpha(s, 0), 300 / 255.0);  // above 1: OpenGL clamps it

    s.Stack = 1;
    s.RenderingMode = 1;
    const double step = DrawLaser(SceneSettings).angleStep;
    EXPECT_EQ(SpriteAlpha(s, step), 1.0);  // no frame rate measured yet
    FrameRate = 50;
    EXPECT_DOUBLE_EQ(SpriteAlpha(s, step), std::sqrt(0.01 * (1 - std::cos(step))) * (300 / 50.0));
    EXPECT_DOUBLE_EQ(step, 0.85 * (7000 * (10 * 0.005 / 1000) + 200));

    s.Stencil = 1;  // the Laser is only a window: no fading
    EXPECT_DOUBLE_EQ(SpriteAlpha(s, step), 300 / 255.0);
    s.Stencil = 0;
    s.RenderingMode = LaserStyleCount;  // names no Laser
    EXPECT_DOUBLE_EQ(SpriteAlpha(s, step), 300 / 255.0);
}

TEST_F(SprinkleTest, RestoresWritesAndSwitchesOffWhatItUsed) {
    const GLint depth = ReadRendererExit().modelviewDepth;
    SceneSettings.DepthTest = SceneSettings.Stencil = 1;
    for (int32_t route : {1, 5, 6, -1}) {  // routes outside 0-5 draw no sprite
        SceneSettings.RouteA = SceneSettings.RouteB = route;
        const size_t sprites = Sprites(Draw());
        EXPECT_EQ(sprites == 0, route > 5 || route < 0) << route;
        const RendererExit exit = ReadRendererExit();
        EXPECT_FALSE(exit.depthTest || exit.stencilTest || exit.blend || exit.texture2D);
        EXPECT_EQ(exit.modelviewDepth, depth);
        const GLSwitches s = ReadSwitches();
        EXPECT_TRUE(s.depthWriteMask);
        EXPECT_EQ(s.stencilWriteMask & 0xFF, 1);
        EXPECT_EQ(GLenum(s.environment), GLenum{GL_MODULATE});
        EXPECT_EQ(GLenum(s.polygonMode[0]), GLenum{GL_FILL});
    }
}

// At Density 100 "Power" leaves the radius as it is: the pass draws a ring of RingPoints pairs at the start
// radius, each pair at a new angle, or, where the angle function draws a ray, the start pair and one pair on
// the ray. Above 100 the exponent is huge and the path leaves after its first pass.
TEST_F(SprinkleTest, DensityOfAHundredOrMoreWithPowerStillEnds) {
    SceneSettings.Density = 100;
    const double start = SprinkleCurveStart(SprinkleTime(), 100).radius;
    const auto ring = Draw();
    ASSERT_EQ(Sprites(ring), size_t{RingPoints});
    for (size_t i = 0; i < Sprites(ring); ++i) {
        const Centre c = SpriteCentre(ring, i);
        ASSERT_NEAR(std::hypot(c.x, c.y), start, 0.1) << i;
        if (i > 0) {
            const Centre before = SpriteCentre(ring, i - 1);
            ASSERT_GT(std::hypot(c.x - before.x, c.y - before.y), 1) << "a new place on the ring";
        }
    }
    SceneSettings.FuncAngle = AngleExponential;  // as Default3 with "Power" on the radius
    EXPECT_EQ(Sprites(Draw()), 2u);

    SceneSettings.FuncAngle = AngleLinear;
    SceneSettings.Density = 150;
    EXPECT_EQ(Sprites(Draw()), 1u);
}

}  // namespace
