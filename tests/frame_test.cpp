#include <gtest/gtest.h>

#include "shell/frame.h"

namespace {

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
