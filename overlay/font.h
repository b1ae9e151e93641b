// The overlay's font: bitmap glyphs of a bold 18-pixel Windows font as display lists.
#pragma once

#include <windows.h>

// Creates the font, selects it into dc, the device context of the window the overlay is drawn in (where it
// stays for the window's life), and compiles glyph lists for character codes 0-255 at FontListBase with the
// context current there. Tells the user when the glyphs cannot be made; text is then invisible.
void BuildFont(HDC dc);
