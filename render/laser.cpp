// The Laser. Its tables come first, then the steps of one frame: switch the options on, trace the path in a
// point style (OpenGL primitives through the points) or a segment style (one circle or textured strip per
// segment), replay the recorded path mirrored, and switch the options off again.
#include "render/laser.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <vector>

#include "platform/clock.h"
#include "render/colour.h"
#include "render/quad_batch.h"
#include "render/recursion.h"
#include "render/screen_size.h"
#include "render/textures.h"
#include "settings/choices.h"
#include "settings/scene_settings.h"

namespace {

// How each style draws, by its kind (settings/choices.h): the point styles hand their points to an OpenGL
// primitive; the shape styles draw the unit circle's list along every segment; the strip styles stretch a
// strip picture over every segment under a texture environment. "blue comet", "halley comet" and "gold stick"
// show their pictures' own colours (decal) or, in their "Ex" variants, tinted by the point colour; "plastic
// tube" blends the point colour with a grey. The rows name their style, so their order is free.
struct StyleDraw {
    LaserStyle style;
    GLenum primitive;           // point styles: the primitive through the points
    GLenum textureEnvironment;  // strip styles: how the picture meets the point colour
    int strip;                  // strip styles: the strip picture
};
constexpr int NoStrip = -1;
constexpr StyleDraw StyleDraws[] = {
    {LaserLineStrip, GL_LINE_STRIP, 0, NoStrip},
    {LaserLines, GL_LINES, 0, NoStrip},
    {LaserTriangleStrip, GL_TRIANGLE_STRIP, 0, NoStrip},
    {LaserTriangleFan, GL_TRIANGLE_FAN, 0, NoStrip},  // its hub at the origin
    {LaserTriangles, GL_TRIANGLES, 0, NoStrip},
    {LaserEllipse, 0, 0, NoStrip},
    {LaserCircleChain, 0, 0, NoStrip},
    {LaserBlueComet, 0, GL_DECAL, StripBlueComet},
    {LaserBlueCometEx, 0, GL_MODULATE, StripBlueComet},
    {LaserHalleyComet, 0, GL_DECAL, StripHalleyComet},
    {LaserHalleyCometEx, 0, GL_MODULATE, StripHalleyComet},
    {LaserGoldStick, 0, GL_DECAL, StripGoldStick},
    {LaserGoldStickEx, 0, GL_MODULATE, StripGoldStick},
    {LaserPlasticTube, 0, GL_BLEND, StripPlasticTube},
};

// The rows by style; "NULL", which is never drawn, keeps an empty one.
constexpr std::array<StyleDraw, LaserStyleCount> StyleDrawsByStyle = [] {
    std::array<StyleDraw, LaserStyleCount> byStyle{};
    for (const StyleDraw& row : StyleDraws)
        byStyle[row.style] = row;
    return byStyle;
}();

// Every style that draws has one row, and each row holds what its kind needs and nothing else.
constexpr bool EveryStyleDrawsAsItsKindSays() {
    std::array<int, LaserStyleCount> rows{};
    for (const StyleDraw& row : StyleDraws) {
        ++rows[row.style];
        const LaserKind kind = LaserKindOf(row.style);
        if ((row.primitive != 0) != (kind == LaserKind::Points)) return false;
        if ((row.strip != NoStrip) != (kind == LaserKind::Strip)) return false;
        if ((row.textureEnvironment != 0) != (kind == LaserKind::Strip)) return false;
        if (row.strip >= StripCount) return false;
    }
    for (uint32_t style = 0; style < LaserStyleCount; ++style)
        if (rows[style] != (DrawsLaser(style) ? 1 : 0)) return false;
    return true;
}
static_assert(EveryStyleDrawsAsItsKindSays(), "one row per Laser style that draws, as its kind says");

// The row of the look's style; callers have checked that it draws (DrawsLaser).
const StyleDraw& StyleDrawOf(const SceneLook& look) {
    return StyleDrawsByStyle[look.RenderingMode < LaserStyleCount ? look.RenderingMode : LaserNull];
}

// By StippleMode: no stipple, then the three patterns the Laser page offers. Other stored values draw
// solid lines, as "NULL" does.
constexpr GLushort StipplePatterns[] = {0xFFFF, 0xAAAA, 0x000F, 0x0C0F};
static_assert(std::size(StipplePatterns) == StippleModeCount, "one pattern per stipple choice");

// By SymmetryMode, the mirrored copies replayed after the path: none, one across the Y axis, or three
// (through the origin, across the X axis, across the Y axis). Other stored values make no copy.
struct Mirror {
    double x;
    double y;
};
constexpr Mirror LeftRightMirrors[] = {{-1, 1}};
constexpr Mirror FourWayMirrors[] = {{-1, -1}, {1, -1}, {-1, 1}};
struct MirrorSet {
    const Mirror* mirrors;
    size_t count;
};
constexpr MirrorSet SymmetryMirrors[] = {
    {nullptr, 0},
    {LeftRightMirrors, std::size(LeftRightMirrors)},
    {FourWayMirrors, std::size(FourWayMirrors)},
};
static_assert(std::size(SymmetryMirrors) == SymmetryModeCount, "one mirror set per symmetry choice");

// The mirrored copies of a stored SymmetryMode; none for a value that names no symmetry.
const MirrorSet& MirrorsOf(int32_t symmetryMode) {
    if (symmetryMode < SymmetryNull || symmetryMode >= SymmetryModeCount)
        return SymmetryMirrors[SymmetryNull];
    return SymmetryMirrors[symmetryMode];
}

// The mirror factors of a SymmetryMode's copies, for the sizes of the shapes on screen.
std::vector<std::array<double, 2>> MirrorFactors(int32_t symmetryMode) {
    const MirrorSet& set = MirrorsOf(symmetryMode);
    std::vector<std::array<double, 2>> factors;
    for (size_t i = 0; i < set.count; ++i)
        factors.push_back({set.mirrors[i].x, set.mirrors[i].y});
    return factors;
}

// The Laser's time t and the factor m that gives back the undivided time for the colours: with Doubled
// the path moves at half speed while its colours keep their pace.
struct LaserTime {
    double t;
    double m;
};

// The widest the Laser draws, whatever LineWidth asks for: lines of at most this many pixels, strips at most
// this many times their own height. Many OpenGL drivers draw smoothed lines no wider anyway; much wider
// lines and strips cover the whole screen many times in every frame and turn the scene into a slideshow.
constexpr float MaxDrawnWidth = 10;

float DrawnWidth(const SceneLook& look) {
    return std::min(look.LineWidth, MaxDrawnWidth);
}

LaserTime LaserClock(const SceneLook& look) {
    const double k = look.SpeedLaser * 0.005 / 1000;
    const double t = ClockMs() * k + TimePhase;
    if (look.Doubled) return {t / 2, 2.0};
    return {t, 1.0};
}

void SwitchOptionsOn(const SceneLook& look) {
    if (look.DepthTest) glEnable(GL_DEPTH_TEST);
    if (look.Stencil) {
        // Only alpha and the stencil are written until the clean-up: the Laser becomes the Sprinkle's window.
        glEnable(GL_STENCIL_TEST);
        glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_TRUE);
    }
    if (look.StippleMode > StippleNull && look.StippleMode < StippleModeCount) {
        glEnable(GL_LINE_STIPPLE);
        glLineStipple(ScaledStippleRepeat(look.StippleSize, ScreenPixelScale),
                      StipplePatterns[look.StippleMode]);
    } else {
        glDisable(GL_LINE_STIPPLE);
    }
    if (look.Antialias)
        glEnable(GL_LINE_SMOOTH);
    else
        glDisable(GL_LINE_SMOOTH);
    if (LaserKindOf(look.RenderingMode) != LaserKind::Strip) {
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);  // triangles show as outlines
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        // Dark texels let the background through, bright ones dominate.
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glBlendFunc(GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR);
        glEnable(GL_TEXTURE_2D);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE,
                  static_cast<GLint>(StyleDrawOf(look).textureEnvironment));
        // The "plastic tube" blend colour: a grey of AlphaLaser / 4.
        const auto grey = static_cast<GLfloat>(look.AlphaLaser * 0.25);
        const GLfloat blendColour[4] = {grey, grey, grey, 0.0f};
        glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, blendColour);
    }
    glEnable(GL_BLEND);
    glLineWidth(ScaledLineWidth(DrawnWidth(look), ScreenPixelScale));
}

