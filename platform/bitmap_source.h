// Where the texture pictures come from. A bitmap is fetched by its resource id as rows of blue, green and
// red bytes, bottom row first, each row padded to a multiple of four bytes: the layout of a
// device-independent bitmap, which is also OpenGL's default unpack alignment, so the rows go to glTexImage2D
// as they are. The Windows build takes the bitmaps from the program's resources; the native build reads the
// same pictures from BMP files in a folder.
#pragma once

#ifndef _WIN32
#include <string>
#endif

struct BitmapPixels {
    int width = 0;
    int height = 0;
    const unsigned char* bgr = nullptr;  // bottom row first
    void* handle = nullptr;              // what the source frees in ReleaseBitmap
};

// Fetches bitmap resourceId; false when there is none or it is not an uncompressed 24-bit bitmap.
bool FetchBitmap(int resourceId, BitmapPixels& bitmap);

// Frees what FetchBitmap took; the pixels are gone afterwards.
void ReleaseBitmap(BitmapPixels& bitmap);

#ifndef _WIN32
// The folder that the native build reads <name>.bmp from; the source tree's resources/bitmaps by default.
void SetBitmapFolder(const std::string& folder);

// The file name (without folder) of a bitmap resource, or nullptr for an id that names no bitmap.
const char* BitmapFileName(int resourceId);
#endif
