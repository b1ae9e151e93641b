#include <gtest/gtest.h>

#include <vector>

#include "settings/presets.h"
#include "settings/scene_settings.h"
#include "shell/window_proc.h"
#include "support/dialog_driver.h"
#include "support/render_window_fixture.h"
#include "window/render_window.h"

namespace {

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

// The system commands that reach the system's own handling, which tells a CBT hook before it acts.
std::vector<WPARAM> SystemCommandsCarriedOut;

LRESULT CALLBACK WatchSystemCommands(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_SYSCOMMAND) SystemCommandsCarriedOut.push_back(wParam & 0xFFF0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The running saver refuses the idle time's request to start the screen saver over it, from whichever of
// its windows is in front (the scene, or the Configuration dialog F1 opened over it); every other system
// command goes on to the system.
TEST_F(RenderWindowTest, TheRunningSaverRefusesAScreenSaverOverItself) {
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Framed));
    SendMessageA(RenderWindow, WM_KEYDOWN, VK_F1, 0);
    SendMessageA(RenderWindow, WM_KEYUP, VK_F1, 0);
    const std::vector<HWND> dialogs = ConfigDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    SystemCommandsCarriedOut.clear();
    const HHOOK hook = SetWindowsHookExA(WH_CBT, WatchSystemCommands, nullptr, GetCurrentThreadId());
    for (const HWND window : {RenderWindow, dialogs[0]}) {
        SendMessageA(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
        SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    }
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(SystemCommandsCarriedOut, (std::vector<WPARAM>{SC_RESTORE, SC_RESTORE}));
    DestroyWindow(dialogs[0]);
}

}  // namespace
