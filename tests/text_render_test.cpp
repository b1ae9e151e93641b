#include <gtest/gtest.h>

#include <string>

#include "overlay/text.h"
#include "support/overlay_gl.h"

namespace {

TEST_F(OverlayTest, PrintTextFormatsCutsLongTextAndIgnoresANullFormat) {
    EXPECT_EQ(CaptureText([] { PrintText("%d ", 24); }), "24 ");
    EXPECT_EQ(CaptureText([] { PrintText(nullptr); }), "");
    const std::string longText(600, 'x');
    EXPECT_EQ(CaptureText([&] { PrintText("%s", longText.c_str()); }), std::string(255, 'x'));
}

}  // namespace
