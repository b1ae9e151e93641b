// Every value of the look and of the switch settings, one row each: the field, its registry name, how it is
// stored and the range it is defined for, its place in a save, and where the Configuration dialog shows it
// (page, control, how the control shows it, a track bar's range and ticks, a combo box's items). The registry
// store (stored_values, registry_store) and the dialog (control_values, config_ui/) read this table and
// nothing else, and every count of values or controls follows from it.
//
// Adding a value of the look: a field in SceneLook (settings/scene_settings.h), its value in each built-in
// look (settings/presets.cpp), a row here, and, for a new control, its id (resources/dialog_ids.h) and its
// place on the page's template (resources/config_dialog.rc). What that does to keys users already have:
//   - A key of this format without the new value still loads. Reading the value fails, the user is told so
//     ("RegistryLoad() -> RegQueryValueEx()", or the numbered message of settings/registry_store.cpp) at
//     every start, and the field keeps what it held before the load (0 at start-up) until the next "Save"
//     writes it; a saved list's subkey lacks it until its next "Done".
//   - Raising StoredFormatVersion (settings/registry_store.h) instead makes every key of the older format be
//     wiped at the next start, saved lists included: the user starts from the factory setting again.
// Rows of the look come first, in the order loading reads them; the switch values follow. A new row takes the
// next save position of its part.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <variant>

#include "resources/dialog_ids.h"
#include "settings/choices.h"
#include "settings/scene_settings.h"

// How a value lies in the registry.
enum class StoredForm : uint8_t {
    Whole,        // DWORD holding the field
    Choice,       // DWORD holding the field, an index into a table (a style, a picture, a function); loading
                  // keeps it within its range, so that stored data can never index past the table
    Flag,         // DWORD of which only the lowest byte counts: on when it is not 0
    Tenths,       // DWORD truncate(value × 10); read back as number × 0.1f, rounded to a float
    Hundredths,   // DWORD truncate(value × 100); read back as number / 100
    DepthWave,    // DWORD truncate(value × 25 + 25); read back as (number − 25) / 25
    WholeDouble,  // DWORD truncate(value); read back as the number
    Colour255,    // text "%d %d %d" of truncate(channel × 255); read back as number / 255
    Grads,        // text "%d %d %d" of the radius and angle weights × 10,000,000 and the time weight
    Count
};

// The tabs of the Configuration dialog, in their order.
enum SettingsTab : int { LaserTab, SprinkleTab, ColorTab, GeneralTab, SwitchTab, HelpTab, TabCount };

// How a control shows its field.
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
    Count
};

// The member a row holds. The text forms hold three channels.
using SettingMember =
    std::variant<uint32_t SettingsRecord::*, int32_t SettingsRecord::*, float SettingsRecord::*,
                 double SettingsRecord::*, double (SettingsRecord::*)[3]>;

struct SettingRange {
    double min;
    double max;
};

// Which keys hold a value: every look (the main key and the saved lists' subkeys), or the main key alone.
enum class SettingPart : uint8_t { Look, Switch };

// Where a page shows one channel of a value; control 0 shows none.
struct ControlPlace {
    int control;
    ControlForm form;
    int barMax;         // track bars: the range, from 0
    int barTick;        // track bars: a tick mark at this position; 0 for none
    ChoiceNames items;  // combo boxes: the items, in the order of the values
};

struct SettingRow {
    const char* name;  // registry value name, also the field's name
    StoredForm form;
    SettingMember member;
    std::array<SettingRange, 3> range;  // per channel for the text forms; entry 0 for the others
    uint8_t savePosition;  // place among the look values, or among the switch values, in the order a save
                           // writes them
    SettingPart part;
    SettingsTab tab;                       // the page that shows it; TabCount where none does
    std::array<ControlPlace, 3> controls;  // per channel for the triples; entry 0 for the others
};

