#include "config_ui/sync_controls.h"

#include <windows.h>

#include <commctrl.h>

#include "config_ui/config_dialog.h"
#include "config_ui/settings_pages.h"
#include "resources/dialog_ids.h"
#include "settings/control_values.h"
#include "settings/scene_settings.h"
#include "window/switch_timer.h"

namespace {

// Writing a control can notify its page (an edit box reports every new text), and the page would then read
// all its controls back while half of them still show the old settings. Such nested calls are ignored.
bool Syncing = false;

int SelectedTab() {
    if (TabControl == nullptr) return -1;
    return static_cast<int>(SendMessageA(TabControl, TCM_GETCURSEL, 0, 0));
}

// Control `control` of the live page when that page shows `tab`; null otherwise.
HWND PageControl(int tab, int control) {
    if (CurrentPage == nullptr || tab != SelectedTab()) return nullptr;
    return GetDlgItem(CurrentPage, control);
}

void ShowField(const ControlBinding& binding, HWND control) {
    if (KindOf(binding.form) == ControlKind::EditBox) {
        SetWindowTextA(control, ControlText(binding, SceneSettings).c_str());
        return;
    }
    const int32_t position = ControlPosition(binding, SceneSettings);
    switch (KindOf(binding.form)) {
        case ControlKind::ComboBox:
            SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
            break;
        case ControlKind::CheckBox:
            SendMessageA(control, BM_SETCHECK, position != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ControlKind::TrackBar: SendMessageA(control, TBM_SETPOS, TRUE, position); break;
        case ControlKind::EditBox: break;
    }
}

void ReadField(const ControlBinding& binding, HWND control) {
    switch (KindOf(binding.form)) {
        case ControlKind::ComboBox:
            ApplyControlPosition(binding, static_cast<int32_t>(SendMessageA(control, CB_GETCURSEL, 0, 0)),
                                 SceneSettings);
            break;
        case ControlKind::CheckBox:
            ApplyControlPosition(binding, SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED,
                                 SceneSettings);
            break;
        case ControlKind::TrackBar:
            ApplyControlPosition(binding, static_cast<int32_t>(SendMessageA(control, TBM_GETPOS, 0, 0)),
                                 SceneSettings);
            break;
        case ControlKind::EditBox: {
            char text[EditBufferSize] = {};
            GetWindowTextA(control, text, sizeof text);
            ApplyControlText(binding, text, SceneSettings);
            break;
        }
    }
}

void TransferFields(int tab, SyncDirection direction) {
    for (const ControlBinding& binding : ControlBindings) {
        if (binding.tab != tab) continue;
        HWND control = PageControl(tab, binding.control);
        if (control == nullptr) continue;
        if (direction == SyncDirection::ControlsToSettings)
            ReadField(binding, control);
        else
            ShowField(binding, control);
    }
}

HWND ListCheck(uint32_t list) {
    return PageControl(SwitchTab, IDC_FIRST_LIST_CHECK + static_cast<int>(list));
}

// The Switch page's check boxes are AutoList. Its list combo is the page's own: the selection changes only
// when the user chooses a list, never when values move (config_ui/settings_pages.cpp).
void ReadListChecks() {
    std::array<bool, ListCount> checked{};
    for (uint32_t list = 0; list < ListCount; ++list)
        checked[list] = SendMessageA(ListCheck(list), BM_GETCHECK, 0, 0) == BST_CHECKED;
    SceneSettings.AutoList = AutoListFromChecks(checked);
}

void ShowListChecks() {
    for (uint32_t list = 0; list < ListCount; ++list)
        SendMessageA(ListCheck(list), BM_SETCHECK,
                     (SceneSettings.AutoList & ListBits[list]) != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Enable(int tab, int control, bool enabled) {
    HWND window = PageControl(tab, control);
    if (window != nullptr) EnableWindow(window, enabled);
}

void ApplyEnablingRules() {
    Enable(LaserTab, IDC_STENCIL, StencilCheckEnabled(SceneSettings));
    Enable(LaserTab, IDC_STACK, StackCheckEnabled(SceneSettings));
    for (const int control : {IDC_ANTIALIAS, IDC_STIPPLE_SIZE, IDC_STIPPLE_MODE})
        Enable(LaserTab, control, StippleControlsEnabled(SceneSettings));
    Enable(SwitchTab, IDC_DONE, ListButtonsEnabled(SelectedList));
    Enable(SwitchTab, IDC_CLEAR, ListButtonsEnabled(SelectedList));
    for (uint32_t list = 0; list < ListCount; ++list)
        Enable(SwitchTab, IDC_FIRST_LIST_CHECK + static_cast<int>(list),
               ListCheckEnabled(list, SceneSettings));
}

}  // namespace

void SyncControls(SyncDirection direction) {
    if (Syncing) return;
    Syncing = true;
    const int tab = SelectedTab();
    // The Switch page moves its list checks before the period edit.
    if (tab == SwitchTab && PageControl(SwitchTab, IDC_LIST_NAME) != nullptr) {
        if (direction == SyncDirection::ControlsToSettings)
            ReadListChecks();
        else
            ShowListChecks();
    }
    TransferFields(tab, direction);
    ApplyEnablingRules();
    ArmAutoSwitchTimer();  // a full period from now, or no timer with Period 0
    Syncing = false;
}
