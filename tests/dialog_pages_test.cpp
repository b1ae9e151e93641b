// The settings pages with real common controls under Wine: values move between the controls and
// SceneSettings in both directions, the enabling rules follow, and the Switch page saves and clears lists in
// Wine's registry.
#include <gtest/gtest.h>

#include <string>

#include "config_ui/sync_controls.h"
#include "dialog_driver.h"
#include "settings/control_values.h"
#include "settings/registry_store.h"
#include "shell/auto_switch.h"
#include "stored_forms.h"

namespace {

using DialogPages = DialogTest;

std::map<std::string, std::string> LookForms(const SettingsRecord& settings) {
    std::map<std::string, std::string> forms = StoredForms(settings);
    for (const char* name : {"Period", "AutoList", "SavedList", "OffSprinkle"})
        forms.erase(name);
    return forms;
}

std::map<std::string, std::string> LookForms(const SceneLook& look) {
    SettingsRecord record{};
    static_cast<SceneLook&>(record) = look;
    return LookForms(record);
}

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
    // The arrows are real arrows, whatever the ANSI code page.
    EXPECT_EQ(ItemOf(IDC_SYMMETRY_MODE, 2), L"\u2190\u2192\u2191\u2193");

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

TEST_F(DialogPages, SprinklePageShowsAndTakesEveryValue) {
    HWND dialog = OpenConfigDialog(nullptr);
    SelectTab(dialog, 1);
    EXPECT_EQ(RangeMaxOf(IDC_DENSITY), 90);
    EXPECT_EQ(RangeMaxOf(IDC_ALPHA_SPRINKLE), 511);
    EXPECT_EQ(SelectionOf(IDC_ROUTE_A), 1);
    EXPECT_EQ(SelectionOf(IDC_ROUTE_B), 4);
    EXPECT_EQ(PositionOf(IDC_DENSITY), 70);
    EXPECT_EQ(PositionOf(IDC_ALPHA_SPRINKLE), 128);

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

TEST_F(DialogPages, SwitchPageSetsThePeriodTheListsAndAppliesTheSelectedList) {
    HWND dialog = OpenOverRenderWindow();
    SelectTab(dialog, 4);
    EXPECT_EQ(TextOf(IDC_PERIOD), "60");
    EXPECT_EQ(TextOf(IDC_LIST_NAME), "Default1");
    for (int list = 0; list < 10; ++list) {
        EXPECT_EQ(IsChecked(IDC_FIRST_LIST_CHECK + list), list < 6) << list;
        EXPECT_EQ(IsEnabled(IDC_FIRST_LIST_CHECK + list), list < 6) << list;
    }
    EXPECT_FALSE(IsEnabled(IDC_DONE) || IsEnabled(IDC_CLEAR));

    Click(IDC_FIRST_LIST_CHECK + 0);
    EXPECT_EQ(SceneSettings.AutoList, 62);

    Choose(IDC_LIST_NAME, 2);  // a built-in list: its look, the switch settings kept
    EXPECT_EQ(SelectedList, 2u);
    EXPECT_EQ(LookForms(SceneSettings), LookForms(BuiltInLooks[2]));
    EXPECT_EQ(SceneSettings.Period, 60);

    SceneSettings.RenderingMode = 13;
    Choose(IDC_LIST_NAME, 7);  // never saved: selected, nothing applied
    EXPECT_EQ(SelectedList, 7u);
    EXPECT_EQ(SceneSettings.RenderingMode, 13u);
    EXPECT_TRUE(IsEnabled(IDC_DONE) && IsEnabled(IDC_CLEAR));

    // Period 0 stops the auto-switch at once and greys every list box.
    Type(IDC_PERIOD, "0");
    EXPECT_EQ(SceneSettings.Period, 0);
    for (int list = 0; list < 10; ++list)
        EXPECT_FALSE(IsEnabled(IDC_FIRST_LIST_CHECK + list)) << list;
    EXPECT_FALSE(KillTimer(RenderWindow, AutoSwitchTimer));

    Type(IDC_PERIOD, "45");
    EXPECT_EQ(SceneSettings.Period, 45);
    EXPECT_TRUE(IsEnabled(IDC_FIRST_LIST_CHECK + 5));
    EXPECT_TRUE(KillTimer(RenderWindow, AutoSwitchTimer));
}

// The look the user makes survives the pages: visiting each of them (Default3's Density of 100 lies beyond
// its bar), the focus coming and going, a box ticked, a period typed and Done on an empty slot all keep it,
// and the list it was saved as gives it back. Saving over a saved list: choose it (its look appears), change
// the look, Done.
TEST_F(DialogPages, ALookMadeOnThePagesIsKeptUntilSavedAndComesBackAsSaved) {
    Preset(2, SwitchSettings::Keep);
    HWND dialog = OpenOverRenderWindow();  // shown: a new page's first control takes the focus
    Choose(IDC_RENDERING_MODE, 3);
    Type(IDC_LINE_WIDTH, "4.5");
    const auto made = LookForms(SceneSettings);
    for (int tab : {1, 2, 3, 5, 4})
        SelectTab(dialog, tab);
    for (int control : {IDC_LIST_NAME, IDC_PERIOD, IDC_FIRST_LIST_CHECK + 2, IDC_DONE})
        SetFocus(PageItem(control));
    Click(IDC_FIRST_LIST_CHECK + 2);
    Type(IDC_PERIOD, "45");
    SelectTab(dialog, 0);
    SelectTab(dialog, 4);
    EXPECT_EQ(LookForms(SceneSettings), made);
    EXPECT_EQ(SceneSettings.AutoList, 63 - 4);
    EXPECT_EQ(SceneSettings.Period, 45);

    Choose(IDC_LIST_NAME, 8);  // never saved: chosen, nothing applied
    SendMessageA(PageItem(IDC_LIST_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("made"));
    Click(IDC_DONE);
    EXPECT_EQ(LookForms(SceneSettings), made);
    Choose(IDC_LIST_NAME, 1);
    EXPECT_EQ(LookForms(SceneSettings), LookForms(BuiltInLooks[1]));
    Choose(IDC_LIST_NAME, 8);
    EXPECT_EQ(LookForms(SceneSettings), made);

    SelectTab(dialog, 0);
    Choose(IDC_RENDERING_MODE, 12);
    const auto changed = LookForms(SceneSettings);
    SelectTab(dialog, 4);
    EXPECT_EQ(SelectionOf(IDC_LIST_NAME), 8);
    Click(IDC_DONE);
    Choose(IDC_LIST_NAME, 0);
    Choose(IDC_LIST_NAME, 8);
    EXPECT_EQ(LookForms(SceneSettings), changed);
    EXPECT_EQ(ListNames[8], "made");
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

class SwitchPageLists : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        SelectTab(OpenConfigDialog(nullptr), 4);
    }
    void SaveAs(int list, const std::string& name) {
        Choose(IDC_LIST_NAME, list);
        SendMessageA(PageItem(IDC_LIST_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        Click(IDC_DONE);
    }
};

TEST_F(SwitchPageLists, DoneSavesTheLookUnderTheTypedNameAndStoresTheMainKey) {
    Preset(4, SwitchSettings::Keep);
    SaveAs(7, "evening");

    EXPECT_EQ(ListNames[7], "evening");
    EXPECT_EQ(ItemOf(IDC_LIST_NAME, 7), L"evening");
    EXPECT_EQ(SelectionOf(IDC_LIST_NAME), 7);
    EXPECT_EQ(SceneSettings.SavedList, 128);
    EXPECT_TRUE(SettingsStored);

    const auto list = ValuesOf(SubkeyPath("custom2"));
    EXPECT_EQ(list.size(), LookValueCount);
    EXPECT_EQ(list.at("RenderingMode"), std::to_string(BuiltInLooks[4].RenderingMode));
    const auto main = ValuesOf(SettingsKeyPath);
    EXPECT_EQ(main.at(""), "25");
    EXPECT_EQ(main.at("custom2"), "evening");
    EXPECT_EQ(main.at("SavedList"), "128");
    EXPECT_TRUE(ShownMessages.empty()) << ShownMessages.front();

    // The saved list can now be checked for the auto-switch, and selecting it loads it.
    EXPECT_TRUE(IsEnabled(IDC_FIRST_LIST_CHECK + 7));
    Preset(FactoryLook, SwitchSettings::Keep);
    Choose(IDC_LIST_NAME, 7);
    EXPECT_EQ(LookForms(SceneSettings), LookForms(BuiltInLooks[4]));
}

// A name is typed key by key into the list combo's edit field, which scrolls: it takes more than its width
// shows, and the name keeps 62 characters.
TEST_F(SwitchPageLists, NamesCanBeTypedBeyondTheFieldsWidthAndAreCutTo62Characters) {
    Choose(IDC_LIST_NAME, 6);
    HWND field = FindWindowExA(PageItem(IDC_LIST_NAME), nullptr, "Edit", nullptr);
    ASSERT_NE(field, nullptr);
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    for (int i = 0; i < 80; ++i)
        SendMessageA(field, WM_CHAR, 'n', 1);
    Click(IDC_DONE);
    EXPECT_EQ(ListNames[6], std::string(62, 'n'));
    SaveAs(9, "");
    EXPECT_EQ(ListNames[9], "");
    EXPECT_EQ(ItemOf(IDC_LIST_NAME, 9), L"");
    EXPECT_EQ(ValuesOf(SettingsKeyPath).at("custom4"), "");
}

TEST_F(SwitchPageLists, ClearForgetsTheListButKeepsItsName) {
    SaveAs(8, "night");
    Click(IDC_FIRST_LIST_CHECK + 8);
    EXPECT_EQ(SceneSettings.AutoList, 63 + 256);

    Click(IDC_CLEAR);
    EXPECT_FALSE(KeyExists(SubkeyPath("custom3")));
    EXPECT_EQ(SceneSettings.SavedList, 0);
    EXPECT_EQ(SceneSettings.AutoList, 63);
    EXPECT_FALSE(IsChecked(IDC_FIRST_LIST_CHECK + 8));
    EXPECT_EQ(ItemOf(IDC_LIST_NAME, 8), L"night");
    const auto main = ValuesOf(SettingsKeyPath);
    EXPECT_EQ(main.at("SavedList"), "0");
    EXPECT_EQ(main.at("AutoList"), "63");
}

// While the user works on the page (a list chosen, a name typed), the auto-switch waits: Done saves the look
// the user saw into that list under that name, and the switch goes on after it.
TEST_F(SwitchPageLists, TheAutoSwitchWaitsWhileTheUserWorksOnAList) {
    const uint32_t running = CurrentList;
    Choose(IDC_LIST_NAME, 8);
    SendMessageA(PageItem(IDC_LIST_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("dusk"));
    SceneSettings.AutoList = 1 << 3;
    AutoSwitch();
    EXPECT_EQ(CurrentList, running);
    EXPECT_EQ(SelectionOf(IDC_LIST_NAME), 8);
    EXPECT_EQ(TextOf(IDC_LIST_NAME), "dusk");

    Click(IDC_DONE);
    EXPECT_EQ(ListNames[8], "dusk");
    EXPECT_EQ(ListNames[3], "Default4");
    EXPECT_EQ(ValuesOf(SubkeyPath("custom3")).at("RenderingMode"),
              std::to_string(BuiltInLooks[FactoryLook].RenderingMode));
    SceneSettings.AutoList = 1 << 3;
    AutoSwitch();
    EXPECT_EQ(CurrentList, 3u);
}

TEST_F(SwitchPageLists, DoneAndClearDoNothingForABuiltInList) {
    Choose(IDC_LIST_NAME, 3);
    EXPECT_FALSE(IsEnabled(IDC_DONE));
    // Sent anyway, as a disabled button never would.
    SendMessageA(CurrentPage, WM_COMMAND, MAKEWPARAM(IDC_DONE, BN_CLICKED), 0);
    SendMessageA(CurrentPage, WM_COMMAND, MAKEWPARAM(IDC_CLEAR, BN_CLICKED), 0);
    EXPECT_FALSE(KeyExists(SettingsKeyPath));
    EXPECT_EQ(ListNames[3], "Default4");
    EXPECT_EQ(SceneSettings.SavedList, 0);
}

}  // namespace
