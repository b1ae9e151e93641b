#include "shell/window_proc.h"

#include <GL/gl.h>

#include <cstddef>
#include <cstring>

#include "config_ui/config_dialog.h"
#include "platform/clock.h"
#include "platform/frame_pacing.h"
#include "platform/user_message.h"
#include "render/laser.h"
#include "settings/scene_settings.h"
#include "shell/auto_switch.h"
#include "shell/frame.h"
#include "window/gl_setup.h"
#include "window/monitor_covers.h"
#include "window/render_window.h"
#include "window/switch_timer.h"

std::array<bool, 256> KeyDown{};
bool ShowInfo = false;
bool DisplayOn = true;
uint64_t FramesDrawn = 0;

namespace {

void EndProgram() {
    DestroyRenderWindow();
    PostQuitMessage(0);
}

// A power setting as Windows reports it: the setting's GUID, then DataLength bytes of value, here one DWORD.
// Only the display state the window asked for counts: the console's, reported to a Remote Desktop session,
// says nothing about what the session shows.
void TakePowerSetting(const POWERBROADCAST_SETTING& setting) {
    if (!IsEqualGUID(setting.PowerSetting, DisplayStateSetting()) || setting.DataLength < sizeof(DWORD))
        return;
    DWORD state = 0;
    std::memcpy(&state,
                reinterpret_cast<const unsigned char*>(&setting) + offsetof(POWERBROADCAST_SETTING, Data),
                sizeof state);
    DisplayOn = state != 0;
}

}  // namespace

int RunMessageLoop() {
    MSG message{};
    while (message.message != WM_QUIT) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (RouteDialogKeys(message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } else if (DisplayOn) {
            RenderFrame();
        } else {
            WaitMessage();
        }
    }
    return static_cast<int>(message.wParam);
}

int RunPreviewLoop() {
    const HWND parent = GetParent(RenderWindow);
    int64_t due = ClockMs();
    MSG message{};
    while (message.message != WM_QUIT) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        // A parent whose program ended without destroying it takes the preview along too.
        if (!IsWindow(parent)) PostQuitMessage(0);
        const int64_t now = ClockMs();
        if (const uint32_t wait = MsUntilFrame(now, due)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
            continue;
        }
        FitPreviewToParent();
        if (DisplayOn && IsWindowVisible(RenderWindow)) RenderFrame();
        due = NextFrameDue(due, now);
    }
    DestroyRenderWindow();
    return static_cast<int>(message.wParam);
}

void RenderFrame() {
    ++FramesDrawn;
    DrawFrame(ShowInfo, Previewing);
    SwapBuffers(RenderDC);
    if (CopyFrontBuffer) glCopyPixels(0, 0, ScreenWidth, ScreenHeight, GL_COLOR);
}

void HandleKeyDown() {
    bool ended = false;
    if (FullScreen && !KeyDown[VK_F1] && !KeyDown[VK_F2] && !KeyDown[VK_F3] && !KeyDown[VK_SPACE] &&
        !KeyDown[VK_RETURN]) {
        EndProgram();
        ended = true;
    }
    if (KeyDown[VK_F1]) {
        KeyDown[VK_F1] = false;
        OpenConfigDialog(RenderWindow);  // it shows the cursor for as long as it is open
    }
    if (KeyDown[VK_F2]) {  // left set: every auto-repeat of a held F2 toggles again
        ShowInfo = !ShowInfo;
        glClear(GL_COLOR_BUFFER_BIT);
    }
    if (KeyDown[VK_F3]) {
        KeyDown[VK_F3] = false;
        DestroyRenderWindow();
        if (!CreateRenderWindow(FullScreen ? WindowMode::Framed : WindowMode::Full)) {
            ShowUserMessage("Window Creation Error.", "ERROR", MessageIcon::Exclamation);
            PostQuitMessage(0);
        }
    }
    if (KeyDown[VK_SPACE]) {
        KeyDown[VK_SPACE] = false;
        OpenConfigDialog(RenderWindow);  // as F1
    }
    if (KeyDown[VK_RETURN] && SceneSettings.Period != 0) AutoSwitch();
    if (KeyDown[VK_ESCAPE] && !ended) EndProgram();
}

LRESULT CALLBACK RenderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: DisplayOn = true; return 0;  // until Windows reports otherwise to this window
        case WM_MOVE:                                // keeps the scene moving while the window is dragged
            if (DisplayOn) RenderFrame();
            return 0;
        case WM_SIZE:
            // Lines and stipples follow the preview's size, so that it shows the screen's picture in small.
            ScreenPixelScale = Previewing ? static_cast<double>(HIWORD(lParam)) / ScreenHeight : 1.0;
            ResizeScene(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_DESTROY:  // the preview goes with the window it lives in, and the program with it
            if (Previewing) PostQuitMessage(0);
            return 0;
        case WM_CLOSE: EndProgram(); return 0;
        case WM_KEYDOWN:
            if (Previewing) break;  // keys are for the dialog that holds the preview
            KeyDown[wParam & 0xFF] = true;
            HandleKeyDown();
            return 0;
        case WM_KEYUP: KeyDown[wParam & 0xFF] = false; return 0;
        case WM_KILLFOCUS:  // a key that goes up while another window has the focus is held no longer
            KeyDown.fill(false);
            return 0;
        case WM_TIMER:
            if (wParam == AutoSwitchTimer) AutoSwitch();
            return 0;
        case WM_DISPLAYCHANGE: RelayMonitorCovers(); return 0;
        case WM_POWERBROADCAST:
            if (wParam != PBT_POWERSETTINGCHANGE || lParam == 0) break;
            TakePowerSetting(*reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam));
            return TRUE;
        case WM_SYSCOMMAND:  // the screen saver is running: the idle time must not start another over it
            if (AsksForScreenSaver(wParam)) return 0;
            break;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
