#include "config_ui/config_dialog.h"

#include <GL/gl.h>
#include <commctrl.h>
#include <mmsystem.h>

#include <algorithm>

#include "config_ui/settings_pages.h"
#include "config_ui/sync_controls.h"
#include "resources/dialog_ids.h"
#include "resources/resource_ids.h"
#include "settings/presets.h"
#include "settings/registry_store.h"
#include "settings/scene_settings.h"
#include "window/render_window.h"
#include "window/switch_timer.h"

int CurrentTab = 0;
HWND TabControl = nullptr;
RECT PageRect = {};
HWND CurrentPage = nullptr;

namespace {

// The creation parameter of the dialog that DialogBoxParamA runs. That one ends with EndDialog; the modeless
// ones must be destroyed, or every closed dialog would stay behind as a hidden window.
constexpr LPARAM ModalMark = 1;
HWND ModalDialog = nullptr;

// The dialog's default command, which Enter sends unless a button has the focus: it names no control and
// does nothing. Enter typed to confirm a width or a period must neither close the dialog nor cancel it.
constexpr WORD EnterCommand = 0x7FFF;

char TabTexts[TabCount][9] = {"Laser", "Sprinkle", "Color", "General", "Switch", "Help"};

bool ChangeHeld = false;

HINSTANCE Module() {
    return GetModuleHandleA(nullptr);
}

void EndConfigDialog(HWND dialog) {
    if (dialog == ModalDialog)
        EndDialog(dialog, 0);
    else
        DestroyWindow(dialog);
}

// Beside the render window when it leaves room (its right edge within 70 % of the screen width), otherwise
// in the top left corner; always at the top of the screen.
void PlaceBesideRenderWindow(HWND dialog) {
    if (RenderWindow == nullptr) return;
    RECT own{};
    RECT render{};
    GetWindowRect(dialog, &own);
    GetWindowRect(RenderWindow, &render);
    const int left = render.right <= 0.7 * GetSystemMetrics(SM_CXSCREEN) ? render.right : 0;
    SetWindowPos(dialog, HWND_TOP, left, 0, own.right - own.left, own.bottom - own.top, SWP_SHOWWINDOW);
}

void InsertTabs(HWND tabs) {
    for (int tab = 0; tab < TabCount; ++tab) {
        TCITEMA item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = TabTexts[tab];
        item.iImage = -1;
        SendMessageA(tabs, TCM_INSERTITEMA, tab, reinterpret_cast<LPARAM>(&item));
    }
}

// The page of CurrentTab, created in the dialog; the dialog keeps it to destroy it at the next tab change.
// Pages are Unicode windows so that their combo boxes can hold texts beyond the ANSI code page.
void ShowPage(HWND dialog) {
    if (CurrentTab < 0 || CurrentTab >= TabCount) CurrentTab = 0;
    HWND page = CreateDialogParamW(Module(), MAKEINTRESOURCEW(IDD_LASER_PAGE + CurrentTab), dialog,
                                   PageProcedures[CurrentTab], 0);
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
}

HWND PageOf(HWND dialog) {
    return reinterpret_cast<HWND>(GetWindowLongPtrA(dialog, DWLP_USER));
}

INT_PTR CALLBACK MeasureProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The size a page's template gives it in its own font, measured on a hidden copy.
SIZE PageSize(HWND dialog, int tab) {
    SIZE size{};
    HWND page = CreateDialogParamW(Module(), MAKEINTRESOURCEW(IDD_LASER_PAGE + tab), dialog, MeasureProc, 0);
    if (page == nullptr) return size;
    RECT rect{};
    GetWindowRect(page, &rect);
    DestroyWindow(page);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void MoveControl(HWND dialog, int control, int dx, int dy) {
    HWND window = GetDlgItem(dialog, control);
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(window, nullptr, rect.left + dx, rect.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void Resize(HWND window, int dx, int dy) {
    RECT rect{};
    GetWindowRect(window, &rect);
    SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left + dx, rect.bottom - rect.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER);
}

// Cancel's rectangle ends on the dialog's right edge, which hides its border; the dialog grows by the
// few pixels that show it whole.
void KeepButtonsInside(HWND dialog) {
    constexpr int Margin = 4;
    RECT client{}, button{};
    GetClientRect(dialog, &client);
    GetWindowRect(GetDlgItem(dialog, IDCANCEL), &button);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
    const int dx = button.right + Margin - client.right;
    if (dx > 0) Resize(dialog, dx, 0);
}

// WORKAROUND: where a system lacks the dialog's and the pages' fonts (Wine does), it replaces them by others
// of other proportions. The tab control then grows, and the dialog with it, until all six tabs and every page
// fit; the buttons keep their places below it and at its right, with Cancel wholly inside.
void FitTabsAndPages(HWND dialog, HWND tabs) {
    RECT display{};
    GetClientRect(tabs, &display);
    const LONG stripWidth = display.right;
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    SIZE need{};
    for (int tab = 0; tab < TabCount; ++tab) {
        const SIZE page = PageSize(dialog, tab);
        need.cx = std::max(need.cx, page.cx);
        need.cy = std::max(need.cy, page.cy);
    }
    RECT lastTab{};
    SendMessageA(tabs, TCM_GETITEMRECT, TabCount - 1, reinterpret_cast<LPARAM>(&lastTab));
    const int dx = std::max({0L, need.cx - (display.right - display.left), lastTab.right + 2 - stripWidth});
    const int dy = std::max(0L, need.cy - (display.bottom - display.top));
    if (dx != 0 || dy != 0) {
        Resize(tabs, dx, dy);
        Resize(dialog, dx, dy);
        MoveControl(dialog, IDOK, dx, dy);
        MoveControl(dialog, IDCANCEL, dx, dy);
        MoveControl(dialog, IDC_DEFAULT, 0, dy);
    }
    KeepButtonsInside(dialog);
}

BOOL InitDialog(HWND dialog, LPARAM mark) {
    if (mark == ModalMark)
        ModalDialog = dialog;
    else
        ShowCursor(TRUE);  // over the full-screen scene the cursor is hidden; WM_DESTROY hides it again
    TabControl = GetDlgItem(dialog, IDC_TABS);
    InsertTabs(TabControl);
    FitTabsAndPages(dialog, TabControl);
    PlaceBesideRenderWindow(dialog);
    SetRectEmpty(&PageRect);
    GetWindowRect(TabControl, &PageRect);
    SendMessageA(TabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&PageRect));
    SendMessageA(TabControl, TCM_SETCURSEL, CurrentTab, 0);
    ShowPage(dialog);
    SendMessageA(dialog, DM_SETDEFID, EnterCommand, 0);
    // The tabs take the focus: the arrow keys switch pages and Tab leads on to Save. Escape cancels; Enter
    // clicks a button only when it has the focus.
    SetFocus(TabControl);
    return FALSE;
}

// A changed tab selection replaces the page; everything else the tab control reports changes nothing.
BOOL SwitchPage(HWND dialog) {
    HWND tabs = GetDlgItem(dialog, IDC_TABS);
    const int selection = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    if (selection == CurrentTab || selection < 0 || selection >= TabCount) return TRUE;
    PlayDialogSound(IDW_TAB);
    CurrentTab = selection;
    if (HWND old = PageOf(dialog)) DestroyWindow(old);
    TabControl = tabs;
    ShowPage(dialog);
    // The new page took the focus for its first control; the tabs keep it, so the arrow keys go on
    // switching pages.
    if (GetFocus() != nullptr && IsChild(PageOf(dialog), GetFocus())) SetFocus(tabs);
    return FALSE;
}

// Cancel and the close box: the picture starts afresh, the auto-switch goes on a full period from now, and
// the program ends when no render window exists.
void CloseConfigDialog(HWND dialog) {
    SettleUserChange();
    ArmAutoSwitchTimer();
    glClear(GL_COLOR_BUFFER_BIT);
    EndConfigDialog(dialog);
    if (RenderWindow == nullptr) PostQuitMessage(0);
}

// Stores the settings and replaces the dialog by a fresh one beside the render window, which the configure
// mode opens now in window mode.
void Save(HWND dialog) {
    PlayDialogSound(IDW_SAVE);
    RegistrySave(SaveTarget::MainKey);
    SettleUserChange();
    EndConfigDialog(dialog);
    if (RenderWindow == nullptr && !CreateRenderWindow(WindowMode::Framed)) {
        PostQuitMessage(0);
        return;
    }
    OpenConfigDialog(RenderWindow);
}

// Discards the changes since the last save: the stored main look comes back, and where the auto-switch or
// the start-up choice applied a list in this run, that list again, unless it was cleared since.
void Cancel(HWND dialog) {
    RegistryLoad(MainSettingsKey);
    if (SceneSettings.Period != 0 && CurrentListApplied && ListHasALook(CurrentList)) ApplyList(CurrentList);
    CloseConfigDialog(dialog);
}

// The factory setting, with the Sprinkle back where a slow first run had switched it off.
void Default() {
    PlayDialogSound(IDW_DEFAULT);
    ApplyFactorySettings();
    SceneSettings.OffSprinkle = 0;
    NoteUserChange();
    SyncControls(SyncDirection::SettingsToControls);
}

BOOL Command(HWND dialog, int id) {
    switch (id) {
        case IDOK: Save(dialog); return TRUE;
        case IDCANCEL: Cancel(dialog); return TRUE;
        case IDC_DEFAULT: Default(); return TRUE;
        case EnterCommand: return TRUE;
        default: return FALSE;
    }
}

// Makes dialog the live one, whose page transfers values, unless it is already: its controls first show the
// settings as they are now, since another dialog may have changed them.
void MakeLive(HWND dialog) {
    HWND tabs = GetDlgItem(dialog, IDC_TABS);
    if (tabs == nullptr || tabs == TabControl) return;
    TabControl = tabs;
    CurrentPage = PageOf(dialog);
    SyncControls(SyncDirection::SettingsToControls);
}

// Another open Configuration dialog of this thread than `leaving`, or null.
HWND OtherConfigDialog(HWND leaving) {
    struct Search {
        HWND leaving;
        HWND found;
    } search{leaving, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto* s = reinterpret_cast<Search*>(data);
            if (window == s->leaving ||
                GetWindowLongPtrA(window, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(ConfigDialogProc))
                return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A dialog that goes, by whatever way, gives back the cursor it showed, and hands the live page on to another
// open dialog, if any: the handles it made are its own and die with it.
void Forget(HWND dialog) {
    if (dialog == ModalDialog)
        ModalDialog = nullptr;
    else
        ShowCursor(FALSE);
    HWND other = OtherConfigDialog(dialog);
    if (other == nullptr) SettleUserChange();  // no dialog is left to hold it
    if (TabControl == GetDlgItem(dialog, IDC_TABS)) {
        TabControl = nullptr;
        CurrentPage = nullptr;
        if (other != nullptr) MakeLive(other);
    }
}

// Over a running saver (a render window exists) the idle time must not start another saver, whichever of its
// windows is in front.
bool SwallowsSystemCommand(HWND dialog, WPARAM command) {
    if (!AsksForScreenSaver(command) || RenderWindow == nullptr) return false;
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
    return true;
}

}  // namespace

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return InitDialog(dialog, lParam);
        case WM_NOTIFY: return SwitchPage(dialog);
        case WM_COMMAND: return Command(dialog, LOWORD(wParam));
        case WM_CLOSE: CloseConfigDialog(dialog); return TRUE;
        case WM_MOVING:  // dragging the dialog wipes the trails behind it
            glClear(GL_COLOR_BUFFER_BIT);
            return TRUE;
        case WM_ACTIVATE:  // the dialog the user turns to is the one whose page transfers values
            if (LOWORD(wParam) != WA_INACTIVE) MakeLive(dialog);
            return FALSE;
        case WM_SYSCOMMAND: return SwallowsSystemCommand(dialog, wParam);
        case WM_DESTROY: Forget(dialog); return FALSE;
        default: return FALSE;
    }
}

HWND OpenConfigDialog(HWND owner) {
    return CreateDialogParamA(Module(), MAKEINTRESOURCEA(IDD_CONFIG), owner, ConfigDialogProc, 0);
}

bool RouteDialogKeys(MSG& message) {
    if (message.hwnd == nullptr) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root == nullptr || root == RenderWindow || root == ModalDialog) return false;
    if (GetDlgItem(root, IDC_TABS) == nullptr) return false;  // not a Configuration dialog
    return IsDialogMessageA(root, &message) != FALSE;
}

void PlayDialogSound(int resource) {
    PlaySoundA(MAKEINTRESOURCEA(resource), Module(), SND_RESOURCE | SND_ASYNC);
}

bool DialogHoldsAChange() {
    return ChangeHeld;
}

void NoteUserChange() {
    ChangeHeld = true;
}

void SettleUserChange() {
    ChangeHeld = false;
}

bool RunConfigDialog(HWND owner) {
    // An owner handle from the command line that names no window would make the dialog fail, and the program
    // would wait for a quit that nothing posts.
    if (owner != nullptr && !IsWindow(owner)) owner = nullptr;
    return DialogBoxParamA(Module(), MAKEINTRESOURCEA(IDD_CONFIG), owner, ConfigDialogProc, ModalMark) != -1;
}
