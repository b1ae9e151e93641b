// The overlay's font: bitmap glyphs of a bold 18-pixel Windows font as display lists.
#pragma once

// Creates the font, selects it into the render window's device context (where it stays for the window's
// life) and compiles glyph lists for character codes 0-255 at FontListBase. Tells the user when the glyphs
// cannot be made; text is then invisible.
void BuildFont();
