// The Sprinkle: the blend table, then one frame: switch on, trace the path placing a pair of sprites at
// every point, draw them, restore.
#include "render/sprinkle.h"

#include <GL/gl.h>

#include <cmath>
#include <iterator>

#include "platform/clock.h"
#include "platform/frame_counter.h"
#include "render/colour.h"
#include "render/laser.h"
#include "render/quad_batch.h"
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
constexpr BlendFactors BlendFactorsByMode[] = {
    {GL_SRC_ALPHA, GL_ONE, true},
    {GL_ONE_MINUS_DST_COLOR, GL_ONE_MINUS_SRC_COLOR, false},
    {GL_SRC_ALPHA_SATURATE, GL_ONE_MINUS_SRC_COLOR, false},
};
static_assert(std::size(BlendFactorsByMode) == BlendingModeCount, "one blend per blending choice");

// The blend of a stored BlendingMode; null for a value that names none.
const BlendFactors* BlendOf(int32_t blendingMode) {
    if (blendingMode < 0 || blendingMode >= BlendingModeCount) return nullptr;
    return &BlendFactorsByMode[blendingMode];
}

bool AnyOrder(int32_t blendingMode) {
    const BlendFactors* blend = BlendOf(blendingMode);
    return blend != nullptr && blend->anyOrder;
}

// The sprite picture of a route, or -1 for "NULL" and for stored values that name no picture.
int RouteSprite(int32_t route) {
    if (route <= RouteNull || route >= RouteCount) return -1;
    return route - 1;
}

// The square of sprite picture `sprite`, centred on the placement's point, spun and scaled by it.
void AddSprite(QuadBatch& batch, int sprite, const QuadPlacement& place, const Colour& c, double alpha) {
    const double h = SpriteHalfSides[sprite];
    batch.Add(SpriteTextures[sprite], place, -h, -h, h, h, c, alpha);
}

void SwitchOn(const SceneLook& look) {
    if (look.DepthTest) {
        glEnable(GL_DEPTH_TEST);
        glDepthMask(GL_FALSE);  // tested against the Laser, but sprites never hide each other
    }
    if (look.Stencil) {
        glEnable(GL_STENCIL_TEST);
        glStencilMask(0);  // seen only where the Laser marked the stencil, which stays as it is
    }
    glEnable(GL_BLEND);
    if (const BlendFactors* blend = BlendOf(look.BlendingMode))
        glBlendFunc(blend->source, blend->destination);
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

double SpriteAlpha(const SceneLook& look, double laserAngleStep) {
    if (look.Stack && DrawsLaser(look.RenderingMode) && !look.Stencil) {
        if (FrameRate == 0.0f) return 1.0;
        return std::sqrt(0.01 * (1 - std::cos(laserAngleStep))) * (look.AlphaSprinkle / FrameRate);
    }
    return look.AlphaSprinkle / 255.0;  // above 1 for values over 255; OpenGL clamps it
}

void DrawSprinkle(const SceneLook& look, const LaserHandOff& laser) {
    SwitchOn(look);
    const double alpha = SpriteAlpha(look, laser.angleStep);

    const double t = ClockMs() * (look.SpeedTexture * 0.005 / 1000) + TimePhase;
    CurveState curve = SprinkleCurveStart(t, look.Density);
    const int spriteA = RouteSprite(look.RouteA);
    const int spriteB = RouteSprite(look.RouteB);
    // Both sprites of a pair share the colour of their point and lie mirrored across the X axis, spun in
    // opposite senses. At Density 100 "Power" keeps the radius where it starts: the pass draws a ring of
    // RingPoints pairs at the start radius or, where the angle function draws a ray, the start pair and one
    // pair on the ray. The sprites keep their order where both routes show the same picture (one draw) or
    // where the order matters; where blending adds, it does not, and each picture's sprites go in one draw.
    // The batches keep their storage from frame to frame.
    static QuadBatch first, second;
    first.Clear();
    second.Clear();
    QuadBatch& batchB = spriteA != spriteB && AnyOrder(look.BlendingMode) ? second : first;
    Colour c{};
    int passes = 0;
    for (; PathGoesOn(curve, passes); ++passes) {
        const double r = curve.radius, a = curve.angle;
        const double scale = 1.8 * std::pow(r, 0.7);
        const double z = r * laser.depthSlope - laser.depthOffset;
        c = ColourAt(look, r, a, t, 90);
        if (spriteA >= 0)
            AddSprite(first, spriteA, {r * std::cos(a), r * std::sin(a), z, -75 * r, scale, scale}, c, alpha);
        if (spriteB >= 0)
            AddSprite(batchB, spriteB, {r * std::cos(-a), r * std::sin(-a), z, 75 * r, scale, scale}, c,
                      alpha);
        StepCurve(curve, t, look.FuncRadius, look.FuncAngle);
    }
    DrawQuadBatch(first);
    DrawQuadBatch(second);
    // The current colour is the last pair's, as drawing the sprites one by one leaves it: the Laser's fan
    // hub, which has no colour of its own, takes it up in the next frame.
    if (passes > 0) glColor4d(c.red, c.green, c.blue, alpha);
    Restore();
}
