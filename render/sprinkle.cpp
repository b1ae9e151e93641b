// The Sprinkle: the blend table, the sprite arrays, then one frame: switch on, trace the path placing a pair
// of sprites at every point, draw them, restore.
#include "render/sprinkle.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "platform/clock.h"
#include "platform/frame_counter.h"
#include "render/colour.h"
#include "render/laser.h"
#include "render/recursion.h"
#include "render/textures.h"

namespace {

// By BlendingMode: "lightening" adds (black adds nothing), "greying" inverts towards grey, "darkening"
// saturates and darkens. Other stored values keep the blend function as the Laser left it. Only adding gives
// the same picture whatever order the sprites come in.
struct BlendFactors {
    GLenum source;
    GLenum destination;
    bool anyOrder;
};
constexpr std::array<BlendFactors, 3> BlendingModes = {{
    {GL_SRC_ALPHA, GL_ONE, true},
    {GL_ONE_MINUS_DST_COLOR, GL_ONE_MINUS_SRC_COLOR, false},
    {GL_SRC_ALPHA_SATURATE, GL_ONE_MINUS_SRC_COLOR, false},
}};

bool AnyOrder(int32_t blendingMode) {
    return blendingMode >= 0 && static_cast<size_t>(blendingMode) < BlendingModes.size() &&
           BlendingModes[blendingMode].anyOrder;
}

// The sprite picture of a route: 1-5 a picture, 0 none. Other stored values draw no sprite either.
int RouteSprite(int32_t route) {
    if (route < 1 || route > SpriteCount) return -1;
    return route - 1;
}

// One corner of a sprite's square, as the arrays hand it to OpenGL.
struct SpriteCorner {
    GLdouble x, y, z;
    GLdouble red, green, blue, alpha;
    GLfloat s, t;
};

// Sprites in the order they are drawn: the picture of each and its four corners.
struct SpriteRun {
    std::vector<int> pictures;
    std::vector<SpriteCorner> corners;
    void Clear() {
        pictures.clear();
        corners.clear();
    }
};

// Adds the square of sprite picture `sprite` centred at (x, y, z), spun by spin degrees about Z and scaled by
// scale, its corners counterclockwise from (−h, −h), where the picture's corner (0, 0) lies.
void AddSprite(SpriteRun& run, int sprite, double x, double y, double z, double spin, double scale,
               const Colour& c, double alpha) {
    // The sprite lies exactly where a translation, a rotation and a scaling of the modelview matrix would put
    // it: those calls take their numbers in single precision, and so the same rounding is made here.
    const auto single = [](double value) { return static_cast<double>(static_cast<float>(value)); };
    const auto turn = static_cast<float>(static_cast<float>(spin) * 3.141592653589793 / 180.0);
    const double cosine = std::cos(turn), sine = std::sin(turn);
    const double h = SpriteHalfSides[sprite] * single(scale);
    constexpr GLfloat Corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    run.pictures.push_back(sprite);
    for (const auto& [s, t] : Corners) {
        const double u = s == 0 ? -h : h, v = t == 0 ? -h : h;
        run.corners.push_back({single(x) + (u * cosine - v * sine), single(y) + (u * sine + v * cosine),
                               single(z), c.red, c.green, c.blue, alpha, s, t});
    }
}

// Draws the run in its order, one array draw for each stretch of sprites with the same picture.
void DrawRun(const SpriteRun& run) {
    if (run.pictures.empty()) return;
    constexpr GLsizei Stride = sizeof(SpriteCorner);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_DOUBLE, Stride, &run.corners[0].x);
    glColorPointer(4, GL_DOUBLE, Stride, &run.corners[0].red);
    glTexCoordPointer(2, GL_FLOAT, Stride, &run.corners[0].s);
    const size_t count = run.pictures.size();
    for (size_t begin = 0, end = 0; begin < count; begin = end) {
        while (end < count && run.pictures[end] == run.pictures[begin])
            ++end;
        glBindTexture(GL_TEXTURE_2D, SpriteTextures[run.pictures[begin]]);
        glDrawArrays(GL_QUADS, static_cast<GLint>(4 * begin), static_cast<GLsizei>(4 * (end - begin)));
    }
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}

