// The Windows build's bitmaps: the program's own bitmap resources, loaded as device-independent bitmap
// sections so that their pixel bits can be read directly.
#include <windows.h>

#include "platform/bitmap_source.h"

bool FetchBitmap(int resourceId, BitmapPixels& bitmap) {
    const HANDLE image = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0,
                                    0, LR_CREATEDIBSECTION);
    if (image == nullptr) return false;
    BITMAP info{};
    // The texture upload reads three bytes per pixel; a resource of another depth is refused.
    if (GetObjectA(image, sizeof info, &info) == 0 || info.bmBits == nullptr || info.bmBitsPixel != 24) {
        DeleteObject(image);
        return false;
    }
    bitmap = {info.bmWidth, info.bmHeight, static_cast<const unsigned char*>(info.bmBits), image};
    return true;
}

void ReleaseBitmap(BitmapPixels& bitmap) {
    if (bitmap.handle != nullptr) DeleteObject(static_cast<HGDIOBJ>(bitmap.handle));
    bitmap = {};
}
