#include "overlay/font.h"

#include <windows.h>

#include <GL/gl.h>

#include "overlay/text.h"
#include "platform/user_message.h"

namespace {

// WORKAROUND: a glyph without ink is compiled as an empty bitmap, which Mesa (and other OpenGL
// implementations) drop from a display list together with its advance: the words of every line would run
// together. The blank is compiled again as one unset pixel that moves by the font's own advance.
void CompileBlank(HDC dc) {
    INT advance = 0;
    if (!GetCharWidth32A(dc, ' ', ' ', &advance)) return;
    glNewList(FontListBase + ' ', GL_COMPILE);
    static const GLubyte none[4] = {0, 0, 0, 0};
    glBitmap(1, 1, 0, 0, static_cast<GLfloat>(advance), 0, none);
    glEndList();
}

}  // namespace

void BuildFont(HDC dc) {
    HFONT font =
        CreateFontA(-18, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                    CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Comic Sans MS");
    const HGDIOBJ previous = SelectObject(dc, font);
    if (wglUseFontBitmapsA(dc, 0, 256, FontListBase))
        CompileBlank(dc);
    else
        ShowUserMessage("Failed To Build Font.", "ERROR", MessageIcon::Warning);
    // The glyphs live on in their lists: the font object goes, or every new window would leave one behind.
    SelectObject(dc, previous);
    DeleteObject(font);
}
