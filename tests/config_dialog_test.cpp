// The Configuration dialog's own life under Wine: tabs and pages, Save, Cancel, Default and the close box,
// placement beside the render window, the modal dialog of the configure mode, and windows that must not be
// left behind.
#include <gtest/gtest.h>

#include "settings/registry_store.h"
#include "shell/window_proc.h"
#include "support/dialog_driver.h"

namespace {

using ConfigDialog = DialogTest;

TEST_F(ConfigDialog, OpensWithSixTabsOnTheTabShownLast) {
    HWND dialog = OpenConfigDialog(nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_TABS, TCM_GETITEMCOUNT, 0, 0), 6);
    EXPECT_EQ(SelectedTabOf(dialog), 0);
    EXPECT_NE(PageItem(IDC_RENDERING_MODE), nullptr);

    SelectTab(dialog, 3);
    EXPECT_EQ(CurrentTab, 3);
    EXPECT_NE(PageItem(IDC_FUNC_RADIUS), nullptr);
    SendMessageA(dialog, WM_CLOSE, 0, 0);

    HWND again = OpenConfigDialog(nullptr);
    EXPECT_EQ(SelectedTabOf(again), 3);
    EXPECT_NE(PageItem(IDC_DEPTH_FREQ), nullptr);
}

TEST_F(ConfigDialog, TheSelectedTabAgainRecreatesNothing) {
    HWND dialog = OpenConfigDialog(nullptr);
    SelectTab(dialog, 2);
    HWND page = CurrentPage;
    SelectTab(dialog, 2);
    EXPECT_EQ(CurrentPage, page);
    EXPECT_TRUE(IsWindow(page));
}

TEST_F(ConfigDialog, PagesFillTheTabsDisplayArea) {
    HWND dialog = OpenConfigDialog(nullptr);
    for (int tab = 0; tab < 6; ++tab) {
        SelectTab(dialog, tab);
        RECT page{};
        GetWindowRect(CurrentPage, &page);
        EXPECT_EQ(page.right - page.left, PageRect.right - PageRect.left) << tab;
        EXPECT_EQ(page.bottom - page.top, PageRect.bottom - PageRect.top) << tab;
        RECT tabs{};
        GetWindowRect(GetDlgItem(dialog, IDC_TABS), &tabs);
        EXPECT_TRUE(page.left >= tabs.left && page.right <= tabs.right && page.bottom <= tabs.bottom) << tab;
    }
}

TEST_F(ConfigDialog, SitsBesideAWindowAndTopLeftOverTheFullScreen) {
    HWND dialog = OpenOverRenderWindow();
    RECT render{};
    RECT own{};
    GetWindowRect(RenderWindow, &render);
    GetWindowRect(dialog, &own);
    EXPECT_EQ(own.left, render.right);
    EXPECT_EQ(own.top, 0);
    EXPECT_TRUE(IsWindowVisible(dialog));
    DestroyWindow(dialog);
    DestroyRenderWindow();

    ASSERT_TRUE(CreateRenderWindow(WindowMode::Full));
    dialog = OpenConfigDialog(RenderWindow);
    GetWindowRect(dialog, &own);
    EXPECT_EQ(own.left, 0);
    EXPECT_EQ(own.top, 0);
}

TEST_F(ConfigDialog, DefaultAppliesTheFirstLookAndStoresNothing) {
    HWND dialog = OpenConfigDialog(nullptr);
    Preset(5, SwitchSettings::Keep);
    SceneSettings.Period = 7;
    PressDialogButton(dialog, IDC_DEFAULT);
    EXPECT_EQ(SceneSettings.RenderingMode, BuiltInLooks[0].RenderingMode);
    EXPECT_EQ(SceneSettings.Period, 60);
    EXPECT_EQ(SelectionOf(IDC_RENDERING_MODE), static_cast<int>(BuiltInLooks[0].RenderingMode));
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_FALSE(KeyExists(SettingsKeyPath));
}

