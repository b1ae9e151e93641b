#include <gtest/gtest.h>

#include "shell/frame.h"
#include "window/gl_setup.h"

namespace {

TEST(ExtensionListHas, MatchesWholeWordsOnly) {
    const char* list = "GL_ARB_multitexture WGL_EXT_swap_control_tear GL_EXT_bgra WGL_EXT_swap_control";
    EXPECT_TRUE(ExtensionListHas(list, "WGL_EXT_swap_control"));  // the last word, no blank after it
    EXPECT_TRUE(ExtensionListHas(list, "GL_ARB_multitexture"));
    EXPECT_FALSE(ExtensionListHas("WGL_EXT_swap_control_tear GL_EXT_bgra", "WGL_EXT_swap_control"));
    EXPECT_FALSE(ExtensionListHas(list, "GL_EXT"));
    EXPECT_FALSE(ExtensionListHas("", "GL_EXT_bgra"));
    EXPECT_FALSE(ExtensionListHas(nullptr, "GL_EXT_bgra"));
    EXPECT_TRUE(ExtensionListHas("GL_A  GL_B ", "GL_B"));

    // The swap interval is offered in either string; a driver may have no WGL string at all.
    EXPECT_TRUE(SwapControlOffered(list, nullptr));
    EXPECT_TRUE(SwapControlOffered("GL_EXT_bgra", "WGL_ARB_pixel_format WGL_EXT_swap_control"));
    EXPECT_FALSE(SwapControlOffered("GL_EXT_bgra", "WGL_EXT_swap_control_tear"));
    EXPECT_FALSE(SwapControlOffered(nullptr, nullptr));
}

TEST(VendorCopiesFrontBuffer, OnlyExactVendorNamesAreExempt) {
    EXPECT_FALSE(VendorCopiesFrontBuffer("Intel", true));
    EXPECT_FALSE(VendorCopiesFrontBuffer("Microsoft Corporation", true));
    EXPECT_TRUE(VendorCopiesFrontBuffer("Intel Corp", true));
    EXPECT_TRUE(VendorCopiesFrontBuffer("intel", true));
    EXPECT_TRUE(VendorCopiesFrontBuffer("Mesa", true));
    EXPECT_TRUE(VendorCopiesFrontBuffer(nullptr, true));
    EXPECT_FALSE(VendorCopiesFrontBuffer("Mesa", false));
}

TEST(RendererReturnsFrameMemory, OnlyLlvmpipe) {
    EXPECT_TRUE(RendererReturnsFrameMemory("llvmpipe (LLVM 15.0.6, 256 bits)"));
    EXPECT_FALSE(RendererReturnsFrameMemory("softpipe"));
    EXPECT_FALSE(RendererReturnsFrameMemory("NVIDIA GeForce GTX 1060/PCIe/SSE2"));
    EXPECT_FALSE(RendererReturnsFrameMemory("llvm"));
    EXPECT_FALSE(RendererReturnsFrameMemory(nullptr));
}

TEST(FrameClearBits, TrailsStayWhileALaserIsStacked) {
    SceneLook look{};
    constexpr GLbitfield All = GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;
    look.RenderingMode = 1;
    EXPECT_EQ(FrameClearBits(look), All);  // Stack off
    look.Stack = 1;
    EXPECT_EQ(FrameClearBits(look), 0u);
    look.DepthTest = 1;
    EXPECT_EQ(FrameClearBits(look), GLbitfield{GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT});
    look.DepthTest = 0;
    look.Stencil = 1;
    EXPECT_EQ(FrameClearBits(look), GLbitfield{GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT});
    look.RenderingMode = 0;  // no Laser: nothing leaves trails
    EXPECT_EQ(FrameClearBits(look), All);
    look.RenderingMode = LaserStyleCount;  // names no Laser style: as "NULL"
    EXPECT_EQ(FrameClearBits(look), All);
}

}  // namespace
