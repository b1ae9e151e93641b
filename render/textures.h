// Everything the renderers draw from pictures, prepared once per OpenGL context: nine textures filled from
// the program's bitmaps, the display lists of the Laser's unit circle in its segment counts, and the (empty)
// name of the list the Laser records every frame; and the sizes of the sprites' squares and the Laser's
// strips, which the renderers draw themselves, in arrays (render/quad_batch.h).
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstdint>

#include "settings/choices.h"

// One sprite picture per route but "NULL", in route order: sprite route − 1 ("sun", "star", "fancy star",
// "blue planet", "milky way").
constexpr int SpriteCount = RouteCount - 1;

// The strip pictures of the textured Laser styles; the style table in render/laser.cpp names one per style.
enum StripPicture : int { StripBlueComet, StripHalleyComet, StripGoldStick, StripPlasticTube, StripCount };

extern std::array<GLuint, SpriteCount> SpriteTextures;
extern std::array<GLuint, StripCount> StripTextures;
extern GLuint LaserList;
// The unit circle's outline, for the "ellipse" and "circle chain" styles, in several segment counts: a circle
// that shows only a few pixels across needs few segments to look round. CircleLists[i] has
// CircleSegmentCounts[i] segments; the last, 144, serves every circle too large for the others.
constexpr std::array CircleSegmentCounts = {8, 12, 16, 24, 32, 48, 72, 96, 144};
extern std::array<GLuint, CircleSegmentCounts.size()> CircleLists;

// The fewest segments whose outline strays at most a quarter of a pixel from a circle of this radius in
// pixels: a chord of a circle of radius R over an angle of 2π / N lies R (1 − cos(π / N)) inside it. The
// largest count for any larger radius.
int CircleSegmentsFor(double pixelRadius);

// The outline list of CircleSegmentsFor(pixelRadius) segments.
GLuint CircleListFor(double pixelRadius);

// Each sprite picture lies on a square of side 2 × its half side, centred on the origin, with the picture's
// corner (0, 0) at (−h, −h); the Sprinkle places, spins and scales it with the radius.
constexpr std::array SpriteHalfSides = {0.5f, 0.4f, 0.25f, 0.5f, 0.2f};
static_assert(SpriteHalfSides.size() == SpriteCount, "one half side per sprite picture");

// Each strip runs one unit along +X from the origin and its half height to either side, in whole units (the
// pictures' strips are 25, 35, 12 and 24 units high, halved in whole units, so an odd height loses one),
// with the picture's corner (0, 0) at (0, −m); the Laser stretches it over a segment and scales its height
// by LineWidth.
constexpr std::array StripHalfHeights = {12, 17, 6, 12};
static_assert(StripHalfHeights.size() == StripCount, "one half height per strip picture");

// Creates the nine textures and fills them from the bitmaps. A bitmap that cannot be fetched is reported
// ("Load image Failed.") and its texture stays without an image; the others still load.
void LoadTextures();

// Names LaserList and compiles CircleLists.
void BuildDisplayLists();