namespace setting_rows {

constexpr std::array<SettingRange, 3> Range(double min, double max) {
    return {{{min, max}, {0, 0}, {0, 0}}};
}

// The values of an enumeration of settings/choices.h: 0 to its count − 1.
constexpr std::array<SettingRange, 3> Choices(uint32_t count) {
    return Range(0, count - 1.0);
}

constexpr auto Flag = Range(0, 1);
constexpr auto Speed = Range(0, 100);
constexpr auto AnyCount = Range(0, std::numeric_limits<int32_t>::max());
constexpr auto ListMask = Range(0, 1023);
constexpr auto AnyWidth = Range(0, std::numeric_limits<float>::max());
constexpr SettingRange Channel = {0, 1};
constexpr SettingRange Weight = {0, 0.001};
constexpr std::array<SettingRange, 3> Colour = {{Channel, Channel, Channel}};
constexpr std::array<SettingRange, 3> Grads = {{Weight, Weight, {0, 100}}};

// Track bars keep the range 0-100 unless a row gives another.
constexpr ControlPlace Bar(int control, ControlForm form = ControlForm::Position, int max = 100,
                           int tick = 0) {
    return {control, form, max, tick, {}};
}
template <class Names>
constexpr ControlPlace Combo(int control, const Names& names) {
    return {control, ControlForm::Index, 0, 0, NamesOf(names)};
}
constexpr ControlPlace Check(int control) {
    return {control, ControlForm::Flag, 0, 0, {}};
}
constexpr ControlPlace Edit(int control, ControlForm form) {
    return {control, form, 0, 0, {}};
}
constexpr ControlPlace ColourBar(int control) {
    return Bar(control, ControlForm::Channel255, 255, 128);
}
constexpr ControlPlace WeightBar(int control) {
    return Bar(control, ControlForm::GradWeight, 10000, 5000);
}

constexpr SettingRow Look(const char* name, StoredForm form, SettingMember member,
                          std::array<SettingRange, 3> range, uint8_t savePosition, SettingsTab tab,
                          std::array<ControlPlace, 3> controls) {
    return {name, form, member, range, savePosition, SettingPart::Look, tab, controls};
}
constexpr SettingRow Switch(const char* name, SettingMember member, std::array<SettingRange, 3> range,
                            uint8_t savePosition, SettingsTab tab = TabCount,
                            std::array<ControlPlace, 3> controls = {}) {
    return {name, StoredForm::Whole, member, range, savePosition, SettingPart::Switch, tab, controls};
}

using F = StoredForm;
using S = SettingsRecord;

// A save writes the triples first, the weights leading, and the opacities ahead of the other numbers; in the
// main key "Period" ahead of the other switch values.
// clang-format off
inline constexpr std::array Rows = {
    Look("ColorConst", F::Colour255, &S::ColorConst, Colour, 1, ColorTab,
         {ColourBar(IDC_CONST_RED), ColourBar(IDC_CONST_GREEN), ColourBar(IDC_CONST_BLUE)}),
    Look("ColorAmplitude", F::Colour255, &S::ColorAmplitude, Colour, 2, ColorTab,
         {ColourBar(IDC_AMPLITUDE_RED), ColourBar(IDC_AMPLITUDE_GREEN), ColourBar(IDC_AMPLITUDE_BLUE)}),
    Look("ColorGrads", F::Grads, &S::ColorGrads, Grads, 0, ColorTab,
         {WeightBar(IDC_GRADS_RADIUS), WeightBar(IDC_GRADS_ANGLE),
          Bar(IDC_GRADS_TIME, ControlForm::WholeDouble, 100, 50)}),
    Look("RenderingMode", F::Choice, &S::RenderingMode, Choices(LaserStyleCount), 5, LaserTab,
         {Combo(IDC_RENDERING_MODE, LaserStyleNames)}),
    Look("StippleMode", F::Choice, &S::StippleMode, Choices(StippleModeCount), 6, LaserTab,
         {Combo(IDC_STIPPLE_MODE, StippleNames)}),
    Look("SymmetryMode", F::Choice, &S::SymmetryMode, Choices(SymmetryModeCount), 7, LaserTab,
         {Combo(IDC_SYMMETRY_MODE, SymmetryNames)}),
    Look("BlendingMode", F::Choice, &S::BlendingMode, Choices(BlendingModeCount), 8, SprinkleTab,
         {Combo(IDC_BLENDING_MODE, BlendingNames)}),
    Look("RouteA", F::Choice, &S::RouteA, Choices(RouteCount), 9, SprinkleTab,
         {Combo(IDC_ROUTE_A, RouteNames)}),
    Look("RouteB", F::Choice, &S::RouteB, Choices(RouteCount), 10, SprinkleTab,
         {Combo(IDC_ROUTE_B, RouteNames)}),
    // The page's bar reaches 90; built-in looks use up to 100.
    Look("Density", F::Whole, &S::Density, Range(0, 100), 11, SprinkleTab,
         {Bar(IDC_DENSITY, ControlForm::Position, 90)}),
    Look("SpeedLaser", F::Whole, &S::SpeedLaser, Speed, 12, LaserTab, {Bar(IDC_SPEED_LASER)}),
    Look("SpeedTexture", F::Whole, &S::SpeedTexture, Speed, 13, SprinkleTab, {Bar(IDC_SPEED_TEXTURE)}),
    Look("SpeedView", F::Whole, &S::SpeedView, Speed, 14, GeneralTab, {Bar(IDC_SPEED_VIEW)}),
    Look("AlphaLaser", F::Hundredths, &S::AlphaLaser, Range(0, 1), 3, LaserTab,
         {Bar(IDC_ALPHA_LASER, ControlForm::Hundredths)}),
    Look("AlphaSprinkle", F::Whole, &S::AlphaSprinkle, Range(0, 511), 4, SprinkleTab,
         {Bar(IDC_ALPHA_SPRINKLE, ControlForm::Position, 511)}),
    Look("Stack", F::Flag, &S::Stack, Flag, 15, LaserTab, {Check(IDC_STACK)}),
    Look("Doubled", F::Flag, &S::Doubled, Flag, 16, LaserTab, {Check(IDC_DOUBLED)}),
    Look("Stencil", F::Flag, &S::Stencil, Flag, 17, LaserTab, {Check(IDC_STENCIL)}),
    Look("Antialias", F::Flag, &S::Antialias, Flag, 18, LaserTab, {Check(IDC_ANTIALIAS)}),
    Look("RotateZ", F::Flag, &S::RotateZ, Flag, 19, GeneralTab, {Check(IDC_ROTATE_Z)}),
    Look("RotateX", F::Flag, &S::RotateX, Flag, 20, GeneralTab, {Check(IDC_ROTATE_X)}),
    Look("RotateY", F::Flag, &S::RotateY, Flag, 21, GeneralTab, {Check(IDC_ROTATE_Y)}),
    Look("DepthTest", F::Flag, &S::DepthTest, Flag, 22, GeneralTab, {Check(IDC_DEPTH_TEST)}),
    Look("LineWidth", F::Tenths, &S::LineWidth, AnyWidth, 23, LaserTab,
         {Edit(IDC_LINE_WIDTH, ControlForm::DecimalText)}),
    Look("StippleSize", F::Whole, &S::StippleSize, AnyCount, 24, LaserTab,
         {Edit(IDC_STIPPLE_SIZE, ControlForm::WholeText)}),
    Look("DepthAmpl", F::DepthWave, &S::DepthAmpl, Range(-1, 1), 25, GeneralTab,
         {Bar(IDC_DEPTH_AMPL, ControlForm::DepthWave, 50, 25)}),
    Look("DepthFreq", F::WholeDouble, &S::DepthFreq, Range(0, 511), 26, GeneralTab,
         {Bar(IDC_DEPTH_FREQ, ControlForm::WholeDouble, 511)}),
    Look("FuncRadius", F::Choice, &S::FuncRadius, Choices(RadiusFunctionCount), 27, GeneralTab,
         {Combo(IDC_FUNC_RADIUS, RadiusFunctionNames)}),
    Look("FuncAngle", F::Choice, &S::FuncAngle, Choices(AngleFunctionCount), 28, GeneralTab,
         {Combo(IDC_FUNC_ANGLE, AngleFunctionNames)}),

    // The Switch page's list check boxes show AutoList bit by bit (config_ui/sync_controls.cpp).
    Switch("SavedList", &S::SavedList, ListMask, 1),
    Switch("AutoList", &S::AutoList, ListMask, 2),
    Switch("Period", &S::Period, AnyCount, 0, SwitchTab, {Edit(IDC_PERIOD, ControlForm::WholeText)}),
    Switch("OffSprinkle", &S::OffSprinkle, Flag, 3),
};
// clang-format on

constexpr size_t CountOf(SettingPart part) {
    size_t count = 0;
    for (const SettingRow& row : Rows)
        if (row.part == part) ++count;
    return count;
}

// Loading reads a saved list's look as the first rows of the table.
constexpr bool LookRowsComeFirst() {
    bool switchSeen = false;
    for (const SettingRow& row : Rows) {
        if (row.part == SettingPart::Switch) switchSeen = true;
        if (row.part == SettingPart::Look && switchSeen) return false;
    }
    return true;
}
static_assert(LookRowsComeFirst(), "the look's rows come before the switch values");

// Each part's save positions are 0 to its count − 1, each once.
constexpr bool SavePositionsAreAnOrder(SettingPart part) {
    std::array<int, Rows.size()> seen{};
    for (const SettingRow& row : Rows) {
        if (row.part != part) continue;
        if (row.savePosition >= CountOf(part)) return false;
        ++seen[row.savePosition];
    }
    for (size_t position = 0; position < CountOf(part); ++position)
        if (seen[position] != 1) return false;
    return true;
}
static_assert(SavePositionsAreAnOrder(SettingPart::Look) && SavePositionsAreAnOrder(SettingPart::Switch),
              "every value has its own place in a save");

}  // namespace setting_rows

inline constexpr const auto& SettingRows = setting_rows::Rows;

constexpr size_t LookValueCount = setting_rows::CountOf(SettingPart::Look);
constexpr size_t SwitchValueCount = setting_rows::CountOf(SettingPart::Switch);
