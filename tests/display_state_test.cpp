// The running saver while the display sleeps: the console display state reaches the render window as
// Windows sends it, and the real message loop draws no frame while the display is off.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "platform/user_message.h"
#include "settings/presets.h"
#include "shell/window_proc.h"
#include "window/monitor_covers.h"
#include "window/render_window.h"

namespace {

std::vector<std::string> Messages;
void Collect(const char* text, const char*, MessageIcon) {
    Messages.push_back(text);
}

// The notification as Windows fills it: the setting's GUID, DataLength 4 and the state as a DWORD.
void ReportDisplayState(DWORD state) {
    alignas(POWERBROADCAST_SETTING) unsigned char
        setting[offsetof(POWERBROADCAST_SETTING, Data) + sizeof state]{};
    const POWERBROADCAST_SETTING head{GUID_CONSOLE_DISPLAY_STATE, sizeof state, {}};
    std::memcpy(setting, &head, offsetof(POWERBROADCAST_SETTING, Data));
    std::memcpy(setting + offsetof(POWERBROADCAST_SETTING, Data), &state, sizeof state);
    EXPECT_EQ(SendMessageA(RenderWindow, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                           reinterpret_cast<LPARAM>(setting)),
              TRUE);
}

// The schedule the loop runs under, one step per tick of a thread timer: each display state is held for
// at least a few ticks, and a state that shows the picture until a frame has been drawn in it.
struct Phase {
    DWORD state;
    uint64_t framesAtStart;
    int ticks;
};
std::vector<Phase> Phases;
std::vector<uint64_t> FramesPerPhase;
constexpr int TicksPerPhase = 3;
constexpr int MostTicks = 200;  // 20 s: a loop that never draws ends all the same
int TotalTicks = 0;

void StartPhase(DWORD state) {
    Phases.push_back({state, FramesDrawn, 0});
    ReportDisplayState(state);
}

VOID CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    Phase& phase = Phases.back();
    ++phase.ticks;
    const uint64_t drawn = FramesDrawn - phase.framesAtStart;
    const bool shown = phase.state != 0;
    if (phase.ticks < TicksPerPhase || (shown && drawn == 0 && ++TotalTicks < MostTicks)) return;
    FramesPerPhase.push_back(drawn);
    static constexpr DWORD Next[] = {1, 2, 0};  // after the first off: on, dimmed, off again
    if (Phases.size() <= std::size(Next)) {
        StartPhase(Next[Phases.size() - 1]);
        return;
    }
    // The display is off: a key still ends the full-screen saver at once (or, failing that, the test).
    KillTimer(nullptr, timer);
    PostMessageA(RenderWindow, WM_KEYDOWN, 'A', 0);
    SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(1); });
}

// Off, on, dimmed, off in the real loop of the full-screen saver on Xvfb's one monitor (which gets no
// cover): no frame while off, frames again once the display is on or dimmed, and a key ends it while off.
TEST(DisplayStateTest, TheLoopDrawsOnlyWhileTheDisplayShowsAndKeysEndItWhileOff) {
    SetUserMessageObserver(Collect);
    ApplyFactorySettings();
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Full));
    ASSERT_TRUE(FullScreen) << "the display mode was refused";
    EXPECT_TRUE(MonitorCovers().empty());
    StartPhase(0);
    SetTimer(nullptr, 0, 100, Tick);
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_EQ(RenderWindow, nullptr);
    ASSERT_EQ(FramesPerPhase.size(), 4u);
    EXPECT_EQ(FramesPerPhase[0], 0u) << "frames while off";
    EXPECT_GT(FramesPerPhase[1], 0u) << "frames once on";
    EXPECT_GT(FramesPerPhase[2], 0u) << "frames while dimmed";
    EXPECT_EQ(FramesPerPhase[3], 0u) << "frames while off again";
    EXPECT_TRUE(Messages.empty()) << Messages.front();
    SetUserMessageObserver(nullptr);
}

}  // namespace
