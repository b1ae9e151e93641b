#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "platform/clock.h"
#include "render/laser.h"
#include "render/recursion.h"
#include "render/screen_size.h"
#include "render/textures.h"
#include "render/view.h"
#include "settings/scene_settings.h"
#include "support/scene_gl.h"
#include "window/gl_setup.h"

namespace {

constexpr int ViewSize = 400;
constexpr double Extent = 4000;                          // the flat view shows ±4000 scene units
constexpr double UnitsPerPixel = 2 * Extent / ViewSize;  // 20

struct Point {
    double x, y;
};

Point SceneXY(const FeedbackVertex& v) {
    return {v.x * UnitsPerPixel - Extent, v.y * UnitsPerPixel - Extent};
}

void ExpectAt(const FeedbackVertex& v, Point expected, const char* what) {
    const Point p = SceneXY(v);
    EXPECT_NEAR(p.x, expected.x, 0.05) << what;
    EXPECT_NEAR(p.y, expected.y, 0.05) << what;
}

size_t CountTokens(const std::vector<FeedbackVertex>& vertices, GLfloat token) {
    size_t n = 0;
    for (const FeedbackVertex& v : vertices)
        n += v.token == token;
    return n;
}

// Line segments (two vertices each, whether they start a strip or continue it).
size_t Segments(const std::vector<FeedbackVertex>& v) {
    return (CountTokens(v, GL_LINE_TOKEN) + CountTokens(v, GL_LINE_RESET_TOKEN)) / 2;
}

// Mesa hands quads to feedback as two triangles each.
size_t Quads(const std::vector<FeedbackVertex>& v) {
    return CountTokens(v, GL_POLYGON_TOKEN) / 6;
}

// The corners of every line loop drawn, in window pixels, loop by loop: a segment that does not start where
// the one before it ended starts a new loop. With closedOnly, a loop counts only where its last segment
// returns to its first corner (the clipper leaves open pieces of the loops that it cuts).
std::vector<std::vector<Point>> Loops(const std::vector<FeedbackVertex>& v, bool closedOnly = false) {
    std::vector<std::vector<Point>> loops;
    std::vector<bool> closed;
    for (size_t i = 0; i + 1 < v.size(); i += 2) {
        if (v[i].token != GL_LINE_TOKEN && v[i].token != GL_LINE_RESET_TOKEN) continue;
        if (loops.empty() || v[i].x != v[i - 1].x || v[i].y != v[i - 1].y) {
            loops.emplace_back();
            closed.push_back(false);
        }
        loops.back().push_back({v[i].x, v[i].y});
        closed.back() = v[i + 1].x == loops.back().front().x && v[i + 1].y == loops.back().front().y;
    }
    if (!closedOnly) return loops;
    std::vector<std::vector<Point>> whole;
    for (size_t l = 0; l < loops.size(); ++l)
        if (closed[l]) whole.push_back(loops[l]);
    return whole;
}

class LaserTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scene.ok());
        UseFlatView(Extent, ViewSize);
        SceneSettings = {};
        SceneSettings.RenderingMode = 1;
        SceneSettings.SpeedLaser = 10;
        SceneSettings.FuncRadius = RadiusPower;  // 76 to 93 points from the Laser's start radius
        SceneSettings.FuncAngle = AngleLinear;
        SceneSettings.AlphaLaser = 1;
        SceneSettings.LineWidth = 1;
        SceneSettings.DepthAmpl = 0.04;
        SceneSettings.DepthFreq = 64;
        SceneSettings.ColorConst[0] = SceneSettings.ColorConst[1] = SceneSettings.ColorConst[2] = 1;
        TimePhase = 100;
        FixClock(5000);
    }
    void TearDown() override { ReleaseClock(); }

    double LaserTime() const {
        const double t = 5000 * (SceneSettings.SpeedLaser * 0.005 / 1000) + TimePhase;
        return SceneSettings.Doubled ? t / 2 : t;
    }

    // The points of this frame's path, computed apart from the renderer.
    std::vector<Point> Path() const {
        const double t = LaserTime();
        std::vector<Point> points;
        for (CurveState c = LaserCurveStart(t); c.radius < SceneDepth;
             StepCurve(c, t, SceneSettings.FuncRadius, SceneSettings.FuncAngle))
            points.push_back({c.radius * std::cos(c.angle), c.radius * std::sin(c.angle)});
        return points;
    }

    std::vector<FeedbackVertex> Draw() const {
        return CaptureFeedback([] { DrawLaser(SceneSettings); });
    }

    SceneGL scene{ViewSize, ViewSize};
};

