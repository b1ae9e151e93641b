// Test helper: an offscreen context prepared the way the program prepares its window (the scene's textures
// from small test pictures, its display lists, the fixed state, the projection), and ways to look at what
// a frame drew.
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settings/scene_settings.h"
#include "support/gl_offscreen.h"

using Rgb8 = std::array<uint8_t, 3>;

// Writes a 24-bit bottom-up BMP; pixel(x, y) gives the colour with y counted from the bottom row.
bool WriteTestBitmap(const std::string& path, int width, int height,
                     const std::function<Rgb8(int, int)>& pixel);

// A fresh folder holding the eight pictures at small sizes: "star" pure green, "sun" red in its lower half
// and green in its upper half, every other picture white. Files named in leaveOut are not written.
std::string MakeTestBitmapFolder(const std::vector<int>& leaveOut = {});

// The window's context after LoadTextures and BuildDisplayLists from the test pictures, the fixed state and
// ResizeScene(width, height).
class SceneGL {
public:
    SceneGL(int width, int height);
    bool ok() const { return gl_.ok(); }
    int width() const { return width_; }
    int height() const { return height_; }

    // The colour buffer, bottom row first, three bytes per pixel.
    std::vector<uint8_t> ReadColour() const;

private:
    int width_;
    int height_;
    OffscreenGL gl_;
};

// A square orthographic view of ±extent in x and y and ±FlatViewDepth in z, with the identity modelview, so
// that feedback coordinates map back to scene units: window x = (x + extent) × size / (2 extent).
constexpr double FlatViewDepth = 10000;
void UseFlatView(double extent, int size);

// The scene z of a feedback vertex seen through the flat view.
inline double FlatViewZ(const FeedbackVertex& v) {
    return (1 - 2.0 * v.z) * FlatViewDepth;
}

// The most frequent colour among the pixels that differ from background, and how many pixels have it:
// where a picture is drawn once over a plain background, the colour its blending gives.
struct CommonColour {
    Rgb8 colour;
    size_t count;
};
CommonColour MostCommonColour(const std::vector<uint8_t>& rgb, Rgb8 background);

// Colour settings in which every term of the colour function shows: constants 0.5, amplitudes 0.4, weights
// 0.0001 of the radius, 0.01 of the angle and 1 of the time.
void SetTestColours(SettingsRecord& settings);

// The colour of a point at radius r and angle a, at time value time, under those settings, worked out term
// by term apart from the renderers (blueRadius: the blue channel's radius factor).
std::array<double, 3> TestColourAt(double r, double a, double time, double blueRadius);

// The state every renderer must leave behind.
struct RendererExit {
    bool depthTest, stencilTest, blend, texture2D;
    GLint modelviewDepth;
};
RendererExit ReadRendererExit();
