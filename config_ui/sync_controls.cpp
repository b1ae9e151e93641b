#include "config_ui/sync_controls.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

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

// What a control shows: a combo box's selected item, a check box's state (1 checked), a track bar's
// position; and an edit box's text.
int32_t ShownPosition(ControlKind kind, HWND control) {
    switch (kind) {
        case ControlKind::ComboBox: return static_cast<int32_t>(SendMessageA(control, CB_GETCURSEL, 0, 0));
        case ControlKind::CheckBox: return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
        case ControlKind::TrackBar: return static_cast<int32_t>(SendMessageA(control, TBM_GETPOS, 0, 0));
        case ControlKind::EditBox: break;
    }
    return 0;
}

std::string ShownText(HWND control) {
    char text[EditBufferSize] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

// The position that shows the field; a track bar keeps within its range.
int32_t PositionFor(const ControlBinding& binding) {
    const int32_t position = ControlPosition(binding, SceneSettings);
    if (KindOf(binding.form) != ControlKind::TrackBar) return position;
    return std::clamp(position, 0, binding.barMax);
}

// Shows the field in its control. A control that already shows the value is left alone, and so is the edit
// box the user is typing in: rewriting its text would put the caret back at its start, and what is typed
// next would land in front of what was typed before.
void ShowField(const ControlBinding& binding, HWND control) {
    const ControlKind kind = KindOf(binding.form);
    if (kind == ControlKind::EditBox) {
        const std::string text = ControlText(binding, SceneSettings);
        if (GetFocus() != control && ShownText(control) != text) SetWindowTextA(control, text.c_str());
        return;
    }
    const int32_t position = PositionFor(binding);
    if (ShownPosition(kind, control) == position) return;
    switch (kind) {
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

// Reads the control into its field when the user touched it, or where it shows something else than the
// field's value: a control the user did not touch leaves its field as it is, even where it cannot show that
// value (a Density of 100 beyond its bar, a width with more decimals than its box shows).
void ReadField(const ControlBinding& binding, HWND control, bool touched) {
    const ControlKind kind = KindOf(binding.form);
    if (kind == ControlKind::EditBox) {
        const std::string text = ShownText(control);
        if (touched || text != ControlText(binding, SceneSettings))
            ApplyControlText(binding, text.c_str(), SceneSettings);
        return;
    }
    const int32_t position = ShownPosition(kind, control);
    if (touched || position != PositionFor(binding)) ApplyControlPosition(binding, position, SceneSettings);
}

void TransferFields(int tab, SyncDirection direction, HWND touched) {
    for (const ControlBinding& binding : ControlBindings) {
        if (binding.tab != tab) continue;
        HWND control = PageControl(tab, binding.control);
        if (control == nullptr) continue;
        if (direction == SyncDirection::ControlsToSettings)
            ReadField(binding, control, control == touched);
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

bool SyncUnderWay() {
    return Syncing;
}

void SyncControls(SyncDirection direction, HWND touched) {
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
    TransferFields(tab, direction, touched);
    ApplyEnablingRules();
    ArmAutoSwitchTimer();  // a full period from now, or no timer with Period 0
    Syncing = false;
}
