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

bool WriteBitmap24(const std::string& path, int width, int height, const std::vector<Rgb>& pixels) {
    if (width <= 0 || height <= 0 || width * 3 % 4 != 0 ||
        pixels.size() != static_cast<size_t>(width) * height)
        return false;
    const auto imageBytes = static_cast<uint32_t>(pixels.size() * 3);
    constexpr uint32_t HeaderBytes = 14 + 40;

    std::vector<uint8_t> out;
    out.push_back('B');  // BITMAPFILEHEADER
    out.push_back('M');
    Put32(out, HeaderBytes + imageBytes);
    Put32(out, 0);
    Put32(out, HeaderBytes);
    PutBitmapHeader(out, width, height, 24, imageBytes);
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < width; ++x) {
            const Rgb& c = pixels[static_cast<size_t>(row) * width + x];
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
    }
    return WriteFile(path, out);
}

bool WriteWave16(const std::string& path, const std::vector<int16_t>& samples) {
    constexpr uint32_t Rate = 22050;
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);

    std::vector<uint8_t> out;
    for (char c : {'R', 'I', 'F', 'F'})
        out.push_back(static_cast<uint8_t>(c));
    Put32(out, 36 + dataBytes);
    for (char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '})
        out.push_back(static_cast<uint8_t>(c));
    Put32(out, 16);        // PCMWAVEFORMAT
    Put16(out, 1);         // WAVE_FORMAT_PCM
    Put16(out, 1);         // channels
    Put32(out, Rate);      // samples per second
    Put32(out, Rate * 2);  // bytes per second
    Put16(out, 2);         // block align
    Put16(out, 16);        // bits per sample
    for (char c : {'d', 'a', 't', 'a'})
        out.push_back(static_cast<uint8_t>(c));
    Put32(out, dataBytes);
    for (int16_t s : samples)
        Put16(out, static_cast<uint16_t>(s));
    return WriteFile(path, out);
}