TEST_F(LaserTest, PointStylesRunTheirPrimitiveThroughEveryPoint) {
    const std::vector<Point> path = Path();
    const size_t n = path.size();
    ASSERT_GT(n, 70u);

    SceneSettings.RenderingMode = 1;  // line strip
    auto v = Draw();
    ASSERT_EQ(Segments(v), n - 1);
    for (size_t k = 0; k + 1 < n; ++k)
        ExpectAt(v[2 * k], path[k], "strip segment start");
    ExpectAt(v.back(), path.back(), "last point");

    SceneSettings.RenderingMode = 2;  // lines
    v = Draw();
    ASSERT_EQ(Segments(v), n / 2);
    ExpectAt(v[0], path[0], "first line");
    ExpectAt(v[1], path[1], "first line");

    // Triangles are drawn as outlines: three edges each.
    SceneSettings.RenderingMode = 3;
    EXPECT_EQ(Segments(Draw()), 3 * (n - 2));
    SceneSettings.RenderingMode = 5;
    EXPECT_EQ(Segments(Draw()), 3 * (n / 3));

    SceneSettings.RenderingMode = 4;  // fan: the hub at the origin, then every point
    v = Draw();
    ASSERT_EQ(Segments(v), 3 * (n - 1));
    bool hubInFirstTriangle = false;
    for (int i = 0; i < 6; ++i) {
        const Point p = SceneXY(v[i]);
        hubInFirstTriangle |= std::fabs(p.x) < 0.05 && std::fabs(p.y) < 0.05;
    }
    EXPECT_TRUE(hubInFirstTriangle);
}

TEST_F(LaserTest, DoubledPutsEachPointsMirroredTwinFirst) {
    SceneSettings.Doubled = 1;
    const std::vector<Point> path = Path();  // at half the time
    const size_t n = path.size();

    auto v = Draw();  // line strip: twin, point, twin, point, …
    ASSERT_EQ(Segments(v), 2 * n - 1);
    ExpectAt(v[0], {path[0].x, -path[0].y}, "the start point's twin");
    ExpectAt(v[1], path[0], "the start point");
    ExpectAt(v[2], path[0], "the start point");
    ExpectAt(v[3], {path[1].x, -path[1].y}, "the next twin");

    SceneSettings.RenderingMode = 2;  // lines: a chord from each twin to its point
    v = Draw();
    ASSERT_EQ(Segments(v), n);
    ExpectAt(v[2 * (n - 1)], {path.back().x, -path.back().y}, "last chord");
    ExpectAt(v[2 * (n - 1) + 1], path.back(), "last chord");
}

TEST_F(LaserTest, SegmentStylesDrawOneShapePerPoint) {
    const std::vector<Point> path = Path();
    const size_t n = path.size();

    for (uint32_t mode : {6u, 7u}) {  // one line loop each
        SceneSettings.RenderingMode = mode;
        EXPECT_EQ(Loops(Draw()).size(), n) << mode;
    }
    for (uint32_t mode = 8; mode <= 14; ++mode) {
        SceneSettings.RenderingMode = mode;
        EXPECT_EQ(Quads(Draw()), n) << mode;
    }
    SceneSettings.SymmetryMode = 2;  // the strips are recorded for the mirrored copies too
    EXPECT_EQ(Quads(Draw()), 4 * n);
    SceneSettings.SymmetryMode = 0;
    SceneSettings.Doubled = 1;  // each shape a second time, towards the mirrored point
    EXPECT_EQ(Quads(Draw()), 2 * Path().size());
}

