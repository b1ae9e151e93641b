// The program's own pictures and sounds, drawn and synthesised deterministically.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "file_formats.h"
#include "paint.h"

std::vector<uint8_t> DrawIcon(std::array<Rgb, 16>& palette);

// Sprinkle sprites, on black: each fades to black before its border, since the square they are drawn on
// must not show.
Image DrawSun(int width, int height);
Image DrawStar(int width, int height);
Image DrawFancyStar(int width, int height);
Image DrawBluePlanet(int width, int height);
Image DrawMilkyWay(int width, int height);

// Laser strips: pictures laid along a path segment, the segment running left to right.
Image DrawBlueComet(int width, int height);
Image DrawHalleyComet(int width, int height);
Image DrawGoldStick(int width, int height);

// The dialog's sounds: count samples at 22050 per second, full scale ±1.
std::vector<double> SoundTab(size_t count);
std::vector<double> SoundDone(size_t count);
std::vector<double> SoundSave(size_t count);
std::vector<double> SoundDefault(size_t count);
std::vector<double> SoundClear(size_t count);

// Rounds samples to 16 bits.
std::vector<int16_t> ToPcm16(const std::vector<double>& samples);
