// The pages Laser, Sprinkle, Color, General and Help with real common controls under Wine: their layout, and
// every value moving between the controls and SceneSettings in both directions. The Switch page has tests of
// its own (settings_pages_switch_test.cpp).
#include <gtest/gtest.h>

#include <string>

#include "config_ui/sync_controls.h"
#include "settings/control_values.h"
#include "settings/presets.h"
#include "support/dialog_driver.h"

namespace {

using DialogPages = DialogTest;

// The size of a text in the control's own font.
SIZE TextSize(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return size;
}

// A combo box shows its own field's names, item index = value, from and to the names spelled out here.
void ExpectItems(int control, ChoiceNames names, const wchar_t* first, const wchar_t* last) {
    const int count = static_cast<int>(names.count);
    ASSERT_EQ(ItemCountOf(control), count) << control;
    for (int item = 0; item < count; ++item)
        EXPECT_EQ(ItemOf(control, item), names.names[item]) << control;
    EXPECT_EQ(ItemOf(control, 0), first) << control;
    EXPECT_EQ(ItemOf(control, count - 1), last) << control;
}

RECT RectIn(HWND page, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Nothing on a page is cut off: every item of a drop-down list fits beside its arrow, and every one-line
// label ends a few pixels clear of the control to its right.
TEST_F(DialogPages, NoTextIsCutOffOrTouchesItsNeighbour) {
    HWND dialog = OpenConfigDialog(nullptr);
    for (int tab = 0; tab < TabCount; ++tab) {
        SelectTab(dialog, tab);
        std::vector<HWND> controls;
        EnumChildWindows(
            CurrentPage,
            [](HWND child, LPARAM list) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&controls));
        for (HWND control : controls) {
            wchar_t kind[32] = {}, text[256] = {};
            GetClassNameW(control, kind, 32);
            const RECT own = RectIn(CurrentPage, control);
            if (lstrcmpiW(kind, L"ComboBox") == 0 &&
                (GetWindowLongW(control, GWL_STYLE) & 3) == CBS_DROPDOWNLIST) {
                COMBOBOXINFO info{};
                info.cbSize = sizeof info;
                GetComboBoxInfo(control, &info);
                const int items = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
                for (int item = 0; item < items; ++item) {
                    SendMessageW(control, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
                    EXPECT_LE(TextSize(control, text).cx + 2, info.rcItem.right - info.rcItem.left)
                        << "tab " << tab << ": \"" << std::wstring(text).size() << "-character item cut off";
                }
            }
            GetWindowTextW(control, text, 256);
            if (lstrcmpiW(kind, L"Static") != 0 || text[0] == 0) continue;
            const SIZE size = TextSize(control, text);
            if (own.bottom - own.top >= 2 * size.cy) continue;  // a label of several lines wraps
            const int textRight = own.left + size.cx;
            for (HWND other : controls) {
                const RECT next = RectIn(CurrentPage, other);
                if (other == control || next.left <= own.left || next.top >= own.bottom ||
                    next.bottom <= own.top)
                    continue;
                EXPECT_LE(textRight + 4, next.left) << "tab " << tab << ": a label touches its neighbour";
            }
        }
    }
}

TEST_F(DialogPages, LaserPageShowsAndTakesEveryValue) {
    OpenConfigDialog(nullptr);
    EXPECT_EQ(SelectionOf(IDC_RENDERING_MODE), 1);
    EXPECT_EQ(TextOf(IDC_LINE_WIDTH), "1.0");
    EXPECT_EQ(TextOf(IDC_STIPPLE_SIZE), "5");
    EXPECT_EQ(PositionOf(IDC_ALPHA_LASER), 80);
    EXPECT_EQ(PositionOf(IDC_SPEED_LASER), 10);
    EXPECT_TRUE(IsChecked(IDC_STACK) && IsChecked(IDC_ANTIALIAS));
    EXPECT_FALSE(IsChecked(IDC_STENCIL) || IsChecked(IDC_DOUBLED));
    ExpectItems(IDC_RENDERING_MODE, NamesOf(LaserStyleNames), L"NULL", L"plastic tube");
    ExpectItems(IDC_STIPPLE_MODE, NamesOf(StippleNames), L"NULL", L"    --    ----");
    // The arrows are real arrows, whatever the ANSI code page.
    ExpectItems(IDC_SYMMETRY_MODE, NamesOf(SymmetryNames), L"NULL", L"\u2190\u2192\u2191\u2193");

    Choose(IDC_RENDERING_MODE, 6);
    Choose(IDC_STIPPLE_MODE, 3);
    Choose(IDC_SYMMETRY_MODE, 2);
    Type(IDC_LINE_WIDTH, "2.5");
    Type(IDC_STIPPLE_SIZE, "12345678");
    Slide(IDC_ALPHA_LASER, 57);
    Slide(IDC_SPEED_LASER, 33);
    Click(IDC_STACK);
    Click(IDC_STENCIL);
    Click(IDC_DOUBLED);
    Click(IDC_ANTIALIAS);
    EXPECT_EQ(SceneSettings.RenderingMode, 6u);
    EXPECT_EQ(SceneSettings.StippleMode, 3);
    EXPECT_EQ(SceneSettings.SymmetryMode, 2);
    EXPECT_FLOAT_EQ(SceneSettings.LineWidth, 2.5f);
    EXPECT_EQ(SceneSettings.StippleSize, 1234567);
    EXPECT_DOUBLE_EQ(SceneSettings.AlphaLaser, 0.57);
    EXPECT_EQ(SceneSettings.SpeedLaser, 33u);
    EXPECT_EQ(SceneSettings.Stack, 0);
    EXPECT_EQ(SceneSettings.Stencil, 1);
    EXPECT_EQ(SceneSettings.Doubled, 1);
    EXPECT_EQ(SceneSettings.Antialias, 0);
    EXPECT_EQ(PositionOf(IDC_ALPHA_LASER), 57);

    Type(IDC_LINE_WIDTH, "wide");  // no number: the width stays
    EXPECT_FLOAT_EQ(SceneSettings.LineWidth, 2.5f);
    // Shown again and read back, as every visit to the page does: 0.57 (× 100 just below 57) stays.
    SyncControls(SyncDirection::SettingsToControls);
    SyncControls(SyncDirection::ControlsToSettings);
    EXPECT_EQ(PositionOf(IDC_ALPHA_LASER), 57);
    EXPECT_DOUBLE_EQ(SceneSettings.AlphaLaser, 0.57);
}

TEST_F(DialogPages, SprinklePageShowsAndTakesEveryValue) {
    HWND dialog = OpenConfigDialog(nullptr);
    SelectTab(dialog, 1);
    EXPECT_EQ(RangeMaxOf(IDC_DENSITY), 90);
    EXPECT_EQ(RangeMaxOf(IDC_ALPHA_SPRINKLE), 511);
    EXPECT_EQ(SelectionOf(IDC_ROUTE_A), 1);
    EXPECT_EQ(SelectionOf(IDC_ROUTE_B), 4);
    EXPECT_EQ(PositionOf(IDC_DENSITY), 70);
    EXPECT_EQ(PositionOf(IDC_ALPHA_SPRINKLE), 128);
    ExpectItems(IDC_BLENDING_MODE, NamesOf(BlendingNames), L"lightening", L"darkening");
    ExpectItems(IDC_ROUTE_A, NamesOf(RouteNames), L"NULL", L"milky way");
    ExpectItems(IDC_ROUTE_B, NamesOf(RouteNames), L"NULL", L"milky way");

    Choose(IDC_ROUTE_A, 0);
    Choose(IDC_ROUTE_B, 5);
    Choose(IDC_BLENDING_MODE, 2);
    Slide(IDC_ALPHA_SPRINKLE, 511);
    Slide(IDC_SPEED_TEXTURE, 0);
    EXPECT_EQ(SceneSettings.RouteA, 0);
    EXPECT_EQ(SceneSettings.RouteB, 5);
    EXPECT_EQ(SceneSettings.BlendingMode, 2);
    EXPECT_EQ(SceneSettings.AlphaSprinkle, 511u);
    EXPECT_EQ(SceneSettings.SpeedTexture, 0u);

    // A density above the bar's range stays while the user moves other controls of the page, until the bar
    // itself is moved.
    Preset(2, SwitchSettings::Keep);
    SyncControls(SyncDirection::SettingsToControls);
    EXPECT_EQ(PositionOf(IDC_DENSITY), 90);
    Slide(IDC_SPEED_TEXTURE, 20);
    EXPECT_EQ(SceneSettings.Density, 100u);
    Slide(IDC_DENSITY, 90);
    EXPECT_EQ(SceneSettings.Density, 90u);
}

TEST_F(DialogPages, ColorPageShowsAndTakesEveryValue) {
    HWND dialog = OpenConfigDialog(nullptr);
    SelectTab(dialog, 2);
    EXPECT_EQ(RangeMaxOf(IDC_GRADS_RADIUS), 10000);
    EXPECT_EQ(RangeMaxOf(IDC_CONST_RED), 255);
    EXPECT_EQ(RangeMaxOf(IDC_GRADS_TIME), 100);
    EXPECT_EQ(PositionOf(IDC_CONST_GREEN), 102);     // 0.4
    EXPECT_EQ(PositionOf(IDC_AMPLITUDE_BLUE), 178);  // 0.7
    EXPECT_EQ(PositionOf(IDC_GRADS_TIME), 10);

    Slide(IDC_GRADS_RADIUS, 10000);
    Slide(IDC_GRADS_ANGLE, 5000);
    Slide(IDC_GRADS_TIME, 0);
    Slide(IDC_CONST_RED, 255);
    Slide(IDC_CONST_BLUE, 0);
    Slide(IDC_AMPLITUDE_GREEN, 51);
    EXPECT_DOUBLE_EQ(SceneSettings.ColorGrads[0], 0.001);
    EXPECT_DOUBLE_EQ(SceneSettings.ColorGrads[1], 0.00025);
    EXPECT_DOUBLE_EQ(SceneSettings.ColorGrads[2], 0.0);
    EXPECT_DOUBLE_EQ(SceneSettings.ColorConst[0], 1.0);
    EXPECT_DOUBLE_EQ(SceneSettings.ColorConst[2], 0.0);
    EXPECT_DOUBLE_EQ(SceneSettings.ColorAmplitude[1], 0.2);

    SyncControls(SyncDirection::SettingsToControls);
    EXPECT_EQ(PositionOf(IDC_GRADS_RADIUS), 10000);
    EXPECT_EQ(PositionOf(IDC_GRADS_ANGLE), 5000);
    EXPECT_EQ(PositionOf(IDC_AMPLITUDE_GREEN), 51);
}

TEST_F(DialogPages, GeneralPageShowsAndTakesEveryValue) {
    HWND dialog = OpenConfigDialog(nullptr);
    SelectTab(dialog, 3);
    EXPECT_EQ(RangeMaxOf(IDC_DEPTH_AMPL), 50);
    EXPECT_EQ(RangeMaxOf(IDC_DEPTH_FREQ), 511);
    EXPECT_EQ(SelectionOf(IDC_FUNC_RADIUS), 1);
    EXPECT_EQ(PositionOf(IDC_DEPTH_AMPL), 26);  // 0.04
    EXPECT_EQ(PositionOf(IDC_DEPTH_FREQ), 64);
    EXPECT_TRUE(IsChecked(IDC_ROTATE_X) && IsChecked(IDC_ROTATE_Z));
    ExpectItems(IDC_FUNC_RADIUS, NamesOf(RadiusFunctionNames), L"Linear", L"Tangent");
    ExpectItems(IDC_FUNC_ANGLE, NamesOf(AngleFunctionNames), L"Linear", L"Exponential");

    Choose(IDC_FUNC_RADIUS, 3);
    Choose(IDC_FUNC_ANGLE, 3);
    Click(IDC_ROTATE_Y);
    Click(IDC_ROTATE_Z);
    Click(IDC_DEPTH_TEST);
    Slide(IDC_SPEED_VIEW, 100);
    Slide(IDC_DEPTH_AMPL, 0);
    Slide(IDC_DEPTH_FREQ, 511);
    EXPECT_EQ(SceneSettings.FuncRadius, 3u);
    EXPECT_EQ(SceneSettings.FuncAngle, 3u);
    EXPECT_EQ(SceneSettings.RotateY, 1);
    EXPECT_EQ(SceneSettings.RotateZ, 0);
    EXPECT_EQ(SceneSettings.DepthTest, 1);
    EXPECT_EQ(SceneSettings.SpeedView, 100u);
    EXPECT_DOUBLE_EQ(SceneSettings.DepthAmpl, -1.0);
    EXPECT_DOUBLE_EQ(SceneSettings.DepthFreq, 511.0);

    SceneSettings.DepthAmpl = 0.0;
    SyncControls(SyncDirection::SettingsToControls);
    EXPECT_EQ(PositionOf(IDC_DEPTH_AMPL), 25);
}

}  // namespace
