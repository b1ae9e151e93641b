// Everything the renderers draw from pictures, prepared once per OpenGL context: nine textures filled from
// the program's bitmaps, a display list per Sprinkle sprite, the unit circle and the four textured strips
// of the Laser, and the (empty) name of the list the Laser records every frame.
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
extern std::array<GLuint, SpriteCount> SpriteLists;  // one textured square per sprite picture
extern std::array<GLuint, ShapeCount> ShapeLists;    // 0: unit circle outline; 1-4: one textured strip each

// Creates the nine textures and fills them from the bitmaps. A bitmap that cannot be fetched is reported
// ("Load image Failed.") and its texture stays without an image; the others still load.
void LoadTextures();

// Compiles the scene's display lists; the textures must be loaded first, since the lists bind them.
void BuildDisplayLists();
