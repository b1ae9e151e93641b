// How the controls of the settings pages show the fields of SceneSettings: the bindings that the setting
// table's rows give (settings/setting_rows.h), one per control, and the pure conversions in both directions.
// The Configuration dialog only moves the positions, check states, selections and texts that these functions
// produce and take.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/scene_settings.h"
#include "settings/setting_rows.h"

// One control of a page and the field, or the channel of a triple, that it shows.
struct ControlBinding {
    SettingsTab tab;
    int control;  // the control's id on its page
    ControlForm form;
    SettingMember member;
    int channel;        // for the colour triples; 0 otherwise
    int barMax;         // track bars: the range, from 0
    int barTick;        // track bars: a tick mark at this position; 0 for none
    ChoiceNames items;  // combo boxes: the items
};

namespace control_bindings {

constexpr size_t Count() {
    size_t count = 0;
    for (const SettingRow& row : SettingRows)
        for (const ControlPlace& place : row.controls)
            if (place.control != 0) ++count;
    return count;
}

constexpr std::array<ControlBinding, Count()> Bindings() {
    std::array<ControlBinding, Count()> bindings{};
    size_t next = 0;
    for (const SettingRow& row : SettingRows)
        for (int channel = 0; channel < 3; ++channel) {
            const ControlPlace& place = row.controls[channel];
            if (place.control == 0) continue;
            bindings[next++] = {row.tab, place.control, place.form,    row.member,
                                channel, place.barMax,  place.barTick, place.items};
        }
    return bindings;
}

}  // namespace control_bindings

// Every transferred control of the pages Laser to Switch, in the order of the table's rows. The Switch page's
// list combo and list check boxes are not among them: they move lists, not fields.
inline constexpr auto ControlBindings = control_bindings::Bindings();

// Edit boxes are read and written through buffers of this size, terminator included.
constexpr size_t EditBufferSize = 8;

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
// matter for the Laser styles that draw plain lines; only saved lists can be saved into or cleared; with the
// auto-switch on, the built-in lists and the stored ones can take part in it, and with it off none can.
bool StackCheckEnabled(const SettingsRecord& settings);
bool StencilCheckEnabled(const SettingsRecord& settings);
bool StippleControlsEnabled(const SettingsRecord& settings);
bool ListButtonsEnabled(uint32_t selectedList);
bool ListCheckEnabled(uint32_t list, const SettingsRecord& settings);

// The AutoList of ten check states, list 0 first.
int32_t AutoListFromChecks(const std::array<bool, ListCount>& checked);