// Line stipple and smoothing, the polygon mode, the blend function, the line width and the texture
// environment stay as the options set them; alpha writes stay off for the rest of the frame.
void SwitchOptionsOff() {
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
}

Colour PointColour(const SceneLook& look, const CurveState& curve, const LaserTime& time) {
    return ColourAt(look, curve.radius, curve.angle, time.m * time.t, 13);
}

void SetColour(const SceneLook& look, const Colour& c) {
    glColor4d(c.red, c.green, c.blue, look.AlphaLaser);
}

double DepthAt(const LaserHandOff& tilt, double radius) {
    return radius * tilt.depthSlope - tilt.depthOffset;
}

// One vertex per point (preceded by its twin mirrored across the X axis with Doubled), the fan with its hub
// at the origin first. The hub has no colour of its own.
void TracePointStyle(const SceneLook& look, CurveState& curve, const LaserTime& time,
                     const LaserHandOff& tilt) {
    glBegin(StyleDrawOf(look).primitive);
    if (look.RenderingMode == LaserTriangleFan) glVertex2i(0, 0);
    for (int drawn = 0; PathGoesOn(curve, drawn); ++drawn) {
        SetColour(look, PointColour(look, curve, time));
        const double r = curve.radius, a = curve.angle, z = DepthAt(tilt, r);
        if (look.Doubled) glVertex3d(r * std::cos(-a), r * std::sin(-a), z);
        glVertex3d(r * std::cos(a), r * std::sin(a), z);
        StepCurve(curve, time.t, look.FuncRadius, look.FuncAngle);
    }
    glEnd();
}

