// How the controls of the settings pages show the fields of SceneSettings: one table with each control's
// page, id, field and conversion, and the pure conversions in both directions. The Configuration dialog only
// moves the positions, check states, selections and texts that these functions produce and take.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/scene_settings.h"
#include "settings/stored_values.h"

// The tabs of the Configuration dialog, in their order.
enum SettingsTab : int { LaserTab, SprinkleTab, ColorTab, GeneralTab, SwitchTab, HelpTab, TabCount };

enum class ControlForm : uint8_t {
    Index,        // combo box: the selected item's index is the field
    Position,     // track bar: the position is the field
    Hundredths,   // track bar: position / 100
    Channel255,   // track bar: position / 255
    GradWeight,   // track bar 0-10000: (position / 100)² / 10,000,000
    WholeDouble,  // track bar: the position, held in a double
    DepthWave,    // track bar 0-50: (position − 25) / 25
    Flag,         // check box: checked is 1
    DecimalText,  // edit box: a decimal number, shown with one decimal
    WholeText,    // edit box: a whole number
};

struct ControlBinding {
    SettingsTab tab;
    int control;  // the control's id on its page
    ControlForm form;
    SettingMember member;
    int channel;  // for the colour triples; 0 otherwise
};

// Edit boxes are read and written through buffers of this size, terminator included.
constexpr size_t EditBufferSize = 8;

// Every transferred control of the pages Laser to Switch, page by page in transfer order. The Switch page's
// list combo and list check boxes are not in it: they move lists, not fields.
extern const std::array<ControlBinding, 36> ControlBindings;

enum class ControlKind : uint8_t { ComboBox, TrackBar, CheckBox, EditBox };

constexpr ControlKind KindOf(ControlForm form) {
    switch (form) {
        case ControlForm::Index: return ControlKind::ComboBox;
        case ControlForm::Flag: return ControlKind::CheckBox;
        case ControlForm::DecimalText:
        case ControlForm::WholeText: return ControlKind::EditBox;
        default: return ControlKind::TrackBar;
    }
}

// Settings to control: the position, check state (0 or 1) or item index that shows the field, truncated, but
// never one below a position that gives the value back exactly, so that showing a value and reading it back
// changes nothing. Values outside what the arithmetic can represent saturate; a control clamps to its own
// range.
int32_t ControlPosition(const ControlBinding& binding, const SettingsRecord& settings);
// Control to settings. A combo box without selection (a negative index) leaves the field as it is.
void ApplyControlPosition(const ControlBinding& binding, int32_t position, SettingsRecord& settings);

// Settings to an edit box: the text, cut to what its buffer holds.
std::string ControlText(const ControlBinding& binding, const SettingsRecord& settings);
// Edit box to settings: the number at the start of the text's first EditBufferSize − 1 characters. A text
// without such a number, or with one that is not finite, leaves the field as it is.
void ApplyControlText(const ControlBinding& binding, const char* text, SettingsRecord& settings);

// The enabling rules of the pages: stack and stencil exclude each other; stipple and antialiasing only
// matter for the untextured Laser styles; only saved lists can be saved into or cleared; with the auto-switch
// on, the built-in lists and the stored ones can take part in it, and with it off none can.
bool StackCheckEnabled(const SettingsRecord& settings);
bool StencilCheckEnabled(const SettingsRecord& settings);
bool StippleControlsEnabled(const SettingsRecord& settings);
bool ListButtonsEnabled(uint32_t selectedList);
bool ListCheckEnabled(uint32_t list, const SettingsRecord& settings);

// The AutoList of ten check states, list 0 first.
int32_t AutoListFromChecks(const std::array<bool, ListCount>& checked);
