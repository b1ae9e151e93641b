#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>
#include <vector>

#include "overlay/overlay.h"
#include "support/overlay_gl.h"

namespace {

TEST_F(OverlayTest, PromptSitsOnABackingOfTheSceneColourAndRestoresTheState) {
    EXPECT_EQ(CaptureText(DrawFirstRunPrompt), "Press F1 to initialize configuration");

    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glColor3d(1, 0, 0);
    GLint projectionDepth = 0, modelviewDepth = 0;
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projectionDepth);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelviewDepth);
    DrawFirstRunPrompt();

    // Raster position (-95, 85) lies at 5/200 of the width and 185/200 of the height: (16, 444).
    std::vector<GLubyte> pixels(Width * Height * 4);
    glReadPixels(0, 0, Width, Height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    auto red = [&](int x, int y) { return pixels[(y * Width + x) * 4]; };
    EXPECT_EQ(red(16, 444), 255);
    EXPECT_EQ(red(16 + 319, 444 + 21), 255);
    EXPECT_EQ(red(16 + 320, 450), 0);
    EXPECT_EQ(red(15, 450), 0);
    EXPECT_EQ(red(100, 444 + 22), 0);

    GLint mode = 0, depth = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_PROJECTION);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, projectionDepth);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, modelviewDepth);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[0], 1.0f);
    EXPECT_EQ(colour[1], 0.0f);
}

}  // namespace