// Where the strip of quad `quad` has texture coordinates (s, t).
Point StripCorner(const std::vector<FeedbackVertex>& v, size_t quad, float s, float t) {
    for (size_t i = 6 * quad; i < 6 * quad + 6 && i < v.size(); ++i)
        if (v[i].s == s && v[i].t == t) return SceneXY(v[i]);
    ADD_FAILURE() << "quad " << quad << " has no corner (" << s << ", " << t << ")";
    return {0, 0};
}

// A strip reaches from point to point with its picture upright along the segment, LineWidth × half its
// whole-unit height to either side (blue comet 12, halley comet 17, gold stick 6, plastic tube 12), and
// LineWidth counts up to 10, as lines are drawn at most 10 pixels wide. With Doubled each segment starts from
// the mirror image of the point before.
TEST_F(LaserTest, AStripReachesFromPointToPointAndIsLineWidthTimesItsHeightThick) {
    std::vector<Point> path = Path();
    const double dx = path[1].x - path[0].x, dy = path[1].y - path[0].y;
    const double length = std::hypot(dx, dy);
    const Point unitAcross = {-dy / length, dx / length};

    struct Strip {
        uint32_t mode;
        float lineWidth;
        double half;  // across the segment, to either side
    };
    for (const Strip& strip :
         {Strip{8, 2, 24}, Strip{10, 2, 34}, Strip{12, 2, 12}, Strip{14, 2, 24}, Strip{12, 9999, 60}}) {
        SceneSettings.RenderingMode = strip.mode;
        SceneSettings.LineWidth = strip.lineWidth;
        const auto v = Draw();
        const Point start = StripCorner(v, 0, 0, 0), end = StripCorner(v, 0, 1, 1);
        EXPECT_NEAR(start.x, path[0].x - strip.half * unitAcross.x, 0.05) << strip.mode;
        EXPECT_NEAR(start.y, path[0].y - strip.half * unitAcross.y, 0.05) << strip.mode;
        EXPECT_NEAR(end.x, path[1].x + strip.half * unitAcross.x, 0.05) << strip.mode;
        EXPECT_NEAR(end.y, path[1].y + strip.half * unitAcross.y, 0.05) << strip.mode;
    }

    GLfloat lineWidth = 0;
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    EXPECT_EQ(lineWidth, 10.0f);

    SceneSettings.Doubled = 1;
    path = Path();
    const auto v = Draw();  // quads: segment 0, its second drawing, segment 1, …
    const Point low = StripCorner(v, 2, 0, 0), high = StripCorner(v, 2, 0, 1);
    EXPECT_NEAR((low.x + high.x) / 2, path[1].x, 0.05);
    EXPECT_NEAR((low.y + high.y) / 2, -path[1].y, 0.05);
}

