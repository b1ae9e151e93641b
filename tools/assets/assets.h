// The program's own pictures and sounds, drawn and synthesised deterministically.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "file_formats.h"

std::vector<uint8_t> DrawIcon(std::array<Rgb, 16>& palette);