void SwitchOn(const SettingsRecord& settings) {
    if (settings.DepthTest) {
        glEnable(GL_DEPTH_TEST);
        glDepthMask(GL_FALSE);  // tested against the Laser, but sprites never hide each other
    }
    if (settings.Stencil) {
        glEnable(GL_STENCIL_TEST);
        glStencilMask(0);  // seen only where the Laser marked the stencil, which stays as it is
    }
    glEnable(GL_BLEND);
    if (settings.BlendingMode >= 0 && static_cast<size_t>(settings.BlendingMode) < BlendingModes.size()) {
        const BlendFactors& blend = BlendingModes[settings.BlendingMode];
        glBlendFunc(blend.source, blend.destination);
    }
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);  // picture × colour; alpha is the sprite's
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

void Restore() {
    glDepthMask(GL_TRUE);
    glStencilMask(1);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
}

}  // namespace

double SpriteAlpha(const SettingsRecord& settings) {
    if (settings.Stack && DrawsLaser(settings.RenderingMode) && !settings.Stencil) {
        if (FrameRate == 0.0f) return 1.0;
        return std::sqrt(0.01 * (1 - std::cos(LaserAngleStep))) * (settings.AlphaSprinkle / FrameRate);
    }
    return settings.AlphaSprinkle / 255.0;  // above 1 for values over 255; OpenGL clamps it
}

void DrawSprinkle() {
    const SettingsRecord& settings = SceneSettings;
    if (settings.OffSprinkle != 0) return;
    SwitchOn(settings);
    const double alpha = SpriteAlpha(settings);

    const double t = ClockMs() * (settings.SpeedTexture * 0.005 / 1000) + TimePhase;
    CurveState curve = SprinkleCurveStart(t, settings.Density);
    const int spriteA = RouteSprite(settings.RouteA);
    const int spriteB = RouteSprite(settings.RouteB);
    // Both sprites of a pair share the colour of their point and lie mirrored across the X axis, spun in
    // opposite senses. At Density 100 "Power" keeps the radius where it starts: the pass draws a ring of
    // RingPoints pairs at the start radius or, where the angle function draws a ray, the start pair and one
    // pair on the ray. The sprites keep their order where both routes show the same picture (one draw) or
    // where the order matters; where blending adds, it does not, and each picture's sprites go in one draw.
    // The runs keep their storage from frame to frame.
    static SpriteRun first, second;
    first.Clear();
    second.Clear();
    SpriteRun& runB = spriteA != spriteB && AnyOrder(settings.BlendingMode) ? second : first;
    Colour c{};
    int passes = 0;
    for (; PathGoesOn(curve, passes); ++passes) {
        const double r = curve.radius, a = curve.angle;
        const double scale = 1.8 * std::pow(r, 0.7);
        const double z = r * DepthSlope - DepthOffset;
        c = ColourAt(settings, r, a, t, 90);
        if (spriteA >= 0)
            AddSprite(first, spriteA, r * std::cos(a), r * std::sin(a), z, -75 * r, scale, c, alpha);
        if (spriteB >= 0)
            AddSprite(runB, spriteB, r * std::cos(-a), r * std::sin(-a), z, 75 * r, scale, c, alpha);
        StepCurve(curve, t, settings.FuncRadius, settings.FuncAngle);
    }
    DrawRun(first);
    DrawRun(second);
    // The current colour is the last pair's, as drawing the sprites one by one leaves it: the Laser's fan
    // hub, which has no colour of its own, takes it up in the next frame.
    if (passes > 0) glColor4d(c.red, c.green, c.blue, alpha);
    Restore();
}
