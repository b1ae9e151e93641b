#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <string>
#include <vector>

#include "overlay/font.h"
#include "overlay/text.h"
#include "platform/user_message.h"
#include "settings/presets.h"
#include "shell/window_proc.h"
#include "window/gl_setup.h"
#include "window/render_window.h"
#include "window/switch_timer.h"

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
        ApplyFactorySettings();
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

// Keys held in full screen: while F2 or Enter is held any other key acts on them instead of ending the
// saver (F2 toggles the overlay once more, Enter switches again); once they are up, a key ends it.
TEST_F(RenderWindowTest, HeldKeysKeepTheFullScreenSaverRunning) {
    SceneSettings.AutoList = 8;  // only Default4: every switch applies it
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Full));
    const bool shown = ShowInfo;
    SendMessageA(RenderWindow, WM_KEYDOWN, VK_F2, 0);
    SendMessageA(RenderWindow, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(ShowInfo, shown);
    SendMessageA(RenderWindow, WM_KEYUP, VK_F2, 0);

    SendMessageA(RenderWindow, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(SceneSettings.RenderingMode, BuiltInLooks[3].RenderingMode);
    Preset(FactoryLook, SwitchSettings::Keep);
    SendMessageA(RenderWindow, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(SceneSettings.RenderingMode, BuiltInLooks[3].RenderingMode);
    ASSERT_NE(RenderWindow, nullptr);
    SendMessageA(RenderWindow, WM_KEYUP, VK_RETURN, 0);

    SendMessageA(RenderWindow, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(RenderWindow, nullptr);
    MSG quit{};
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_TRUE(Messages.empty()) << Messages.front();
}

// Messages to the user stand above the full-screen window, in the foreground, with their texts, captions
// and icons.
// The text of a message box: its one static control with text (the icon's has none).
std::string BoxText(HWND box) {
    std::string text;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM found) {
            char name[16] = {}, shown[256] = {};
            GetClassNameA(child, name, sizeof name);
            GetWindowTextA(child, shown, sizeof shown);
            if (lstrcmpiA(name, "Static") == 0 && shown[0] != '\0')
                *reinterpret_cast<std::string*>(found) = shown;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

VOID CALLBACK InspectAndCloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND box = FindWindowA(nullptr, "ERROR");
    if (box == nullptr) return;
    const bool topmost = (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    Messages.push_back(BoxText(box) + (topmost ? " topmost" : "") +
                       (GetForegroundWindow() == box ? " foreground" : ""));
    SendMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST_F(RenderWindowTest, MessagesStandAboveTheFullScreenWindow) {
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Full));
    SetUserMessageObserver(nullptr);
    SetTimer(nullptr, 0, 200, InspectAndCloseBox);
    ShowUserMessage("Failed To Build Font.", "ERROR", MessageIcon::Warning);
    SetUserMessageObserver(Collect);
    EXPECT_EQ(Messages, std::vector<std::string>{"Failed To Build Font. topmost foreground"});
}

TEST_F(RenderWindowTest, TeardownWithoutAWindowStillLeavesEveryHandleNull) {
    DestroyRenderWindow();
    ExpectAllHandlesNull();
}

TEST_F(RenderWindowTest, AHeightOfZeroGivesTheAspectOfWidthOverOne) {
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Framed));
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
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Framed));
    // Timer 1 exists: killing it succeeds once.
    EXPECT_TRUE(KillTimer(RenderWindow, AutoSwitchTimer));
    SceneSettings.Period = 0;
    ArmAutoSwitchTimer();
    EXPECT_FALSE(KillTimer(RenderWindow, AutoSwitchTimer));
}

// The system commands that reach the system's own handling, which tells a CBT hook before it acts.
std::vector<WPARAM> SystemCommandsCarriedOut;

LRESULT CALLBACK WatchSystemCommands(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_SYSCOMMAND) SystemCommandsCarriedOut.push_back(wParam & 0xFFF0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The running saver refuses the idle time's request to start the screen saver over it; every other system
// command goes on to the system.
TEST_F(RenderWindowTest, TheRunningSaverRefusesAScreenSaverOverItself) {
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Framed));
    SystemCommandsCarriedOut.clear();
    const HHOOK hook = SetWindowsHookExA(WH_CBT, WatchSystemCommands, nullptr, GetCurrentThreadId());
    SendMessageA(RenderWindow, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    SendMessageA(RenderWindow, WM_SYSCOMMAND, SC_RESTORE, 0);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(SystemCommandsCarriedOut, std::vector<WPARAM>{SC_RESTORE});
}

}  // namespace

// Every glyph of the overlay's font moves the raster position, the blank included, so that the words of a
// line stay apart.
TEST(OverlayFontTest, GlyphsAdvanceTheRasterPositionTheBlankIncluded) {
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Framed));
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
    // The font serves only to make the glyphs: afterwards the window's device context has its own font
    // back, and the overlay's font, deleted, is not left selected into it for the window's life.
    const HGDIOBJ own = GetCurrentObject(RenderDC, OBJ_FONT);
    BuildFont(RenderDC);
    EXPECT_EQ(GetCurrentObject(RenderDC, OBJ_FONT), own);
    DestroyRenderWindow();
    EXPECT_GT(letter, 0.0f);
    EXPECT_GT(blank, 0.0f);
}
