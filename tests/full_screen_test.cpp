// The full-screen saver's real message loop, with a cover on a monitor left of the primary, told as Windows
// tells it that the session's display is off, on, dimmed and off again, and once that the console's is off.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "settings/presets.h"
#include "shell/window_proc.h"
#include "window/monitor_covers.h"
#include "window/render_window.h"

namespace {

// The notification as Windows fills it: the setting's GUID, DataLength 4, then the state as a DWORD.
struct DisplayState {
    GUID setting;
    DWORD state;
};
void ReportDisplayState(const DisplayState& report) {
    const DWORD state = report.state;
    alignas(POWERBROADCAST_SETTING) unsigned char setting[offsetof(POWERBROADCAST_SETTING, Data) + 4]{};
    const POWERBROADCAST_SETTING head{report.setting, sizeof state, {}};
    std::memcpy(setting, &head, offsetof(POWERBROADCAST_SETTING, Data));
    std::memcpy(setting + offsetof(POWERBROADCAST_SETTING, Data), &state, sizeof state);
    SendMessageA(RenderWindow, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, reinterpret_cast<LPARAM>(setting));
}

// Each tick ends a state and reports the next. A tick waits for the frame in progress, so a state that
// draws at all has drawn a frame by the tick that ends it. The last tick presses a key on the cover.
// The console's monitor going off (as in a Remote Desktop session) leaves the session's picture on.
const DisplayState States[] = {{GUID_SESSION_DISPLAY_STATUS, 0},
                               {GUID_SESSION_DISPLAY_STATUS, 1},
                               {GUID_CONSOLE_DISPLAY_STATE, 0},
                               {GUID_SESSION_DISPLAY_STATUS, 2},
                               {GUID_SESSION_DISPLAY_STATUS, 0}};
uint64_t FramesAt[std::size(States) + 1] = {};
size_t Ticks = 0;
HWND Cover = nullptr;

VOID CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (++Ticks < std::size(FramesAt)) FramesAt[Ticks] = FramesDrawn;
    if (Ticks < std::size(States)) ReportDisplayState(States[Ticks]);
    if (Ticks == std::size(States)) PostMessageA(Cover, WM_KEYDOWN, 'A', 0);
    if (Ticks > 20) PostQuitMessage(1);  // the key did not end it
}

// No frame while the display is off, frames while the picture shows, and a key that reaches the cover
// while the display is off ends the saver at once, cover and all. A click on the cover activates nothing.
TEST(FullScreenTest, TheLoopDrawsOnlyWhileThePictureShowsAndAKeyOnTheCoverEndsIt) {
    EXPECT_TRUE(MonitorsToCover().empty()) << "Xvfb's one monitor needs no cover";
    ASSERT_TRUE(IsEqualGUID(DisplayStateSetting(), GUID_SESSION_DISPLAY_STATUS)) << "Wine says Windows 10";
    ApplyFactorySettings();
    SetMonitorSource([] { return std::vector<RECT>{{-1024, 0, 0, 768}}; });  // a monitor left of the primary
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Full));
    ASSERT_EQ(MonitorCovers().size(), 1u);
    Cover = MonitorCovers()[0];
    EXPECT_EQ(SendMessageA(Cover, WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)), MA_NOACTIVATE);
    FramesAt[0] = FramesDrawn;
    ReportDisplayState(States[0]);
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, Tick);
    EXPECT_EQ(RunMessageLoop(), 0);
    KillTimer(nullptr, timer);
    SetMonitorSource(nullptr);
    EXPECT_EQ(RenderWindow, nullptr);
    EXPECT_FALSE(IsWindow(Cover));
    EXPECT_EQ(FramesAt[1], FramesAt[0]) << "frames while off";
    EXPECT_GT(FramesAt[2], FramesAt[1]) << "no frame once on";
    EXPECT_GT(FramesAt[3], FramesAt[2]) << "no frame while only the console's display was off";
    EXPECT_GT(FramesAt[4], FramesAt[3]) << "no frame while dimmed";
    EXPECT_EQ(FramesAt[5], FramesAt[4]) << "frames while off again";
}

}  // namespace
