#include <gtest/gtest.h>

#include <GL/gl.h>

#include <malloc.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

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

// Only a swap that copies keeps the back buffer for the next frame; one that exchanges the buffers, or that
// leaves the back buffer undefined, fails the test, whatever the format promised.
TEST(SwapKeepsBackBufferOn, OnlyACopyingSwapPasses) {
    OffscreenGL gl(8, 8);
    ASSERT_TRUE(gl.ok());
    EXPECT_TRUE(SwapKeepsBackBufferOn([] {}));
    GLubyte left[4] = {1, 1, 1, 1};
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, left);
    EXPECT_EQ(left[0] + left[1] + left[2], 0) << "the test left its colour behind";

    // The buffer that was on the screen comes back (black, then each frame shown before).
    EXPECT_FALSE(SwapKeepsBackBufferOn([] {
        static GLubyte shownBefore[4] = {0, 0, 0, 255};
        GLubyte shown[4] = {};
        glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, shown);
        glClearColor(shownBefore[0] / 255.0f, shownBefore[1] / 255.0f, shownBefore[2] / 255.0f, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        std::memcpy(shownBefore, shown, sizeof shown);
    }));
    EXPECT_FALSE(SwapKeepsBackBufferOn([] {
        glClearColor(0.7f, 0.2f, 0.4f, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }));
}

// What llvmpipe does with a frame of sprites drawn one by one: its state in 64 KB blocks from malloc, some
// 5 MB for Default5 and twice that at the densest Sprinkle, all freed when the frame is drawn. Once the
// context is prepared, the freed blocks stay with the process for the next frame instead of going back to the
// system (and being faulted in again, page by page).
TEST(KeepRendererFrameMemory, AFramesFreedMemoryStaysWithTheProcess) {
    OffscreenGL gl(64, 64);
    ASSERT_TRUE(gl.ok());
    ASSERT_TRUE(RendererReturnsFrameMemory(reinterpret_cast<const char*>(glGetString(GL_RENDERER))));
    KeepRendererFrameMemory();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    std::vector<void*> blocks(160);
    for (void*& block : blocks) {
        block = malloc(64 * 1024);
        ASSERT_NE(block, nullptr);
        memset(block, 1, 64 * 1024);
    }
    const size_t held = mallinfo2().arena;
    for (void* block : blocks)
        free(block);
    EXPECT_GE(mallinfo2().arena, held);
}

}  // namespace
