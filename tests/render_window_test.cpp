#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <string>
#include <vector>

#include "overlay/text.h"
#include "platform/user_message.h"
#include "settings/presets.h"
#include "window/gl_setup.h"
#include "window/render_window.h"

namespace {

std::vector<std::string> Messages;

void Collect(const char* text, const char* caption, MessageIcon) {
    Messages.push_back(std::string(caption) + ": " + text);
}

class RenderWindowTest : public testing::Test {
protected:
    void SetUp() override {
        Messages.clear();
        SetUserMessageObserver(Collect);
        Preset(0, false);
    }
    void TearDown() override {
        if (RenderWindow != nullptr) DestroyRenderWindow();
        SetUserMessageObserver(nullptr);
    }
};

void ExpectAllHandlesNull() {
    EXPECT_EQ(RenderWindow, nullptr);
    EXPECT_EQ(RenderDC, nullptr);
    EXPECT_EQ(RenderContext, nullptr);
    EXPECT_EQ(AppInstance, nullptr);
}

TEST_F(RenderWindowTest, WindowModeGivesA640By480ClientAreaWhateverWasAsked) {
    ASSERT_TRUE(CreateRenderWindow(RenderWindowTitle, ScreenWidth, ScreenHeight, false));
    RECT client{};
    GetClientRect(RenderWindow, &client);
    EXPECT_EQ(client.right - client.left, 640);
    EXPECT_EQ(client.bottom - client.top, 480);
    EXPECT_FALSE(CopyFrontBuffer);
    EXPECT_NE(GetWindowLongA(RenderWindow, GWL_STYLE) & WS_CAPTION, 0);

    DestroyRenderWindow();
    ExpectAllHandlesNull();
    EXPECT_TRUE(Messages.empty()) << Messages.front();
}

TEST_F(RenderWindowTest, FullScreenCoversTheScreenAndCopiesOnlyAReadableFrontBuffer) {
    ASSERT_TRUE(CreateRenderWindow(RenderWindowTitle, ScreenWidth, ScreenHeight, true));
    ASSERT_TRUE(FullScreen) << "the display mode was refused";
    RECT window{};
    GetWindowRect(RenderWindow, &window);
    EXPECT_EQ(window.right - window.left, ScreenWidth);
    EXPECT_EQ(window.bottom - window.top, ScreenHeight);
    // Copies are made by the vendor rule, and only where the front buffer gives back what was shown.
    const bool vendorCopies =
        VendorCopiesFrontBuffer(reinterpret_cast<const char*>(glGetString(GL_VENDOR)), true);
    glClearColor(0.5f, 0.5f, 0.5f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    SwapBuffers(RenderDC);
    glFinish();
    GLubyte shown[4] = {};
    glReadBuffer(GL_FRONT);
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, shown);
    EXPECT_EQ(CopyFrontBuffer, vendorCopies && shown[0] > 100);

    DestroyRenderWindow();
    ExpectAllHandlesNull();
    EXPECT_TRUE(Messages.empty()) << Messages.front();
}

TEST_F(RenderWindowTest, TeardownWithoutAWindowStillLeavesEveryHandleNull) {
    DestroyRenderWindow();
    ExpectAllHandlesNull();
}

TEST_F(RenderWindowTest, AHeightOfZeroGivesTheAspectOfWidthOverOne) {
    ASSERT_TRUE(CreateRenderWindow(RenderWindowTitle, 640, 480, false));
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

TEST_F(RenderWindowTest, TheTimerIntervalStaysWithinWhatSetTimerTakes) {
    EXPECT_EQ(AutoSwitchInterval(60), 60000u);
    EXPECT_EQ(AutoSwitchInterval(1), 1000u);
    EXPECT_EQ(AutoSwitchInterval(2147483647), UINT{USER_TIMER_MAXIMUM});
    EXPECT_EQ(AutoSwitchInterval(-5), UINT{USER_TIMER_MAXIMUM});
}

TEST_F(RenderWindowTest, TheAutoSwitchTimerFollowsPeriod) {
    SceneSettings.Period = 1;
    ASSERT_TRUE(CreateRenderWindow(RenderWindowTitle, 640, 480, false));
    // Timer 1 exists: killing it succeeds once.
    EXPECT_TRUE(KillTimer(RenderWindow, AutoSwitchTimer));
    SceneSettings.Period = 0;
    ArmAutoSwitchTimer();
    EXPECT_FALSE(KillTimer(RenderWindow, AutoSwitchTimer));
}

}  // namespace

// Every glyph of the overlay's font moves the raster position, the blank included, so that the words of a
// line stay apart.
TEST(OverlayFontTest, GlyphsAdvanceTheRasterPositionTheBlankIncluded) {
    ASSERT_TRUE(CreateRenderWindow(RenderWindowTitle, 640, 480, false));
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
    DestroyRenderWindow();
    EXPECT_GT(letter, 0.0f);
    EXPECT_GT(blank, 0.0f);
}
