#include "config_ui/settings_pages.h"

#include <commctrl.h>

#include "config_ui/config_dialog.h"
#include "config_ui/sync_controls.h"
#include "resources/dialog_ids.h"
#include "resources/resource_ids.h"
#include "settings/control_values.h"
#include "settings/registry_store.h"
#include "settings/scene_settings.h"

namespace {

// A saved list's name is typed into the list combo's edit field: at most 62 characters and the terminator.
constexpr int ListNameBufferSize = 63;

// Fills the page's combo boxes and sets its track bars' ranges and ticks, as the setting table gives them.
// The pages are Unicode windows so that the combo items can show texts beyond the ANSI code page.
void FillControls(HWND page, SettingsTab tab) {
    for (const ControlBinding& binding : ControlBindings) {
        if (binding.tab != tab) continue;
        switch (KindOf(binding.form)) {
            case ControlKind::ComboBox:
                for (size_t item = 0; item < binding.items.count; ++item)
                    SendDlgItemMessageW(page, binding.control, CB_ADDSTRING, 0,
                                        reinterpret_cast<LPARAM>(binding.items.names[item]));
                break;
            case ControlKind::TrackBar:
                SendDlgItemMessageA(page, binding.control, TBM_SETRANGE, TRUE, MAKELPARAM(0, binding.barMax));
                if (binding.barTick != 0)
                    SendDlgItemMessageA(page, binding.control, TBM_SETTIC, 0, binding.barTick);
                break;
            case ControlKind::CheckBox:
            case ControlKind::EditBox: break;
        }
    }
    if (tab == SwitchTab)
        for (const std::string& name : ListNames)
            SendDlgItemMessageA(page, IDC_LIST_NAME, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

// The list combo shows the list selected last or, before any was selected and while the auto-switch runs,
// the list it applied last. "Done" and "Clear" act on the list shown, which only the user's choice changes.
void ShowSelectedList(HWND page) {
    if (SelectedList == 0 && SceneSettings.Period != 0) SelectedList = CurrentList;
    if (SelectedList != 0 || SceneSettings.Period != 0)
        SendDlgItemMessageA(page, IDC_LIST_NAME, CB_SETCURSEL, SelectedList, 0);
}

void InitPage(HWND page, SettingsTab tab) {
    PlacePage(page);
    FillControls(page, tab);
    CurrentPage = page;
    if (tab == SwitchTab) ShowSelectedList(page);
    SyncControls(SyncDirection::SettingsToControls);
}

// Whether a control's command reports a value the user changed: a click, a chosen item, an edited text
// (a list name typed into the list combo's field too). A control that merely gains or loses the focus (as
// the first one does when its page is created) changes nothing, so visiting a page never rewrites a setting
// that its control cannot show. Nor do the notifications that a synchronisation's own writes cause.
bool ReportsAChange(HWND page, WPARAM wParam) {
    const WORD code = HIWORD(wParam);
    return page == CurrentPage && !SyncUnderWay() &&
           (code == BN_CLICKED || code == CBN_SELCHANGE || code == EN_CHANGE || code == CBN_EDITCHANGE);
}

// The pages Laser, Sprinkle, Color and General: every click, selection, edit and slider move of the live
// page reaches the settings at once.
template <SettingsTab Tab>
INT_PTR CALLBACK EditPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: InitPage(page, Tab); return TRUE;
        case WM_COMMAND:
            if (ReportsAChange(page, wParam)) {
                NoteUserChange();
                SyncControls(SyncDirection::ControlsToSettings, reinterpret_cast<HWND>(lParam));
            }
            return TRUE;
        case WM_HSCROLL:
            if (page == CurrentPage && !SyncUnderWay()) {
                NoteUserChange();
                SyncControls(SyncDirection::ControlsToSettings, reinterpret_cast<HWND>(lParam));
            }
            return TRUE;
        case WM_DESTROY: ForgetPage(page); return FALSE;
        default: return FALSE;
    }
}

// "Done": the current look becomes saved list SelectedList, under the name typed into the list combo.
void SaveSelectedList(HWND page) {
    if (!ListButtonsEnabled(SelectedList)) return;
    const SettingsWork work;  // the look stays the one the user saw when pressing "Done", to the last save
    PlayDialogSound(IDW_DONE);
    if (!SettingsStored) RegistrySave(SaveTarget::MainKey);

    HWND combo = GetDlgItem(page, IDC_LIST_NAME);
    char name[ListNameBufferSize] = {};
    GetWindowTextA(combo, name, sizeof name);
    SetListName(SelectedList, name);
    SendMessageA(combo, CB_DELETESTRING, SelectedList, 0);
    SendMessageA(combo, CB_INSERTSTRING, SelectedList,
                 reinterpret_cast<LPARAM>(ListNames[SelectedList].c_str()));
    SendMessageA(combo, CB_SETCURSEL, SelectedList, 0);

    SceneSettings.SavedList |= ListBits[SelectedList];
    RegistrySave(SaveTarget::SelectedListKey);
    RegistrySave(SaveTarget::MainKey);
    SettleUserChange();
}

// "Clear": saved list SelectedList is forgotten; it keeps its display name.
void ClearSelectedList(HWND page) {
    if (!ListButtonsEnabled(SelectedList)) return;
    const SettingsWork work;
    PlayDialogSound(IDW_CLEAR);
    SceneSettings.SavedList &= ~ListBits[SelectedList];
    SceneSettings.AutoList &= ~ListBits[SelectedList];
    CheckDlgButton(page, IDC_FIRST_LIST_CHECK + static_cast<int>(SelectedList), BST_UNCHECKED);
    RegistryDelete();
    RegistrySave(SaveTarget::MainKey);
    SettleUserChange();
}

// A list chosen in the list combo becomes SelectedList and its look replaces the current one: a built-in
// look keeps the switch settings, a saved list is read from its key, a list that was never saved changes
// nothing. This is the only way the Switch page changes the look.
void ChooseList(HWND page) {
    const LRESULT selection = SendDlgItemMessageA(page, IDC_LIST_NAME, CB_GETCURSEL, 0, 0);
    if (selection < 0 || selection >= static_cast<LRESULT>(ListCount)) return;
    SelectedList = static_cast<uint32_t>(selection);
    if (ListHasALook(SelectedList)) ApplyList(SelectedList);
}

INT_PTR CALLBACK SwitchPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: InitPage(page, SwitchTab); return TRUE;
        case WM_COMMAND:
            if (!ReportsAChange(page, wParam)) return TRUE;
            switch (LOWORD(wParam)) {
                case IDC_DONE: SaveSelectedList(page); break;
                case IDC_CLEAR: ClearSelectedList(page); break;
                case IDC_LIST_NAME:
                    NoteUserChange();  // a list chosen, or a name typed
                    if (HIWORD(wParam) == CBN_SELCHANGE) ChooseList(page);
                    break;
                default: NoteUserChange(); break;
            }
            // The check boxes and the period; the enabling rules follow the chosen list.
            SyncControls(SyncDirection::ControlsToSettings, reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_DESTROY: ForgetPage(page); return FALSE;
        default: return FALSE;
    }
}

// The Help page only shows its texts.
INT_PTR CALLBACK HelpPageProc(HWND page, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            PlacePage(page);
            CurrentPage = page;
            return TRUE;
        case WM_DESTROY: ForgetPage(page); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

const std::array<DLGPROC, TabCount> PageProcedures = {
    EditPageProc<LaserTab>, EditPageProc<SprinkleTab>,
    EditPageProc<ColorTab>, EditPageProc<GeneralTab>,
    SwitchPageProc,         HelpPageProc,
};

void PlacePage(HWND page) {
    // At the top left of the display area of the dialog's tab control, whose height depends on the font.
    HWND dialog = GetParent(page);
    RECT display{};
    GetClientRect(GetDlgItem(dialog, IDC_TABS), &display);
    SendDlgItemMessageA(dialog, IDC_TABS, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    MapWindowPoints(GetDlgItem(dialog, IDC_TABS), dialog, reinterpret_cast<POINT*>(&display), 2);
    SetWindowPos(page, HWND_TOP, display.left, display.top, PageRect.right - PageRect.left,
                 PageRect.bottom - PageRect.top, SWP_SHOWWINDOW);
}

void ForgetPage(HWND page) {
    if (CurrentPage == page) CurrentPage = nullptr;
}
