#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "gl_offscreen.h"
#include "window/gl_setup.h"

namespace {

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
