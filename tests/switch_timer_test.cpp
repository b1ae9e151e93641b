#include <gtest/gtest.h>

#include "support/render_window_fixture.h"
#include "window/render_window.h"
#include "window/switch_timer.h"

namespace {

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

}  // namespace
