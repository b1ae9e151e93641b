#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "overlay/frame_rate.h"
#include "platform/clock.h"
#include "render/recursion.h"
#include "settings/scene_settings.h"
#include "shell/frame.h"
#include "support/scene_gl.h"

namespace {

// Which pixels of the colour buffer are not black.
std::vector<bool> Lit(const std::vector<uint8_t>& rgb) {
    std::vector<bool> lit(rgb.size() / 3);
    for (size_t i = 0; i < lit.size(); ++i)
        lit[i] = rgb[3 * i] != 0 || rgb[3 * i + 1] != 0 || rgb[3 * i + 2] != 0;
    return lit;
}

size_t Count(const std::vector<bool>& lit) {
    return static_cast<size_t>(std::count(lit.begin(), lit.end(), true));
}

// A white line-strip Laser and "star" sprites (pure green test pictures) in pairs, seen through the
// program's own projection and view.
class SceneFrameTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scene.ok());
        SceneSettings = {};
        SettingsRecord& s = SceneSettings;
        s.RenderingMode = 1;
        s.LineWidth = 3;
        s.AlphaLaser = 1;
        s.SpeedLaser = s.SpeedTexture = s.SpeedView = 10;
        s.RouteA = s.RouteB = 2;
        s.Density = 70;
        s.AlphaSprinkle = 255;
        s.FuncRadius = RadiusPower;
        s.FuncAngle = AngleLinear;
        s.DepthAmpl = 0.04;
        s.ColorConst[0] = s.ColorConst[1] = s.ColorConst[2] = 1;
        FrameRate = 0;
        SettingsStored = true;  // no first-run prompt over the scene
        TimePhase = 300;
        FixClock(2000);
    }
    void TearDown() override { ReleaseClock(); }

    std::vector<uint8_t> Frame() {
        DrawFrame(false);
        return scene.ReadColour();
    }

    SceneGL scene{160, 128};
};

TEST_F(SceneFrameTest, InStencilModeTheSprinkleShowsOnlyWhereTheLaserPassed) {
    SceneSettings.OffSprinkle = 1;
    const std::vector<bool> laser = Lit(Frame());
    ASSERT_GT(Count(laser), 100u);

    SceneSettings.Stencil = 1;  // the Laser alone is invisible
    EXPECT_EQ(Count(Lit(Frame())), 0u);

    SceneSettings.OffSprinkle = 0;
    const std::vector<uint8_t> window = Frame();
    const std::vector<bool> lit = Lit(window);
    EXPECT_GT(Count(lit), Count(laser) / 4);
    for (size_t i = 0; i < lit.size(); ++i) {
        if (!lit[i]) continue;
        EXPECT_TRUE(laser[i]) << "outside the Laser's path at pixel " << i;
        EXPECT_EQ(window[3 * i], 0);  // the sprites' green, not the Laser's white
        EXPECT_EQ(window[3 * i + 2], 0);
    }
}

// The driver decides what a frame draws: OffSprinkle hides the sprites, leaving the frame that no chosen
// sprite gives, and a flat path (DepthAmpl exactly 0) is drawn as 0.04 draws it and keeps 0.04 for good.
TEST_F(SceneFrameTest, OffSprinkleHidesTheSpritesAndAFlatPathIsTilted) {
    SceneSettings.OffSprinkle = 1;
    const std::vector<uint8_t> laserAlone = Frame();
    SceneSettings.OffSprinkle = 0;
    EXPECT_NE(Frame(), laserAlone);
    SceneSettings.RouteA = SceneSettings.RouteB = 0;
    EXPECT_EQ(Frame(), laserAlone);

    SceneSettings.DepthAmpl = 0.0;
    EXPECT_EQ(Frame(), laserAlone);
    EXPECT_EQ(SceneSettings.DepthAmpl, 0.04);
}

TEST_F(SceneFrameTest, StackKeepsEveryFrameAndWithoutItOnlyTheLastShows) {
    SceneSettings.OffSprinkle = 1;
    SceneSettings.Stack = 1;
    glClear(GL_COLOR_BUFFER_BIT);
    const std::vector<bool> first = Lit(Frame());
    FixClock(9000);
    const std::vector<bool> both = Lit(Frame());
    for (size_t i = 0; i < first.size(); ++i)
        ASSERT_TRUE(!first[i] || both[i]) << "the first frame's trail is gone at pixel " << i;

    // Without Stack the frame starts afresh: over the trails it looks as it does over a black screen.
    SceneSettings.Stack = 0;
    const std::vector<uint8_t> overTrails = Frame();
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(overTrails, Frame());
    EXPECT_LT(Count(Lit(overTrails)), Count(both));
}

TEST_F(SceneFrameTest, AStyleNumberBeyondTheTableClearsTheFrameAndDrawsNoLaser) {
    SceneSettings.Stack = 1;
    SceneSettings.RouteA = SceneSettings.RouteB = 0;
    EXPECT_GT(Count(Lit(Frame())), 0u);
    SceneSettings.RenderingMode =
        LaserStyleCount;  // treated as "NULL": the frame is cleared and no Laser drawn
    EXPECT_EQ(Count(Lit(Frame())), 0u);
}

// The Sprinkle lies as the last frame's Laser tilted it; while the Laser is off it keeps that tilt, whatever
// the look's own depth wave says, until a Laser draws again.
TEST_F(SceneFrameTest, WithoutALaserTheSpritesKeepTheLastLasersTilt) {
    SceneSettings.DepthAmpl = 1;
    Frame();
    SceneSettings.RenderingMode = LaserNull;
    const std::vector<uint8_t> steep = Frame();
    SceneSettings.DepthAmpl = 0.04;
    EXPECT_EQ(Frame(), steep);

    SceneSettings.RenderingMode = LaserLineStrip;
    Frame();
    SceneSettings.RenderingMode = LaserNull;
    EXPECT_NE(Frame(), steep);
}

}  // namespace
