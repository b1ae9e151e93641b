// The native build's bitmaps: BMP files named after the pictures, read from one folder. Only what the
// program's own pictures use is accepted: an uncompressed 24-bit bitmap with a 40-byte header, stored
// bottom row first.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/bitmap_source.h"
#include "resources/resource_ids.h"

namespace {

struct BitmapFile {
    int resourceId;
    const char* name;
};
constexpr BitmapFile BitmapFiles[] = {
    {IDB_FANCY_STAR, "fancy_star"},
    {IDB_MILKY_WAY, "milky_way"},
    {IDB_STAR, "star"},
    {IDB_SUN, "sun"},
    {IDB_BLUE_PLANET, "blue_planet"},
    {IDB_GOLD_STICK, "gold_stick"},
    {IDB_BLUE_COMET, "blue_comet"},
    {IDB_HALLEY_COMET, "halley_comet"},
};

std::string BitmapFolder = PLUMORA_BITMAP_FOLDER;

constexpr size_t FileHeaderSize = 14;
constexpr size_t InfoHeaderSize = 40;
// Larger pictures are not the program's own; the limit also keeps the size arithmetic far from overflow.
constexpr int32_t MaxSide = 8192;

uint32_t ReadLittle(const std::vector<unsigned char>& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[at + i];
    return value;
}

// Where the pixel rows start, or 0 when the bytes are not a bitmap of the accepted kind.
size_t PixelOffset(const std::vector<unsigned char>& bytes, int& width, int& height) {
    if (bytes.size() < FileHeaderSize + InfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') return 0;
    const uint32_t offset = ReadLittle(bytes, 10, 4);
    const uint32_t headerSize = ReadLittle(bytes, 14, 4);
    const auto w = static_cast<int32_t>(ReadLittle(bytes, 18, 4));
    const auto h = static_cast<int32_t>(ReadLittle(bytes, 22, 4));
    const uint32_t bitsPerPixel = ReadLittle(bytes, 28, 2);
    const uint32_t compression = ReadLittle(bytes, 30, 4);
    if (headerSize != InfoHeaderSize || bitsPerPixel != 24 || compression != 0) return 0;
    if (w <= 0 || h <= 0 || w > MaxSide || h > MaxSide) return 0;  // top-down bitmaps have h < 0
    const size_t stride = (static_cast<size_t>(w) * 3 + 3) / 4 * 4;
    if (offset < FileHeaderSize + InfoHeaderSize || offset > bytes.size() ||
        bytes.size() - offset < stride * static_cast<size_t>(h))
        return 0;
    width = w;
    height = h;
    return offset;
}

}  // namespace

void SetBitmapFolder(const std::string& folder) {
    BitmapFolder = folder;
}

const char* BitmapFileName(int resourceId) {
    for (const BitmapFile& file : BitmapFiles)
        if (file.resourceId == resourceId) return file.name;
    return nullptr;
}

bool FetchBitmap(int resourceId, BitmapPixels& bitmap) {
    const char* name = BitmapFileName(resourceId);
    if (name == nullptr) return false;
    std::ifstream file(BitmapFolder + "/" + name + ".bmp", std::ios::binary);
    if (!file) return false;
    auto* bytes = new std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {});
    int width = 0, height = 0;
    const size_t offset = PixelOffset(*bytes, width, height);
    if (offset == 0) {
        delete bytes;
        return false;
    }
    bitmap = {width, height, bytes->data() + offset, bytes};
    return true;
}

void ReleaseBitmap(BitmapPixels& bitmap) {
    delete static_cast<std::vector<unsigned char>*>(bitmap.handle);
    bitmap = {};
}
