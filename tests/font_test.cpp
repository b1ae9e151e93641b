#include <gtest/gtest.h>

#include <GL/gl.h>

#include "overlay/font.h"
#include "overlay/text.h"
#include "window/render_window.h"

// Every glyph of the overlay's font moves the raster position, the blank included, so that the words of a
// line stay apart.
TEST(OverlayFontTest, GlyphsAdvanceTheRasterPositionTheBlankIncluded) {
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Framed));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    auto advance = [](char c) {
        glRasterPos2i(0, 0);
        GLfloat before[4], after[4];
        glGetFloatv(GL_CURRENT_RASTER_POSITION, before);
        glCallList(FontListBase + static_cast<unsigned char>(c));
        glGetFloatv(GL_CURRENT_RASTER_POSITION, after);
        return after[0] - before[0];
    };
    const float blank = advance(' '), letter = advance('W');
    // The font serves only to make the glyphs: afterwards the window's device context has its own font
    // back, and the overlay's font, deleted, is not left selected into it for the window's life.
    const HGDIOBJ own = GetCurrentObject(RenderDC, OBJ_FONT);
    BuildFont(RenderDC);
    EXPECT_EQ(GetCurrentObject(RenderDC, OBJ_FONT), own);
    DestroyRenderWindow();
    EXPECT_GT(letter, 0.0f);
    EXPECT_GT(blank, 0.0f);
}
