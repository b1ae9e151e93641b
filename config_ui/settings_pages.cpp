#include "config_ui/settings_pages.h"

#include <commctrl.h>

#include <cstdio>
#include <iterator>

#include "config_ui/config_dialog.h"
#include "config_ui/sync_controls.h"
#include "resources/dialog_ids.h"
#include "resources/resource_ids.h"
#include "settings/choices.h"
#include "settings/registry_store.h"
#include "settings/scene_settings.h"

namespace {

// A saved list's name is typed into the list combo's edit field: at most 62 characters and the terminator.
constexpr int ListNameBufferSize = 63;

// Combo box contents, item index = field value, one table per enumeration of settings/choices.h. The texts
// are wide so that the symmetry items show real arrows whatever the system's ANSI code page is; the pages are
// Unicode windows for the same reason.
constexpr const wchar_t* LaserStyleNames[] = {
    L"NULL",         L"line strip",      L"lines",        L"triangle strip", L"triangle fan",
    L"triangles",    L"ellipse",         L"circle chain", L"blue comet",     L"blue comet Ex",
    L"halley comet", L"halley comet Ex", L"gold stick",   L"gold stick Ex",  L"plastic tube"};
static_assert(std::size(LaserStyleNames) == LaserStyleCount, "one name per Laser style");

constexpr const wchar_t* StippleNames[] = {L"NULL", L"- - - - - - - - ", L"            ----",
                                           L"    --    ----"};
static_assert(std::size(StippleNames) == StippleModeCount, "one name per stipple choice");

constexpr const wchar_t* SymmetryNames[] = {L"NULL", L"\u2190\u2192", L"\u2190\u2192\u2191\u2193"};
static_assert(std::size(SymmetryNames) == SymmetryModeCount, "one name per symmetry choice");

// Both texture combos offer the sprite pictures in the order of SpriteTextures, after "NULL".
constexpr const wchar_t* RouteNames[] = {L"NULL",       L"sun",         L"star",
                                         L"fancy star", L"blue planet", L"milky way"};
static_assert(std::size(RouteNames) == RouteCount, "one name per route");

constexpr const wchar_t* BlendingNames[] = {L"lightening", L"greying", L"darkening"};
static_assert(std::size(BlendingNames) == BlendingModeCount, "one name per blending choice");

constexpr const wchar_t* RadiusFunctionNames[] = {L"Linear", L"Power", L"polynome", L"Tangent"};
static_assert(std::size(RadiusFunctionNames) == RadiusFunctionCount, "one name per radius function");

constexpr const wchar_t* AngleFunctionNames[] = {L"Linear", L"Power", L"polynome", L"Exponential"};
static_assert(std::size(AngleFunctionNames) == AngleFunctionCount, "one name per angle function");

struct ComboItems {
    SettingsTab tab;
    int control;
    const wchar_t* const* items;
    size_t count;
};

template <size_t Count>
constexpr ComboItems Combo(SettingsTab tab, int control, const wchar_t* const (&items)[Count]) {
    return {tab, control, items, Count};
}

constexpr ComboItems ComboContents[] = {
    Combo(LaserTab, IDC_RENDERING_MODE, LaserStyleNames),
    Combo(LaserTab, IDC_STIPPLE_MODE, StippleNames),
    Combo(LaserTab, IDC_SYMMETRY_MODE, SymmetryNames),
    Combo(SprinkleTab, IDC_ROUTE_A, RouteNames),
    Combo(SprinkleTab, IDC_ROUTE_B, RouteNames),
    Combo(SprinkleTab, IDC_BLENDING_MODE, BlendingNames),
    Combo(GeneralTab, IDC_FUNC_RADIUS, RadiusFunctionNames),
    Combo(GeneralTab, IDC_FUNC_ANGLE, AngleFunctionNames),
};

// Track-bar ranges (from 0) and tick marks, set in this order; bars not named keep their range 0-100.
struct BarSetting {
    SettingsTab tab;
    int control;
    int value;
};

const BarSetting BarRanges[] = {
    {SprinkleTab, IDC_DENSITY, 90},       {SprinkleTab, IDC_ALPHA_SPRINKLE, 511},
    {ColorTab, IDC_GRADS_RADIUS, 10000},  {ColorTab, IDC_GRADS_ANGLE, 10000},
    {ColorTab, IDC_CONST_RED, 255},       {ColorTab, IDC_CONST_GREEN, 255},
    {ColorTab, IDC_CONST_BLUE, 255},      {ColorTab, IDC_AMPLITUDE_RED, 255},
    {ColorTab, IDC_AMPLITUDE_GREEN, 255}, {ColorTab, IDC_AMPLITUDE_BLUE, 255},
    {GeneralTab, IDC_DEPTH_AMPL, 50},     {GeneralTab, IDC_DEPTH_FREQ, 511},
};

const BarSetting BarTicks[] = {
    {ColorTab, IDC_GRADS_RADIUS, 5000},  {ColorTab, IDC_GRADS_ANGLE, 5000},
    {ColorTab, IDC_GRADS_TIME, 50},      {ColorTab, IDC_CONST_RED, 128},
    {ColorTab, IDC_CONST_GREEN, 128},    {ColorTab, IDC_CONST_BLUE, 128},
    {ColorTab, IDC_AMPLITUDE_RED, 128},  {ColorTab, IDC_AMPLITUDE_GREEN, 128},
    {ColorTab, IDC_AMPLITUDE_BLUE, 128}, {GeneralTab, IDC_DEPTH_AMPL, 25},
};

void FillControls(HWND page, SettingsTab tab) {
    for (const ComboItems& combo : ComboContents) {
        if (combo.tab != tab) continue;
        for (size_t item = 0; item < combo.count; ++item)
            SendDlgItemMessageW(page, combo.control, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(combo.items[item]));
    }
    if (tab == SwitchTab)
        for (const std::string& name : ListNames)
            SendDlgItemMessageA(page, IDC_LIST_NAME, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    for (const BarSetting& range : BarRanges)
        if (range.tab == tab)
            SendDlgItemMessageA(page, range.control, TBM_SETRANGE, TRUE, MAKELPARAM(0, range.value));
    for (const BarSetting& tick : BarTicks)
        if (tick.tab == tab) SendDlgItemMessageA(page, tick.control, TBM_SETTIC, 0, tick.value);
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

// Whether a control's command reports a value the user changed: a click, a chosen item, an edited text. A
// control that merely gains or loses the focus (as the first one does when its page is created) changes
// nothing, so visiting a page never rewrites a setting that its control cannot show.
bool ReportsAChange(WPARAM wParam) {
    const WORD code = HIWORD(wParam);
    return code == BN_CLICKED || code == CBN_SELCHANGE || code == EN_CHANGE;
}

// The pages Laser, Sprinkle, Color and General: every click, selection, edit and slider move of the live
// page reaches the settings at once.
template <SettingsTab Tab>
INT_PTR CALLBACK EditPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: InitPage(page, Tab); return TRUE;
        case WM_COMMAND:
            if (page == CurrentPage && ReportsAChange(wParam))
                SyncControls(SyncDirection::ControlsToSettings);
            return TRUE;
        case WM_HSCROLL:
            if (page == CurrentPage) SyncControls(SyncDirection::ControlsToSettings);
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
}

// A list chosen in the list combo becomes SelectedList and its look replaces the current one: a built-in
// look keeps the switch settings, a saved list is read from its key, a list that was never saved changes
// nothing. This is the only way the Switch page changes the look.
void ChooseList(HWND page) {
    const LRESULT selection = SendDlgItemMessageA(page, IDC_LIST_NAME, CB_GETCURSEL, 0, 0);
    if (selection < 0 || selection >= static_cast<LRESULT>(ListCount)) return;
    SelectedList = static_cast<uint32_t>(selection);
    if (SelectedList < BuiltInLookCount || (SceneSettings.SavedList & ListBits[SelectedList]) != 0)
        ApplyList(SelectedList);
}

INT_PTR CALLBACK SwitchPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: InitPage(page, SwitchTab); return TRUE;
        case WM_COMMAND:
            if (page != CurrentPage || !ReportsAChange(wParam)) return TRUE;
            switch (LOWORD(wParam)) {
                case IDC_DONE: SaveSelectedList(page); break;
                case IDC_CLEAR: ClearSelectedList(page); break;
                case IDC_LIST_NAME:
                    if (HIWORD(wParam) == CBN_SELCHANGE) ChooseList(page);
                    break;
                default: break;
            }
            // The check boxes and the period; the enabling rules follow the chosen list.
            SyncControls(SyncDirection::ControlsToSettings);
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
