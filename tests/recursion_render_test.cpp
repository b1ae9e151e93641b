#include <gtest/gtest.h>

#include "render/recursion.h"
#include "support/gl_offscreen.h"

namespace {

// A line loop reaches feedback as one segment per vertex (the last closing back to the first), so the
// start of every segment is the loop's vertex list.
TEST(DrawEllipseOutline, TheUnitCircleHas145VerticesStartingAtOneZero) {
    OffscreenGL gl(200, 200);
    ASSERT_TRUE(gl.ok());
    glViewport(0, 0, 200, 200);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2, 2, -2, 2, -1, 1);  // (x, y) shows at window (50 x + 100, 50 y + 100)
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    const auto vertices = CaptureFeedback([] { DrawEllipseOutline(1.0, 1.0, 144); });

    ASSERT_EQ(vertices.size(), 2u * 145);
    EXPECT_FLOAT_EQ(vertices.front().x, 150);
    EXPECT_FLOAT_EQ(vertices.front().y, 100);
    const FeedbackVertex& last = vertices[2 * 144];
    EXPECT_NEAR(last.x, 150, 0.01);
    EXPECT_NEAR(last.y, 100, 0.01);
}

TEST(DrawEllipseOutline, HalfAxesStretchTheOutline) {
    OffscreenGL gl(200, 200);
    ASSERT_TRUE(gl.ok());
    glViewport(0, 0, 200, 200);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2, 2, -2, 2, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    const auto vertices = CaptureFeedback([] { DrawEllipseOutline(1.5, 0.5, 4); });

    ASSERT_GE(vertices.size(), 2u * 4);
    EXPECT_FLOAT_EQ(vertices[0].x, 175);    // (1.5, 0)
    EXPECT_NEAR(vertices[2].y, 125, 1e-3);  // (0, 0.5)
}

}  // namespace
