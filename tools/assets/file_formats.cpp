#include "file_formats.h"

#include <cstdio>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// BITMAPINFOHEADER
void PutBitmapHeader(std::vector<uint8_t>& out, int32_t width, int32_t height, uint16_t bits,
                     uint32_t imageSize) {
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, bits);
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && written;
}

}  // namespace

bool WriteIcon16(const std::string& path, const std::array<Rgb, 16>& palette,
                 const std::vector<uint8_t>& pixels) {
    constexpr int Side = 32;
    if (pixels.size() != Side * Side) return false;
    constexpr uint32_t ColourBytes = Side * Side / 2;
    constexpr uint32_t MaskBytes = Side * 4;  // one bit per pixel, rows of 32 bits
    constexpr uint32_t ImageBytes = 40 + 16 * 4 + ColourBytes + MaskBytes;

    std::vector<uint8_t> out;
    Put16(out, 0);  // ICONDIR
    Put16(out, 1);
    Put16(out, 1);
    out.push_back(Side);  // ICONDIRENTRY
    out.push_back(Side);
    out.push_back(16);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, ImageBytes);
    Put32(out, 6 + 16);

    PutBitmapHeader(out, Side, 2 * Side, 4, ColourBytes + MaskBytes);  // colour and mask rows together
    for (const Rgb& c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int row = Side - 1; row >= 0; --row)
        for (int x = 0; x < Side; x += 2)
            out.push_back(
                static_cast<uint8_t>((pixels[row * Side + x] & 15) << 4 | (pixels[row * Side + x + 1] & 15)));
    out.insert(out.end(), MaskBytes, 0);  // fully opaque
    return WriteFile(path, out);
}
