// The render window and its OpenGL context under Wine: window mode and full screen, what a creation that
// fails leaves, the teardown, and a frame drawn with the window's context.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "settings/scene_settings.h"
#include "shell/frame.h"
#include "support/render_window_fixture.h"
#include "window/gl_setup.h"
#include "window/render_window.h"

namespace {

void ExpectAllHandlesNull() {
    EXPECT_EQ(RenderWindow, nullptr);
    EXPECT_EQ(RenderDC, nullptr);
    EXPECT_EQ(RenderContext, nullptr);
    EXPECT_EQ(AppInstance, nullptr);
}

TEST_F(RenderWindowTest, WindowModeGivesA640By480ClientAreaWhateverWasAsked) {
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Framed));
    RECT client{};
    GetClientRect(RenderWindow, &client);
    EXPECT_EQ(client.right - client.left, 640);
    EXPECT_EQ(client.bottom - client.top, 480);
    EXPECT_FALSE(CopyFrontBuffer);
    EXPECT_NE(GetWindowLongA(RenderWindow, GWL_STYLE) & WS_CAPTION, 0);
    // Swaps do not wait for the display where the driver lets them.
    using GetSwapInterval = int(WINAPI*)();
    const auto swapInterval = reinterpret_cast<GetSwapInterval>(
        reinterpret_cast<void*>(wglGetProcAddress("wglGetSwapIntervalEXT")));
    if (swapInterval != nullptr) {
        EXPECT_EQ(swapInterval(), 0);
    }

    DestroyRenderWindow();
    ExpectAllHandlesNull();
    EXPECT_TRUE(Messages.empty()) << Messages.front();
}

TEST_F(RenderWindowTest, FullScreenCoversTheScreenAndCopiesOnlyAReadableFrontBuffer) {
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Full));
    ASSERT_TRUE(FullScreen) << "the display mode was refused";
    RECT window{};
    GetWindowRect(RenderWindow, &window);
    EXPECT_EQ(window.right - window.left, ScreenWidth);
    EXPECT_EQ(window.bottom - window.top, ScreenHeight);
    // Copies are made by the vendor rule, only where the swap does not keep the back buffer and only where
    // the front buffer gives back what was shown.
    const bool vendorCopies =
        VendorCopiesFrontBuffer(reinterpret_cast<const char*>(glGetString(GL_VENDOR)), true);
    glClearColor(0.5f, 0.5f, 0.5f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    SwapBuffers(RenderDC);
    glFinish();
    GLubyte shown[4] = {};
    glReadBuffer(GL_FRONT);
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, shown);
    EXPECT_EQ(CopyFrontBuffer, !SwapKeepsBackBuffer && vendorCopies && shown[0] > 100);

    DestroyRenderWindow();
    ExpectAllHandlesNull();
    EXPECT_TRUE(Messages.empty()) << Messages.front();
}

// Mesa's GLX offers formats whose swap copies (GLX_OML_swap_method), which Wine hands on as
// WGL_SWAP_COPY_ARB: the window takes one, in full screen and in window mode, and its back buffer holds the
// shown picture after every swap, as the copy would have left it.
TEST_F(RenderWindowTest, ASwapCopyFormatKeepsTheShownPictureWithoutACopy) {
    for (const WindowMode mode : {WindowMode::Full, WindowMode::Framed}) {
        ASSERT_TRUE(CreateRenderWindow(mode));
        EXPECT_TRUE(SwapKeepsBackBuffer);
        EXPECT_FALSE(CopyFrontBuffer);
        GLubyte kept[4] = {};
        glReadBuffer(GL_BACK);
        for (const GLubyte red : {40, 200, 90}) {
            glClearColor(red / 255.0f, 0.25f, 0.75f, 1);
            glClear(GL_COLOR_BUFFER_BIT);
            SwapBuffers(RenderDC);
            glReadPixels(20, 20, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, kept);
            EXPECT_EQ(kept[0], red);
            EXPECT_EQ(kept[2], 191);
        }
        DestroyRenderWindow();
        ExpectAllHandlesNull();
    }
    EXPECT_TRUE(Messages.empty()) << Messages.front();
}

int CursorCounter() {
    ShowCursor(TRUE);
    return ShowCursor(FALSE);
}

// Full screen that cannot be had: a refused display mode gives one stop-icon message and a framed 640 × 480
// window with the cursor; a creation that fails after the mode change gives the mode and the cursor back
// before its message.
TEST_F(RenderWindowTest, FullScreenThatCannotBeHadLeavesTheCursorAsItWas) {
    const int shown = CursorCounter();
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Full, 12345, 777));
    EXPECT_EQ(Messages, std::vector<std::string>{
                            "ERROR: The Fullscreen Mode Is Not Supported By Your Video Card.\nProgram Will "
                            "Stay in Window Mode."});
    EXPECT_FALSE(FullScreen);
    EXPECT_FALSE(CopyFrontBuffer);
    RECT client{};
    GetClientRect(RenderWindow, &client);
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 480);
    EXPECT_NE(GetWindowLongA(RenderWindow, GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_EQ(CursorCounter(), shown);
    DestroyRenderWindow();

    // A class of the same name already registered makes the registration fail.
    Messages.clear();
    WNDCLASSA taken{};
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = "ForOpenGL";
    ASSERT_NE(RegisterClassA(&taken), 0);
    EXPECT_FALSE(CreateRenderWindow(WindowMode::Full));
    UnregisterClassA("ForOpenGL", GetModuleHandleA(nullptr));
    EXPECT_EQ(Messages, std::vector<std::string>{"ERROR: Failed To Register The Window Class."});
    EXPECT_EQ(CursorCounter(), shown);
}

TEST_F(RenderWindowTest, TeardownWithoutAWindowStillLeavesEveryHandleNull) {
    DestroyRenderWindow();
    ExpectAllHandlesNull();
}

// The window's context draws the scene: a frame of the first look lights the window.
TEST_F(RenderWindowTest, AFrameOfTheFirstLookLightsTheWindow) {
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Framed));
    TimePhase = 1234;
    FixClock(60000);
    DrawFrame(false);
    glFinish();
    std::vector<unsigned char> rgb(640 * 480 * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, 640, 480, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    size_t lit = 0;
    for (size_t i = 0; i < rgb.size(); i += 3)
        lit += rgb[i] + rgb[i + 1] + rgb[i + 2] > 60;
    EXPECT_GT(lit, rgb.size() / 3 / 20);
}

}  // namespace