// What a user sees of each style's blending. Lines blend by their alpha over what is there: white at
// AlphaLaser 0.5 over a grey of 0.2 gives 0.6. Textured strips blend by their own colour over black, which
// squares it: white test pictures show white in the plain styles, the red point colour in the "Ex" styles,
// and in "plastic tube" a grey of AlphaLaser / 4.
TEST_F(LaserTest, EachStyleBlendsAsAUserSeesIt) {
    SettingsRecord& s = SceneSettings;
    const auto channelsNear = [](Rgb8 seen, Rgb8 expected) {
        for (int c = 0; c < 3; ++c)
            if (std::abs(seen[c] - expected[c]) > 1) return false;
        return true;
    };
    s.AlphaLaser = 0.5;
    glClearColor(0.2f, 0.2f, 0.2f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    DrawLaser(SceneSettings);
    CommonColour seen = MostCommonColour(scene.ReadColour(), {51, 51, 51});
    EXPECT_GT(seen.count, 100u);
    EXPECT_TRUE(channelsNear(seen.colour, {153, 153, 153})) << int{seen.colour[0]};

    s.AlphaLaser = 1;
    s.LineWidth = 2;
    s.ColorConst[1] = s.ColorConst[2] = 0;  // a red point colour
    const Rgb8 white = {255, 255, 255}, red = {255, 0, 0};
    const std::pair<uint32_t, Rgb8> styles[] = {{8, white},  {9, red},  {10, white},       {11, red},
                                                {12, white}, {13, red}, {14, {16, 16, 16}}};
    glClearColor(0, 0, 0, 1);
    for (const auto& [mode, expected] : styles) {
        s.RenderingMode = mode;
        glClear(GL_COLOR_BUFFER_BIT);
        DrawLaser(SceneSettings);
        seen = MostCommonColour(scene.ReadColour(), {0, 0, 0});
        EXPECT_GT(seen.count, 100u) << mode;
        EXPECT_TRUE(channelsNear(seen.colour, expected)) << mode << ": " << int{seen.colour[0]} << " "
                                                         << int{seen.colour[1]} << " " << int{seen.colour[2]};
    }
}

TEST_F(LaserTest, SymmetryModesReplayThePathMirrored) {
    const std::vector<Point> path = Path();
    const size_t segments = path.size() - 1;

    SceneSettings.SymmetryMode = 2;  // the path, then through the origin, across X, across Y
    auto v = Draw();
    ASSERT_EQ(Segments(v), 4 * segments);
    const Point p = path[0];
    ExpectAt(v[0], p, "the path");
    ExpectAt(v[2 * segments], {-p.x, -p.y}, "mirrored through the origin");
    ExpectAt(v[4 * segments], {p.x, -p.y}, "mirrored across the X axis");
    ExpectAt(v[6 * segments], {-p.x, p.y}, "mirrored across the Y axis");

    SceneSettings.SymmetryMode = 1;
    v = Draw();
    ASSERT_EQ(Segments(v), 2 * segments);
    ExpectAt(v[2 * segments], {-p.x, p.y}, "mirrored across the Y axis");

    for (int32_t other : {3, -1, 1000}) {
        SceneSettings.SymmetryMode = other;
        EXPECT_EQ(Segments(Draw()), segments) << other;
    }
}

// The start point worked out by hand: its colour takes the undivided time (with Doubled the path runs at
// half time, its colours do not) and weighs the radius by 13 in blue, its alpha is AlphaLaser, and it lies
// at z = K (radius − 750), with K = sin 2t for DepthAmpl 1 and DepthFreq 0.
TEST_F(LaserTest, PointsTakeTheUndividedTimesColourAndTiltAboutTheMiddleCircle) {
    SettingsRecord& s = SceneSettings;
    s.Doubled = 1;
    s.AlphaLaser = 0.5;
    s.DepthAmpl = 1;
    s.DepthFreq = 0;
    SetTestColours(s);

    // 5000 ms at SpeedLaser 10 with TimePhase 100: the undivided time T is 100.25, the path's own t = T / 2.
    const double T = 100.25, t = T / 2;
    const double r = std::cos(5 * t) * 25 + 125, a = -35 * t;
    const auto colour = TestColourAt(r, a, T, 13);

    const auto v = Draw();
    ASSERT_GE(v.size(), 2u);
    ExpectAt(v[0], {r * std::cos(a), -r * std::sin(a)}, "the start point's twin");
    ExpectAt(v[1], {r * std::cos(a), r * std::sin(a)}, "the start point");
    for (const FeedbackVertex& point : {v[0], v[1]}) {
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(point.rgba[c], colour[c], 1e-5);
        EXPECT_NEAR(point.rgba[3], 0.5, 1e-5);
        EXPECT_NEAR(FlatViewZ(point), std::sin(2 * t) * (r - 750), 0.01);
    }
}

// The first segment's shapes worked out by hand. Both stand on the previous point p, turned along the
// segment (dx, dy): the ellipse reaches dy / 5 along it and dx / 3.5 across it; the circle chain's radius is
// |dx + dy| over sin 50t × 3 cos 3t + 6.
TEST_F(LaserTest, EllipsesAndCirclesTakeTheirSizesFromTheSegment) {
    const std::vector<Point> path = Path();
    const Point p = path[0];
    const double dx = path[1].x - p.x, dy = path[1].y - p.y;
    const double phi = std::atan2(dy, dx);
    const auto at = [&](double along, double across) {
        return Point{p.x + along * std::cos(phi) - across * std::sin(phi),
                     p.y + along * std::sin(phi) + across * std::cos(phi)};
    };
    // A quarter of the first loop's vertices on, each starting a segment of two feedback vertices.
    const auto quarterTurn = [](const std::vector<FeedbackVertex>& v) {
        return 2 * (Loops(v).front().size() / 4);
    };

    SceneSettings.RenderingMode = 6;
    auto v = Draw();
    ExpectAt(v[0], at(dy / 5, 0), "the ellipse along the segment");
    ExpectAt(v[quarterTurn(v)], at(0, dx / 3.5), "the ellipse across the segment");

    SceneSettings.RenderingMode = 7;
    const double t = LaserTime();
    const double radius = std::fabs(dx + dy) / (std::sin(50 * t) * (std::cos(3 * t) * 3) + 6);
    v = Draw();
    ExpectAt(v[0], at(radius, 0), "the circle along the segment");
    ExpectAt(v[quarterTurn(v)], at(0, radius), "the circle across the segment");
}

// In the program's own view, with its rotations and four mirrored copies, every circle of the chain lies
// within a quarter pixel of its curve in each copy, measured on screen: N chords round an ellipse of largest
// half axis a stray at most a (1 − cos(π / N)) from it, and a is the farthest corner from the loop's centre.
// Small circles take few segments: the chain costs a fraction of the 145 segments a circle used to take.
TEST_F(LaserTest, EveryCopyOfACircleStraysAtMostAQuarterPixelOnScreen) {
    ResizeScene(ViewSize, ViewSize);
    SceneSettings.RenderingMode = 7;
    SceneSettings.SymmetryMode = 2;
    SceneSettings.RotateX = SceneSettings.RotateY = SceneSettings.RotateZ = 1;
    SceneSettings.SpeedView = 10;
    size_t segments = 0, loops = 0;
    double worst = 0;
    for (int64_t ms : {5000, 37000, 81000}) {
        FixClock(ms);
        SetupView(SceneSettings);
        for (const std::vector<Point>& loop : Loops(Draw(), true)) {
            ++loops;
            segments += loop.size();
            Point centre{0, 0};
            for (const Point& p : loop) {
                centre.x += p.x / loop.size();
                centre.y += p.y / loop.size();
            }
            double a = 0;
            for (const Point& p : loop)
                a = std::max(a, std::hypot(p.x - centre.x, p.y - centre.y));
            const size_t n = loop.size() == 145 ? 144 : loop.size();  // 144 segments reach back to the start
            worst = std::max(worst, a * (1 - std::cos(3.141592653589793 / n)));
        }
    }
    EXPECT_GT(loops, 3 * Path().size());
    EXPECT_LE(worst, 0.26);
    EXPECT_LT(segments, 145 * loops / 3);

    // A circle's size on screen is that of its largest copy, the last one too. In a perspective of depth
    // w = 1 + (x + y) / 4, a circle of radius 0.01 at (1, −1) shows a largest half axis of 1.28 pixels in the
    // path itself and of 4 in the last copy, at (−1, −1), the nearest.
    ScreenMapping mirrored{{1, 0, 0, 0.25, 0, 1, 0, 0.25, 0, 0, 1, 0, 0, 0, 0, 1}, 100, 100, {}};
    mirrored.copies = {{1, 1}, {-1, -1}, {1, -1}, {-1, 1}};
    EXPECT_NEAR(PixelRadius(mirrored, {1, -1, 0}, {0.01, 0}, {0, 0.01}), 4.0, 0.01);
}

// Kiosk screens run a saver for months: a year into the run every radius and angle function still draws a
// whole path of finite points that ends at the depth, far below the point bound.
TEST_F(LaserTest, AYearIntoTheRunEveryPathStillGrowsToTheDepth) {
    FixClock(int64_t{366} * 24 * 3600 * 1000);
    for (uint32_t funcRadius : {RadiusLinear, RadiusPower, RadiusPolynome, RadiusTangent}) {
        for (uint32_t funcAngle : {AngleLinear, AnglePower, AnglePolynome, AngleExponential}) {
            SceneSettings.FuncRadius = funcRadius;
            SceneSettings.FuncAngle = funcAngle;
            const auto v = Draw();
            EXPECT_GT(Segments(v), 0u) << funcRadius << " " << funcAngle;
            EXPECT_LT(Segments(v), 500u) << funcRadius << " " << funcAngle;
            for (const FeedbackVertex& vertex : v)
                ASSERT_TRUE(std::isfinite(vertex.x) && std::isfinite(vertex.y))
                    << funcRadius << " " << funcAngle;
        }
    }
}

// Every style with every option leaves depth test, stencil test, blending and texturing off, colour writes
// on, alpha writes off and the modelview matrix and stack as it found them.
TEST_F(LaserTest, EveryStyleAndOptionCleansUp) {
    glTranslated(3, 4, 5);
    GLdouble before[16], after[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, before);
    const GLint depthBefore = ReadRendererExit().modelviewDepth;

    for (int options = 0; options < 2; ++options) {
        SceneSettings.Stencil = SceneSettings.DepthTest = SceneSettings.Doubled = options;
        SceneSettings.Antialias = options;
        SceneSettings.SymmetryMode = 2 * options;
        SceneSettings.StippleMode = 3 * options;
        SceneSettings.StippleSize = 2;
        for (uint32_t mode = 1; mode <= 14; ++mode) {
            SceneSettings.RenderingMode = mode;
            DrawLaser(SceneSettings);
            const RendererExit exit = ReadRendererExit();
            EXPECT_FALSE(exit.depthTest || exit.stencilTest || exit.blend || exit.texture2D) << mode;
            EXPECT_EQ(exit.modelviewDepth, depthBefore) << mode;
            glGetDoublev(GL_MODELVIEW_MATRIX, after);
            EXPECT_TRUE(std::equal(before, before + 16, after)) << mode;
            GLboolean mask[4];
            glGetBooleanv(GL_COLOR_WRITEMASK, mask);
            EXPECT_TRUE(mask[0] && mask[1] && mask[2] && !mask[3]) << mode;
            EXPECT_EQ(glGetError(), GLenum{GL_NO_ERROR}) << mode;
        }
        EXPECT_EQ(glIsEnabled(GL_LINE_STIPPLE), options == 1);
        EXPECT_EQ(glIsEnabled(GL_LINE_SMOOTH), options == 1);
    }
    GLint pattern = 0, repeat = 0;
    glGetIntegerv(GL_LINE_STIPPLE_PATTERN, &pattern);
    glGetIntegerv(GL_LINE_STIPPLE_REPEAT, &repeat);
    EXPECT_EQ(pattern, 0x0C0F);
    EXPECT_EQ(repeat, 2);

    // "plastic tube" left its blend environment with a grey of AlphaLaser / 4.
    GLint environment = 0;
    GLfloat colour[4];
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &environment);
    glGetTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, colour);
    EXPECT_EQ(environment, GL_BLEND);
    EXPECT_FLOAT_EQ(colour[0], 0.25f);
    EXPECT_FLOAT_EQ(colour[3], 0.0f);
}