// Cancel returns to what is stored, after edits and after Default alike.
TEST_F(ConfigDialog, CancelReloadsTheStoredSettingsAndCloses) {
    Preset(2, SwitchSettings::Keep);
    SceneSettings.Period = 0;
    RegistrySave(SaveTarget::MainKey);
    HWND dialog = OpenOverRenderWindow();
    Choose(IDC_RENDERING_MODE, 14);
    PressDialogButton(dialog, IDCANCEL);
    EXPECT_EQ(SceneSettings.RenderingMode, BuiltInLooks[2].RenderingMode);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(DrainMessages());  // a render window exists: the program goes on

    dialog = OpenConfigDialog(RenderWindow);
    PressDialogButton(dialog, IDC_DEFAULT);
    EXPECT_EQ(SceneSettings.RenderingMode, BuiltInLooks[0].RenderingMode);
    PressDialogButton(dialog, IDCANCEL);
    EXPECT_EQ(SceneSettings.RenderingMode, BuiltInLooks[2].RenderingMode);
    EXPECT_EQ(SceneSettings.Period, 0);
}

// With the auto-switch on, Cancel returns to the stored look until this run has applied a list, and then
// to that list, a full period before the next switch.
TEST_F(ConfigDialog, CancelWithTheAutoSwitchOnReappliesOnlyAListThisRunApplied) {
    Preset(2, SwitchSettings::Keep);
    SceneSettings.Period = 30;
    RegistrySave(SaveTarget::MainKey);
    HWND dialog = OpenOverRenderWindow();
    PressDialogButton(dialog, IDCANCEL);
    EXPECT_EQ(SceneSettings.RenderingMode, BuiltInLooks[2].RenderingMode);

    CurrentList = 3;  // the auto-switch showed Default4 since
    CurrentListApplied = true;
    dialog = OpenConfigDialog(RenderWindow);
    KillTimer(RenderWindow, AutoSwitchTimer);
    PressDialogButton(dialog, IDCANCEL);
    EXPECT_EQ(SceneSettings.RenderingMode, BuiltInLooks[3].RenderingMode);
    EXPECT_EQ(SceneSettings.Period, 30);
    EXPECT_TRUE(KillTimer(RenderWindow, AutoSwitchTimer));
}

// A key typed into the dialog over the saver, as the main loop hands it on.
void TypeKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 0);
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (!RouteDialogKeys(message)) DispatchMessageA(&message);
}

// Enter confirms a field: the dialog stays and so does the change. Escape cancels the dialog, not the saver.
TEST_F(ConfigDialog, EnterKeepsTheDialogAndItsChangesAndEscapeCancelsTheDialogNotTheSaver) {
    HWND dialog = OpenOverRenderWindow();
    SetFocus(PageItem(IDC_LINE_WIDTH));
    Type(IDC_LINE_WIDTH, "3.5");
    TypeKey(PageItem(IDC_LINE_WIDTH), VK_RETURN);
    TypeKey(GetDlgItem(dialog, IDC_TABS), VK_RETURN);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_FLOAT_EQ(SceneSettings.LineWidth, 3.5f);

    TypeKey(GetDlgItem(dialog, IDC_TABS), VK_ESCAPE);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_NE(RenderWindow, nullptr);
    EXPECT_FLOAT_EQ(SceneSettings.LineWidth, 1.0f);
}

// The close box keeps edits and Default's look alike, unstored.
TEST_F(ConfigDialog, TheCloseBoxKeepsTheChangesUnstored) {
    HWND dialog = OpenOverRenderWindow();
    Choose(IDC_RENDERING_MODE, 12);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(SceneSettings.RenderingMode, 12u);

    Preset(3, SwitchSettings::Keep);
    dialog = OpenConfigDialog(RenderWindow);
    PressDialogButton(dialog, IDC_DEFAULT);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(SceneSettings.RenderingMode, BuiltInLooks[0].RenderingMode);
    EXPECT_FALSE(KeyExists(SettingsKeyPath));
}

TEST_F(ConfigDialog, ClosingWithoutARenderWindowEndsTheProgram) {
    PressDialogButton(OpenConfigDialog(nullptr), IDCANCEL);
    EXPECT_TRUE(DrainMessages());
    SendMessageA(OpenConfigDialog(nullptr), WM_CLOSE, 0, 0);
    EXPECT_TRUE(DrainMessages());
}

