// The control synchronisation with real common controls under Wine: writing controls does not read half of
// them back, the enabling rules follow the settings, and every transfer re-arms the auto-switch timer.
#include <gtest/gtest.h>

#include "config_ui/sync_controls.h"
#include "support/dialog_driver.h"

namespace {

using DialogPages = DialogTest;

// Writing the width edit makes the page read all its controls back; the stipple size, written after it,
// must not be read back while it still shows the old value.
TEST_F(DialogPages, ShowingNewValuesDoesNotReadHalfWrittenControlsBack) {
    SceneSettings.StippleSize = 40;
    SceneSettings.LineWidth = 4.0f;
    HWND dialog = OpenConfigDialog(nullptr);
    PressDialogButton(dialog, IDC_DEFAULT);
    EXPECT_EQ(SceneSettings.StippleSize, 5);
    EXPECT_FLOAT_EQ(SceneSettings.LineWidth, 1.0f);
    EXPECT_EQ(TextOf(IDC_STIPPLE_SIZE), "5");
    EXPECT_EQ(TextOf(IDC_LINE_WIDTH), "1.0");
}

TEST_F(DialogPages, StackAndStencilFromStoredSettingsLockEachOther) {
    SceneSettings.Stack = 1;
    SceneSettings.Stencil = 1;
    OpenConfigDialog(nullptr);
    EXPECT_FALSE(IsEnabled(IDC_STACK));
    EXPECT_FALSE(IsEnabled(IDC_STENCIL));

    SceneSettings.Stencil = 0;
    SyncControls(SyncDirection::SettingsToControls);
    EXPECT_TRUE(IsEnabled(IDC_STACK));
    EXPECT_FALSE(IsEnabled(IDC_STENCIL));
}

TEST_F(DialogPages, TexturedStylesGreyTheStippleAndAntialiasControls) {
    OpenConfigDialog(nullptr);
    EXPECT_TRUE(IsEnabled(IDC_ANTIALIAS) && IsEnabled(IDC_STIPPLE_MODE) && IsEnabled(IDC_STIPPLE_SIZE));
    Choose(IDC_RENDERING_MODE, 8);
    EXPECT_FALSE(IsEnabled(IDC_ANTIALIAS) || IsEnabled(IDC_STIPPLE_MODE) || IsEnabled(IDC_STIPPLE_SIZE));
    Choose(IDC_RENDERING_MODE, 7);
    EXPECT_TRUE(IsEnabled(IDC_ANTIALIAS) && IsEnabled(IDC_STIPPLE_MODE) && IsEnabled(IDC_STIPPLE_SIZE));
}

TEST_F(DialogPages, TheHelpPageTransfersNothingButTheTimerStillFollowsThePeriod) {
    HWND dialog = OpenOverRenderWindow();
    SelectTab(dialog, 5);
    SceneSettings.Period = 0;
    SceneSettings.RenderingMode = 9;
    SyncControls(SyncDirection::ControlsToSettings);
    EXPECT_EQ(SceneSettings.RenderingMode, 9u);
    EXPECT_FALSE(KillTimer(RenderWindow, AutoSwitchTimer));
}

}  // namespace
