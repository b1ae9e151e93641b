// The overlay's font: bitmap glyphs of a bold 18-pixel Windows font as display lists.
#pragma once

#include <windows.h>

// Compiles glyph lists for character codes 0-255 at FontListBase from a bold 18-pixel font, selected into dc
// (the device context of the window the overlay is drawn in, whose OpenGL context is current) while the
// lists are made; afterwards dc has its own font back and the font object is deleted. Tells the user when
// the glyphs cannot be made; text is then invisible.
void BuildFont(HDC dc);