void Press(WPARAM key) {
    SendMessageA(RenderWindow, WM_KEYDOWN, key, 0);
    SendMessageA(RenderWindow, WM_KEYUP, key, 0);
}

// F1 and Space each open one more dialog over the full-screen saver and show the cursor while it is open.
// Each dialog keeps the handles it made: closing the newest leaves an older one working, and whatever ends a
// dialog (its close box, or F3 taking it down with the render window) hides the cursor it showed.
TEST_F(ConfigDialog, DialogsOverTheSaverKeepTheirControlsAndGiveTheCursorBack) {
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Full));
    const int hidden = CursorCounter();
    Press(VK_F1);
    Press(VK_F1);
    Press(VK_SPACE);
    HWND newer = GetParent(CurrentPage);
    ASSERT_EQ(ConfigDialogs().size(), 3u);
    EXPECT_EQ(CursorCounter(), hidden + 3);

    SendMessageA(newer, WM_CLOSE, 0, 0);
    EXPECT_EQ(CursorCounter(), hidden + 2);
    ASSERT_NE(CurrentPage, nullptr);
    EXPECT_TRUE(IsWindowVisible(GetParent(CurrentPage)));  // an older dialog's page is live again
    EXPECT_NE(GetParent(CurrentPage), newer);
    Slide(IDC_ALPHA_LASER, 37);
    EXPECT_DOUBLE_EQ(SceneSettings.AlphaLaser, 0.37);

    Press(VK_F3);  // to window mode: the dialog goes with the old window
    EXPECT_TRUE(ConfigDialogs().empty());
    EXPECT_GE(CursorCounter(), 0);
    Press(VK_F3);  // back to full screen: hidden as before
    EXPECT_TRUE(FullScreen);
    EXPECT_EQ(CursorCounter(), hidden);
}

// A key held when the dialog takes the focus goes up in the dialog: the saver forgets it. Otherwise F2 would
// toggle the overlay at every later key, and no key but Escape would end the full-screen saver.
TEST_F(ConfigDialog, KeysHeldWhenTheDialogTakesTheFocusAreForgotten) {
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Full));
    SendMessageA(RenderWindow, WM_KEYDOWN, VK_F2, 0);
    SendMessageA(RenderWindow, WM_KEYDOWN, VK_RETURN, 0);
    Press(VK_F1);
    ASSERT_EQ(ConfigDialogs().size(), 1u);
    EXPECT_FALSE(KeyDown[VK_F2]);
    EXPECT_FALSE(KeyDown[VK_RETURN]);
    SendMessageA(RenderWindow, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(RenderWindow, nullptr);
    EXPECT_TRUE(DrainMessages());
}

TEST_F(ConfigDialog, SaveStoresTheSettingsAndReplacesTheDialog) {
    HWND dialog = OpenOverRenderWindow();
    HWND window = RenderWindow;
    SelectTab(dialog, 1);
    Choose(IDC_ROUTE_B, 3);
    PressDialogButton(dialog, IDOK);

    EXPECT_EQ(ValuesOf(SettingsKeyPath).at("RouteB"), "3");
    EXPECT_TRUE(SettingsStored);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(RenderWindow, window);
    ASSERT_EQ(ConfigDialogs().size(), 1u);
    EXPECT_EQ(SelectedTabOf(ConfigDialogs().front()), 1);
}

// Save in the configure mode when no window can be made (here: the window class name is taken): the settings
// are stored, the creation's own message is shown, and the program ends.
TEST_F(ConfigDialog, SaveWhenNoWindowCanBeMadeStoresTheSettingsAndEnds) {
    WNDCLASSA taken{};
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = "ForOpenGL";
    ASSERT_NE(RegisterClassA(&taken), 0);
    PressDialogButton(OpenConfigDialog(nullptr), IDOK);
    UnregisterClassA("ForOpenGL", GetModuleHandleA(nullptr));
    EXPECT_EQ(ShownMessages, std::vector<std::string>{"ERROR: Failed To Register The Window Class."});
    EXPECT_TRUE(KeyExists(SettingsKeyPath));
    EXPECT_EQ(RenderWindow, nullptr);
    EXPECT_TRUE(ConfigDialogs().empty());
    EXPECT_TRUE(DrainMessages());
    ShownMessages.clear();
}

