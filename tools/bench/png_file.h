// Writes an RGB picture as a PNG file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// rgb holds height rows of width × 3 bytes, bottom row first, as glReadPixels returns them.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);
