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

// An uncompressed 24-bit bitmap: file header, 40-byte info header, rows bottom first, blue-green-red, no
// row padding (so width × 3 must be a multiple of 4). pixels is top row first.
bool WriteBitmap24(const std::string& path, int width, int height, const std::vector<Rgb>& pixels);

// A RIFF WAVE file of 16-bit PCM samples, one channel, 22050 samples per second.
bool WriteWave16(const std::string& path, const std::vector<int16_t>& samples);