// One segment: from the previous point p to the new point c, at depth z, the change (dx, dy) between them.
struct Segment {
    double px, py, z, cx, cy, dx, dy;
};

// The shape of one segment, standing on p and turned along (dx, dy). The ellipse takes its extents from the
// change in y (along) and in x (across) towards c, the circle chain a size from dx + dy; both are a unit
// circle's list under one matrix each, of as many segments as the shape's size on screen needs in the nearest
// of the copies the frame draws. A strip reaches along the segment's length and LineWidth times its own
// height across; it joins the batch that the path draws at its end.
void DrawSegmentShape(const SceneLook& look, double t, const Segment& s, const Colour& colour,
                      const ScreenMapping& screen, QuadBatch& strips) {
    const double radians = std::atan2(s.dy, s.dx);
    const double degrees = radians * 180 / 3.141592653589793;
    if (LaserKindOf(look.RenderingMode) == LaserKind::Strip) {
        const int strip = StyleDrawOf(look).strip;
        const double m = StripHalfHeights[strip];
        const double length = std::sqrt(s.dx * s.dx + s.dy * s.dy);
        strips.Add(StripTextures[strip], {s.px, s.py, s.z, degrees, length, DrawnWidth(look)}, 0, -m, 1, m,
                   colour, look.AlphaLaser);
        return;
    }
    double sx = 0, sy = 0;
    if (look.RenderingMode == LaserEllipse) {
        sx = (s.cy - s.py) / 5;
        sy = (s.cx - s.px) / 3.5;
    } else {
        sx = sy = std::fabs(s.dx + s.dy) / (std::sin(50 * t) * (std::cos(3 * t) * 3) + 6);  // divisor 3 to 9
    }
    // The outline's half axes in the plane, as the rotation and the scaling below turn and stretch them, and
    // the segments they need on screen in the nearest copy.
    const double cosine = std::cos(radians), sine = std::sin(radians);
    const double pixels =
        PixelRadius(screen, {s.px, s.py, s.z}, {sx * cosine, sx * sine}, {-sy * sine, sy * cosine});
    glPushMatrix();
    glTranslated(s.px, s.py, s.z);
    glRotated(degrees, 0, 0, 1);
    glScaled(sx, sy, 1);
    glCallList(CircleListFor(pixels));
    glPopMatrix();
}

