// Test helpers for the Configuration dialog: open and find dialogs, and drive the live page's controls with
// the messages a user's actions produce.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "config_ui/config_dialog.h"
#include "resources/dialog_ids.h"
#include "support/registry_helpers.h"
#include "window/render_window.h"
#include "window/switch_timer.h"

inline HWND PageItem(int control) {
    return GetDlgItem(CurrentPage, control);
}

// Selects a tab as a click does: the selection changes, then the tab control notifies the dialog.
inline void SelectTab(HWND dialog, int tab) {
    HWND tabs = GetDlgItem(dialog, IDC_TABS);
    SendMessageA(tabs, TCM_SETCURSEL, tab, 0);
    NMHDR header{tabs, IDC_TABS, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(dialog, WM_NOTIFY, IDC_TABS, reinterpret_cast<LPARAM>(&header));
}

inline int SelectedTabOf(HWND dialog) {
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_TABS, TCM_GETCURSEL, 0, 0));
}

inline void Choose(int control, int item) {
    SendMessageA(PageItem(control), CB_SETCURSEL, item, 0);
    SendMessageA(CurrentPage, WM_COMMAND, MAKEWPARAM(control, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(PageItem(control)));
}

inline void Slide(int control, int position) {
    SendMessageA(PageItem(control), TBM_SETPOS, TRUE, position);
    SendMessageA(CurrentPage, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                 reinterpret_cast<LPARAM>(PageItem(control)));
}

inline void Click(int control) {
    SendMessageA(PageItem(control), BM_CLICK, 0, 0);
}

// An edit box reports its new text to the page by itself.
inline void Type(int control, const char* text) {
    SendMessageA(PageItem(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

inline void PressDialogButton(HWND dialog, int control) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, control)));
}

inline std::string TextOf(int control) {
    char text[256] = {};
    GetWindowTextA(PageItem(control), text, sizeof text);
    return text;
}

inline int PositionOf(int control) {
    return static_cast<int>(SendMessageA(PageItem(control), TBM_GETPOS, 0, 0));
}

inline int RangeMaxOf(int control) {
    return static_cast<int>(SendMessageA(PageItem(control), TBM_GETRANGEMAX, 0, 0));
}

inline int SelectionOf(int control) {
    return static_cast<int>(SendMessageA(PageItem(control), CB_GETCURSEL, 0, 0));
}

inline int ItemCountOf(int control) {
    return static_cast<int>(SendMessageW(PageItem(control), CB_GETCOUNT, 0, 0));
}

inline std::wstring ItemOf(int control, int item) {
    wchar_t text[256] = {};
    SendMessageW(PageItem(control), CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
    return text;
}

inline bool IsChecked(int control) {
    return SendMessageA(PageItem(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

inline bool IsEnabled(int control) {
    return IsWindowEnabled(PageItem(control)) != FALSE;
}

// Every window of this thread: the top-level ones, and all of them with their descendants.
struct WindowCount {
    int topLevel = 0;
    int all = 0;
};

inline WindowCount CountThreadWindows() {
    std::vector<HWND> tops;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tops));
    WindowCount count{static_cast<int>(tops.size()), static_cast<int>(tops.size())};
    for (HWND top : tops)
        EnumChildWindows(
            top,
            [](HWND, LPARAM all) {
                ++*reinterpret_cast<int*>(all);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&count.all));
    return count;
}

// The Configuration dialogs of this thread, open or hidden.
inline std::vector<HWND> ConfigDialogs() {
    std::vector<HWND> dialogs;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            char title[64] = {};
            GetWindowTextA(window, title, sizeof title);
            if (std::string(title) == "Configuration")
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

// Takes every waiting message; true when one of them was the quit message.
inline bool DrainMessages() {
    bool quit = false;
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) quit = true;
        DispatchMessageA(&message);
    }
    return quit;
}

inline int CursorCounter() {
    ShowCursor(TRUE);
    return ShowCursor(FALSE);
}

// Every test starts without a settings key, with the factory setting, on the Laser tab, and ends with no
// dialog, no render window and no waiting message.
class DialogTest : public testing::Test {
protected:
    void SetUp() override {
        ResetStoredSettingsState();
        CurrentTab = 0;
        FullScreen = false;
    }
    void TearDown() override {
        for (HWND dialog : ConfigDialogs())
            DestroyWindow(dialog);
        if (RenderWindow != nullptr) DestroyRenderWindow();
        DrainMessages();
        EndStoredSettingsTest();
    }
    // A modeless dialog as F1 opens it over a render window in window mode.
    HWND OpenOverRenderWindow() {
        EXPECT_TRUE(CreateRenderWindow(WindowMode::Framed));
        return OpenConfigDialog(RenderWindow);
    }
};
