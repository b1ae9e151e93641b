#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>

#include "support/gl_offscreen.h"
#include "window/gl_setup.h"

namespace {

TEST(ResizeScene, AHeightOfZeroGivesTheAspectOfWidthOverOne) {
    OffscreenGL gl(640, 480);
    ASSERT_TRUE(gl.ok());
    ResizeScene(300, 0);
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    const double f = 1 / std::tan(30 * 3.141592653589793 / 180);
    EXPECT_NEAR(projection[5], f, 1e-6);
    EXPECT_NEAR(projection[0], f / 300, 1e-6);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[3], 1);
}

}  // namespace
