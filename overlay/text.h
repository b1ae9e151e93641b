// Text over the scene, drawn with the bitmap glyphs of a Windows font compiled into display lists.
#pragma once

#include <GL/gl.h>

// Glyph lists for character codes 0-255 live at these names (the font set-up creates them; where it could
// not, calling them draws nothing).
constexpr GLuint FontListBase = 1000;

// Formats the text (printf rules, at most 255 characters; longer text is cut) and draws it at the current
// raster position in the current raster colour. A null format draws nothing.
#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
void PrintText(const char* format, ...);

// A solid rectangle of the current raster colour, width × height pixels (at most 512 × 22) from the
// raster position up and to the right, as a backing for text; the raster position stays where it is.
void DrawTextBacking(int width, int height);
