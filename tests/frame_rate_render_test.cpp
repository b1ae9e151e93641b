#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>
#include <vector>

#include "overlay/frame_rate.h"
#include "overlay/overlay.h"
#include "platform/clock.h"
#include "settings/scene_settings.h"
#include "shell/frame.h"
#include "support/overlay_gl.h"
#include "window/gl_setup.h"

namespace {

// Draws frames every frameMs milliseconds from startMs for as long as durationMs.
void RunFrames(int32_t startMs, double frameMs, int32_t durationMs) {
    for (double t = startMs; t < startMs + durationMs; t += frameMs) {
        FixClock(static_cast<int32_t>(t + 0.5));
        MeasureFrameRate();
    }
}

TEST_F(OverlayTest, ReadOutAppearsOnceTheFirstSecondIsOverAndShowsTheSteadyRate) {
    const std::string before = CaptureText(DrawInfoOverlay);
    EXPECT_NE(before.find("Depth Bits -> 24 "), std::string::npos) << before;
    EXPECT_NE(before.find("Stencil Bits -> 8 "), std::string::npos) << before;
    EXPECT_NE(before.find(reinterpret_cast<const char*>(glGetString(GL_VENDOR))), std::string::npos);
    EXPECT_EQ(before.find("FPS"), std::string::npos);
    EXPECT_EQ(FrameRate, 0.0f);

    // At a steady 60 frames per second a window closes with the first frame after 1000 ms.
    RunFrames(0, 1000.0 / 60, 3000);
    EXPECT_GE(FrameRate, 59.0f);
    EXPECT_LE(FrameRate, 60.1f);  // the millisecond clock can shorten a window by one
    const std::string after = CaptureText(DrawInfoOverlay);
    EXPECT_NE(after.find("FPS = 60.0"), std::string::npos) << after;

    // Ten minutes without frames (the display slept) measure nothing: the rate before them stands, for the
    // read-out and for the Sprinkle's trails, which fade by it.
    RunFrames(603000, 1000.0 / 60, 900);
    EXPECT_GE(FrameRate, 59.0f);
    EXPECT_NE(CaptureText(DrawInfoOverlay).find("FPS = 60.0"), std::string::npos);
}

// A display that waits for its retrace holds a fast machine at its refresh rate: below 100 frames a second,
// but no sign of a slow one.
TEST_F(OverlayTest, OnlyASlowFirstRunSwitchesTheSprinkleOff) {
    struct Case {
        bool stored;
        double frameMs;
        int32_t startMs;
        int refreshHz;
        int32_t expected;
    };
    const Case cases[] = {
        {false, 20, 4500, 0, 1},              // 50 frames per second, window closing in the 6th second
        {true, 20, 4500, 0, 0},               // settings stored: never
        {false, 5, 4500, 0, 0},               // 200 frames per second
        {false, 20, 10500, 0, 0},             // too late: the first windows close after the 10th second
        {false, 1000.0 / 60, 4500, 60, 0},    // held at a 60 Hz display's retrace
        {false, 1000.0 / 75, 4500, 75, 0},    // and at 75 Hz
        {false, 1000.0 / 60, 4500, 1, 1},     // a driver that names no rate: 100 counts
        {false, 1000.0 / 30, 4500, 60, 1},    // half a 60 Hz display's rate: slow
        {false, 1000.0 / 120, 4500, 144, 0},  // 100 counts on a faster display
        {false, 1000.0 / 90, 4500, 144, 1},
    };
    for (const Case& c : cases) {
        ResetFrameRate();
        SceneSettings.OffSprinkle = 0;
        SettingsStored = c.stored;
        DisplayRefreshRate = c.refreshHz;
        RunFrames(c.startMs, c.frameMs, 3000);
        EXPECT_EQ(SceneSettings.OffSprinkle, c.expected)
            << c.startMs << " " << c.frameMs << " " << c.refreshHz;
    }
    DisplayRefreshRate = 0;

    // A stall (a display-mode change, a dragged dialog) is no slowness: neither one in the middle of a
    // window nor one that fills a window alone. A machine under four frames a second is slow, although
    // each of its gaps is as long as a stall.
    struct Stall {
        int32_t fastMs, stallMs;
    };
    for (const Stall& stall : {Stall{2000, 1200}, Stall{1006, 1500}}) {
        ResetFrameRate();
        SceneSettings.OffSprinkle = 0;
        SettingsStored = false;
        RunFrames(4000, 5, stall.fastMs);
        RunFrames(4000 + stall.fastMs - 1 + stall.stallMs, 5, 5000);
        EXPECT_EQ(SceneSettings.OffSprinkle, 0) << stall.fastMs << " " << stall.stallMs;
    }
    ResetFrameRate();
    RunFrames(4500, 1000.0 / 3, 3000);
    EXPECT_EQ(SceneSettings.OffSprinkle, 1);
}

// A window closes with the first frame more than 1000 ms after it began, and the slow-first-run rule looks
// only at windows closing strictly between the 5th and the 10th second.
TEST_F(OverlayTest, WindowsCloseAfterASecondAndTheSlowFirstRunHasStrictBounds) {
    SettingsStored = false;
    for (int64_t ms : {0, 1000}) {
        FixClock(ms);
        MeasureFrameRate();
    }
    EXPECT_EQ(FrameRate, 0.0f);
    FixClock(1001);
    MeasureFrameRate();
    EXPECT_NEAR(FrameRate, 3 / 1.001, 1e-3);  // the first window counts one frame more than it saw

    struct Case {
        int64_t start, close;
        int32_t offSprinkle;
    };
    for (const Case& c :
         {Case{3999, 5000, 0}, Case{3999, 5001, 1}, Case{8998, 9999, 1}, Case{8999, 10000, 0}}) {
        ResetFrameRate();
        SceneSettings.OffSprinkle = 0;
        FixClock(c.start);
        MeasureFrameRate();
        FixClock(c.close);
        MeasureFrameRate();
        EXPECT_EQ(SceneSettings.OffSprinkle, c.offSprinkle) << "window closing at " << c.close;
    }
}

}  // namespace
