#include "overlay/text.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>

void PrintText(const char* format, ...) {
    if (format == nullptr) return;
    char text[256];
    va_list args;
    va_start(args, format);
    const int length = vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (length <= 0) return;
    glPushAttrib(GL_LIST_BIT);
    glListBase(FontListBase);
    glCallLists(static_cast<GLsizei>(strlen(text)), GL_UNSIGNED_BYTE, text);
    glPopAttrib();
}

void DrawTextBacking(int width, int height) {
    // All-ones bitmap data draws solid whatever the unpack row alignment.
    static const std::array<GLubyte, 64 * 22> solid = [] {
        std::array<GLubyte, 64 * 22> bits{};
        bits.fill(0xff);
        return bits;
    }();
    glBitmap(std::clamp(width, 0, 512), std::clamp(height, 0, 22), 0, 0, 0, 0, solid.data());
}
