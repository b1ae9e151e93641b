// Writers for the file formats of the program's resources: icons, device-independent bitmaps and WAVE
// sounds, byte for byte as the Windows resource compiler takes them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    uint8_t r, g, b;
};

// A 32 × 32 icon of 16 colours: the palette and one palette index per pixel, top row first.
bool WriteIcon16(const std::string& path, const std::array<Rgb, 16>& palette,
                 const std::vector<uint8_t>& pixels);