// The three stipple patterns as the Laser page pictures them, one character per pixel from the first drawn,
// 'x' for a drawn pixel: every other pixel; a dash of four and a gap of twelve; dashes of four and two with
// gaps of six and four. Every pixel lasts StippleSize pixels, of the screen's size in a preview.
TEST_F(LaserTest, StipplePatternsDrawTheirDashes) {
    const auto pattern = [](const char* pixels) {
        GLint bits = 0;
        for (int i = 0; i < 16; ++i)
            if (pixels[i] == 'x') bits |= 1 << i;
        return bits;
    };
    const std::pair<int32_t, const char*> stipples[] = {
        {1, ".x.x.x.x.x.x.x.x"}, {2, "xxxx............"}, {3, "xxxx......xx...."}};
    SceneSettings.StippleSize = 3;
    for (const auto& [mode, pixels] : stipples) {
        SceneSettings.StippleMode = mode;
        DrawLaser(SceneSettings);
        GLint drawn = 0, repeat = 0;
        glGetIntegerv(GL_LINE_STIPPLE_PATTERN, &drawn);
        glGetIntegerv(GL_LINE_STIPPLE_REPEAT, &repeat);
        EXPECT_TRUE(glIsEnabled(GL_LINE_STIPPLE)) << mode;
        EXPECT_EQ(drawn, pattern(pixels)) << mode;
        EXPECT_EQ(repeat, 3) << mode;
    }

    // In a preview of 112 lines (a screen of 1024): stipples and lines in small, none under a pixel.
    ScreenPixelScale = 112.0 / 1024;
    for (const auto& [size, width, repeatDrawn, widthDrawn] :
         {std::tuple{30, 10.0f, 3, 1.09375f}, {3, 4.0f, 1, 1.0f}, {1 << 30, 0.5f, 256, 0.5f}}) {
        SceneSettings.StippleSize = size;
        SceneSettings.LineWidth = width;
        DrawLaser(SceneSettings);
        GLint repeat = 0;
        GLfloat lineWidth = 0;
        glGetIntegerv(GL_LINE_STIPPLE_REPEAT, &repeat);
        glGetFloatv(GL_LINE_WIDTH, &lineWidth);
        EXPECT_EQ(repeat, repeatDrawn) << size;
        EXPECT_FLOAT_EQ(lineWidth, widthDrawn) << width;
    }
    ScreenPixelScale = 1;
}

