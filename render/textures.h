// Everything the renderers draw from pictures, prepared once per OpenGL context: nine textures filled from
// the program's bitmaps, display lists of the unit circle and the four textured strips of the Laser, and the
// (empty) name of the list the Laser records every frame. The Sprinkle draws its squares itself, in arrays.
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstdint>

constexpr int SpriteCount = 5;  // "sun", "star", "fancy star", "blue planet", "milky way"
constexpr int StripCount = 4;   // "blue comet", "halley comet", "gold stick", "plastic tube"
constexpr int ShapeCount = 1 + StripCount;

extern std::array<GLuint, SpriteCount> SpriteTextures;
extern std::array<GLuint, StripCount> StripTextures;
extern GLuint LaserList;
extern std::array<GLuint, ShapeCount> ShapeLists;  // 0: unit circle outline; 1-4: one textured strip each

// Each sprite picture lies on a square of side 2 × its half side, centred on the origin, with the picture's
// corner (0, 0) at (−h, −h); the Sprinkle places, spins and scales it with the radius.
constexpr std::array<GLfloat, SpriteCount> SpriteHalfSides = {0.5f, 0.4f, 0.25f, 0.5f, 0.2f};

// Creates the nine textures and fills them from the bitmaps. A bitmap that cannot be fetched is reported
// ("Load image Failed.") and its texture stays without an image; the others still load.
void LoadTextures();

// Compiles the scene's display lists; the textures must be loaded first, since the lists bind them.
void BuildDisplayLists();