// One shape per point below SceneDepth, each reaching from the point to the next. With Doubled the shape
// is drawn a second time towards the mirrored next point, and the next segment starts from there. The
// strips of the textured styles go to OpenGL together once the path is done, in the same order.
void TraceSegmentStyle(const SceneLook& look, CurveState& curve, const LaserTime& time,
                       const LaserHandOff& tilt) {
    static QuadBatch strips;  // keeps its storage from frame to frame
    strips.Clear();
    const bool shapes = LaserKindOf(look.RenderingMode) == LaserKind::Shapes;
    const ScreenMapping screen =
        shapes ? CurrentScreenMapping(MirrorFactors(look.SymmetryMode)) : ScreenMapping{};
    const double t = time.t;
    double px = curve.radius * std::cos(curve.angle);
    double py = curve.radius * std::sin(curve.angle);
    Colour colour{};
    for (int drawn = 0; PathGoesOn(curve, drawn); ++drawn) {
        colour = PointColour(look, curve, time);
        if (shapes) SetColour(look, colour);
        StepCurve(curve, t, look.FuncRadius, look.FuncAngle);
        const double r = curve.radius, a = curve.angle, z = DepthAt(tilt, r);
        double cx = r * std::cos(a), cy = r * std::sin(a);
        const double dx = cx - px, dy = cy - py;
        DrawSegmentShape(look, t, {px, py, z, cx, cy, dx, dy}, colour, screen, strips);
        if (look.Doubled) {
            cx = r * std::cos(-a);
            cy = r * std::sin(-a);
            DrawSegmentShape(look, t, {px, py, z, cx, cy, dx, dy}, colour, screen, strips);
        }
        px = cx;
        py = cy;
    }
    if (strips.textures.empty()) return;
    DrawQuadBatch(strips);
    SetColour(look, colour);  // the current colour is the last point's, as with the shapes drawn one by one
}

void ReplaySymmetryCopies(int32_t symmetryMode) {
    const MirrorSet& set = MirrorsOf(symmetryMode);
    for (size_t i = 0; i < set.count; ++i) {
        glPushMatrix();
        glScaled(set.mirrors[i].x, set.mirrors[i].y, 1);
        glCallList(LaserList);
        glPopMatrix();
    }
}

}  // namespace

double ScreenPixelScale = 1.0;

float ScaledLineWidth(float width, double scale) {
    return std::max(static_cast<float>(width * scale), std::min(width, 1.0f));
}

GLint ScaledStippleRepeat(int32_t size, double scale) {
    return static_cast<GLint>(std::clamp(std::llround(size * scale), 1LL, 256LL));
}

LaserHandOff DrawLaser(const SceneLook& look) {
    if (!DrawsLaser(look.RenderingMode)) return {};
    SwitchOptionsOn(look);

    const LaserTime time = LaserClock(look);
    const double t = time.t;
    CurveState curve = LaserCurveStart(t);
    LaserHandOff handOff{};
    handOff.angleStep = curve.angleStep;
    handOff.depthSlope = std::cos(look.DepthFreq * t) * (std::sin(2 * t) * look.DepthAmpl);
    handOff.depthOffset = SceneDepth * handOff.depthSlope / 2;

    glNewList(LaserList, GL_COMPILE_AND_EXECUTE);
    if (LaserKindOf(look.RenderingMode) == LaserKind::Points)
        TracePointStyle(look, curve, time, handOff);
    else
        TraceSegmentStyle(look, curve, time, handOff);
    glEndList();

    ReplaySymmetryCopies(look.SymmetryMode);
    SwitchOptionsOff();
    return handOff;
}