// Stored values outside the pages' ranges: a style number above 14 draws no Laser and touches nothing, a
// stipple number outside 1-3 draws solid lines, and a radius function that never grows the radius draws a
// ring of RingPoints points at the start radius and ends.
TEST_F(LaserTest, OutOfRangeValuesDrawWhatWasChosenAndEnd) {
    SceneSettings.DepthAmpl = 0.0;
    glEnable(GL_BLEND);  // left on to show that nothing is touched
    for (uint32_t mode : {uint32_t{LaserStyleCount}, 100u, std::numeric_limits<uint32_t>::max()}) {
        SceneSettings.RenderingMode = mode;
        EXPECT_FALSE(DrawsLaser(mode));
        EXPECT_TRUE(Draw().empty()) << mode;
        EXPECT_EQ(DrawLaser(SceneSettings).depthSlope, 0.0) << mode;
    }
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(SceneSettings.DepthAmpl, 0.0);
    glDisable(GL_BLEND);

    SceneSettings.RenderingMode = 1;
    SceneSettings.DepthAmpl = 0.04;
    const size_t solid = Segments(Draw());
    for (int32_t stipple : {4, -1, 1 << 30}) {
        SceneSettings.StippleMode = stipple;
        EXPECT_EQ(Segments(Draw()), solid);
        EXPECT_FALSE(glIsEnabled(GL_LINE_STIPPLE)) << stipple;
    }

    SceneSettings.FuncRadius = 9;  // leaves the radius as it is
    const double start = LaserCurveStart(LaserTime()).radius;
    const auto ring = Draw();
    EXPECT_EQ(Segments(ring), size_t{RingPoints} - 1);
    for (const FeedbackVertex& v : ring) {
        const Point p = SceneXY(v);
        ASSERT_NEAR(std::hypot(p.x, p.y), start, 0.05);
    }
    SceneSettings.RenderingMode = 14;
    EXPECT_EQ(Quads(Draw()), size_t{RingPoints});
}

}  // namespace