// The configure mode: the modal dialog, driven from a timer since it runs its own message loop.
HWND ModalSeen = nullptr;

VOID CALLBACK PressSave(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    ModalSeen = ConfigDialogs().front();
    PressDialogButton(ModalSeen, IDOK);
}

VOID CALLBACK PressEscape(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    ModalSeen = ConfigDialogs().front();
    // The modal loop knows the keyboard: Escape cancels.
    PostMessageA(ModalSeen, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(ConfigDialog, SaveInTheConfigureModeOpensTheWindowBesideAFreshDialog) {
    SetTimer(nullptr, 0, 10, PressSave);
    ASSERT_TRUE(RunConfigDialog(nullptr));

    EXPECT_FALSE(IsWindow(ModalSeen));
    ASSERT_NE(RenderWindow, nullptr);
    EXPECT_FALSE(FullScreen);
    RECT client{};
    GetClientRect(RenderWindow, &client);
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 480);
    EXPECT_EQ(ValuesOf(SettingsKeyPath).at(""), "25");

    ASSERT_EQ(ConfigDialogs().size(), 1u);
    HWND fresh = ConfigDialogs().front();
    EXPECT_EQ(GetWindow(fresh, GW_OWNER), RenderWindow);
    RECT render{};
    RECT own{};
    GetWindowRect(RenderWindow, &render);
    GetWindowRect(fresh, &own);
    EXPECT_EQ(own.left, render.right);

    // A second Save only replaces the dialog.
    HWND window = RenderWindow;
    PressDialogButton(fresh, IDOK);
    EXPECT_EQ(RenderWindow, window);
    EXPECT_EQ(ConfigDialogs().size(), 1u);
    EXPECT_FALSE(DrainMessages());
}

TEST_F(ConfigDialog, EscapeInTheConfigureModeCancelsAndEndsTheProgram) {
    SetTimer(nullptr, 0, 10, PressEscape);
    ASSERT_TRUE(RunConfigDialog(nullptr));
    EXPECT_FALSE(IsWindow(ModalSeen));
    EXPECT_EQ(RenderWindow, nullptr);
    EXPECT_TRUE(DrainMessages());
}

TEST_F(ConfigDialog, AnOwnerThatIsNoWindowStillShowsTheDialog) {
    SetTimer(nullptr, 0, 10, PressEscape);
    EXPECT_TRUE(RunConfigDialog(reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7654321))));
    EXPECT_NE(ModalSeen, nullptr);
    DrainMessages();
}

// Pages and modeless dialogs are destroyed, not merely ended: ended ones would stay as hidden windows. (No
// render window here: under Wine without a window manager, every visible window takes seconds to go.)
TEST_F(ConfigDialog, TabSwitchesAndClosedDialogsLeaveNoWindowsBehind) {
    HWND dialog = OpenConfigDialog(nullptr);
    SelectTab(dialog, 1);
    SelectTab(dialog, 0);
    const WindowCount before = CountThreadWindows();
    for (int i = 1; i <= 100; ++i)
        SelectTab(dialog, i % 6);
    SelectTab(dialog, 0);
    const WindowCount after = CountThreadWindows();
    EXPECT_EQ(after.topLevel, before.topLevel);
    EXPECT_EQ(after.all, before.all);

    DestroyWindow(dialog);
    const WindowCount without = CountThreadWindows();
    for (int i = 0; i < 20; ++i) {
        dialog = OpenConfigDialog(nullptr);
        SelectTab(dialog, (i + 1) % 6);
        if (i % 2 == 0)
            SendMessageA(dialog, WM_CLOSE, 0, 0);
        else
            PressDialogButton(dialog, IDCANCEL);
        EXPECT_TRUE(DrainMessages());  // no render window: each close asks the program to end
    }
    const WindowCount end = CountThreadWindows();
    EXPECT_EQ(end.topLevel, without.topLevel);
    EXPECT_EQ(end.all, without.all);
    EXPECT_TRUE(ConfigDialogs().empty());
    EXPECT_EQ(TabControl, nullptr);
    EXPECT_EQ(CurrentPage, nullptr);
}

}  // namespace
