#include "settings/control_values.h"

#include "resources/dialog_ids.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <type_traits>

namespace {

constexpr double GradScale = 10000000;

// The field (or channel) as a double, and back; integral fields take the value as it is.
double FieldValue(const ControlBinding& binding, const SettingsRecord& settings) {
    return std::visit(
        [&](auto member) -> double {
            const auto& field = settings.*member;
            if constexpr (std::is_array_v<std::remove_reference_t<decltype(field)>>)
                return field[binding.channel];
            else
                return static_cast<double>(field);
        },
        binding.member);
}

void SetField(const ControlBinding& binding, double value, SettingsRecord& settings) {
    std::visit(
        [&](auto member) {
            auto& field = settings.*member;
            using Field = std::remove_reference_t<decltype(field)>;
            if constexpr (std::is_array_v<Field>)
                field[binding.channel] = value;
            else if constexpr (std::is_integral_v<Field>)
                field = static_cast<Field>(static_cast<int64_t>(value));
            else
                field = static_cast<Field>(value);
        },
        binding.member);
}

// The field value that a control's position (check state, item index) stands for.
double ValueAtPosition(ControlForm form, int32_t position) {
    const double p = position;
    switch (form) {
        case ControlForm::Hundredths: return p / 100;
        case ControlForm::Channel255: return p / 255;
        case ControlForm::GradWeight: return (p / 100) * (p / 100) / GradScale;
        case ControlForm::DepthWave: return (p - 25) / 25;
        case ControlForm::Flag: return position != 0 ? 1 : 0;
        case ControlForm::Index:
        case ControlForm::Position:
        case ControlForm::WholeDouble:
        case ControlForm::DecimalText:
        case ControlForm::WholeText: break;
    }
    return p;
}

constexpr ControlBinding Bind(SettingsTab tab, int control, ControlForm form, SettingMember member,
                              int channel = 0) {
    return {tab, control, form, member, channel};
}

}  // namespace

// clang-format off
const std::array<ControlBinding, 36> ControlBindings = {{
    Bind(LaserTab, IDC_RENDERING_MODE, ControlForm::Index, &SettingsRecord::RenderingMode),
    Bind(LaserTab, IDC_STIPPLE_MODE, ControlForm::Index, &SettingsRecord::StippleMode),
    Bind(LaserTab, IDC_SYMMETRY_MODE, ControlForm::Index, &SettingsRecord::SymmetryMode),
    Bind(LaserTab, IDC_SPEED_LASER, ControlForm::Position, &SettingsRecord::SpeedLaser),
    Bind(LaserTab, IDC_ALPHA_LASER, ControlForm::Hundredths, &SettingsRecord::AlphaLaser),
    Bind(LaserTab, IDC_STACK, ControlForm::Flag, &SettingsRecord::Stack),
    Bind(LaserTab, IDC_DOUBLED, ControlForm::Flag, &SettingsRecord::Doubled),
    Bind(LaserTab, IDC_STENCIL, ControlForm::Flag, &SettingsRecord::Stencil),
    Bind(LaserTab, IDC_ANTIALIAS, ControlForm::Flag, &SettingsRecord::Antialias),
    Bind(LaserTab, IDC_LINE_WIDTH, ControlForm::DecimalText, &SettingsRecord::LineWidth),
    Bind(LaserTab, IDC_STIPPLE_SIZE, ControlForm::WholeText, &SettingsRecord::StippleSize),

    Bind(SprinkleTab, IDC_ROUTE_A, ControlForm::Index, &SettingsRecord::RouteA),
    Bind(SprinkleTab, IDC_ROUTE_B, ControlForm::Index, &SettingsRecord::RouteB),
    Bind(SprinkleTab, IDC_BLENDING_MODE, ControlForm::Index, &SettingsRecord::BlendingMode),
    Bind(SprinkleTab, IDC_DENSITY, ControlForm::Position, &SettingsRecord::Density),
    Bind(SprinkleTab, IDC_SPEED_TEXTURE, ControlForm::Position, &SettingsRecord::SpeedTexture),
    Bind(SprinkleTab, IDC_ALPHA_SPRINKLE, ControlForm::Position, &SettingsRecord::AlphaSprinkle),

    Bind(ColorTab, IDC_GRADS_TIME, ControlForm::WholeDouble, &SettingsRecord::ColorGrads, 2),
    Bind(ColorTab, IDC_GRADS_RADIUS, ControlForm::GradWeight, &SettingsRecord::ColorGrads, 0),
    Bind(ColorTab, IDC_GRADS_ANGLE, ControlForm::GradWeight, &SettingsRecord::ColorGrads, 1),
    Bind(ColorTab, IDC_CONST_RED, ControlForm::Channel255, &SettingsRecord::ColorConst, 0),
    Bind(ColorTab, IDC_CONST_GREEN, ControlForm::Channel255, &SettingsRecord::ColorConst, 1),
    Bind(ColorTab, IDC_CONST_BLUE, ControlForm::Channel255, &SettingsRecord::ColorConst, 2),
    Bind(ColorTab, IDC_AMPLITUDE_RED, ControlForm::Channel255, &SettingsRecord::ColorAmplitude, 0),
    Bind(ColorTab, IDC_AMPLITUDE_GREEN, ControlForm::Channel255, &SettingsRecord::ColorAmplitude, 1),
    Bind(ColorTab, IDC_AMPLITUDE_BLUE, ControlForm::Channel255, &SettingsRecord::ColorAmplitude, 2),

    Bind(GeneralTab, IDC_FUNC_RADIUS, ControlForm::Index, &SettingsRecord::FuncRadius),
    Bind(GeneralTab, IDC_FUNC_ANGLE, ControlForm::Index, &SettingsRecord::FuncAngle),
    Bind(GeneralTab, IDC_ROTATE_Z, ControlForm::Flag, &SettingsRecord::RotateZ),
    Bind(GeneralTab, IDC_ROTATE_X, ControlForm::Flag, &SettingsRecord::RotateX),
    Bind(GeneralTab, IDC_ROTATE_Y, ControlForm::Flag, &SettingsRecord::RotateY),
    Bind(GeneralTab, IDC_DEPTH_TEST, ControlForm::Flag, &SettingsRecord::DepthTest),
    Bind(GeneralTab, IDC_SPEED_VIEW, ControlForm::Position, &SettingsRecord::SpeedView),
    Bind(GeneralTab, IDC_DEPTH_AMPL, ControlForm::DepthWave, &SettingsRecord::DepthAmpl),
    Bind(GeneralTab, IDC_DEPTH_FREQ, ControlForm::WholeDouble, &SettingsRecord::DepthFreq),

    Bind(SwitchTab, IDC_PERIOD, ControlForm::WholeText, &SettingsRecord::Period),
}};
// clang-format on

int32_t ControlPosition(const ControlBinding& binding, const SettingsRecord& settings) {
    const double value = FieldValue(binding, settings);
    double product = value;
    switch (binding.form) {
        case ControlForm::Hundredths: product = value * 100; break;
        case ControlForm::Channel255: product = value * 255; break;
        case ControlForm::GradWeight: product = value > 0 ? std::sqrt(value * GradScale) * 100 : 0; break;
        case ControlForm::DepthWave: product = value * 25 + 25; break;
        case ControlForm::Flag: return value != 0 ? 1 : 0;
        case ControlForm::Index:
        case ControlForm::Position:
        case ControlForm::WholeDouble:
        case ControlForm::DecimalText:
        case ControlForm::WholeText: break;
    }
    // Truncated, except that a value which the next position gives back exactly shows that position.
    // Products such as 0.57 × 100 = 56.99999999999999 would otherwise show one step low, and reading the
    // page back would then lower the value itself, one step at every visit.
    const int32_t position = SaturatingTruncate(product);
    const int64_t next = int64_t{position} + (product < 0 ? -1 : 1);
    if (next >= std::numeric_limits<int32_t>::min() && next <= std::numeric_limits<int32_t>::max() &&
        ValueAtPosition(binding.form, static_cast<int32_t>(next)) == value)
        return static_cast<int32_t>(next);
    return position;
}

void ApplyControlPosition(const ControlBinding& binding, int32_t position, SettingsRecord& settings) {
    if (KindOf(binding.form) == ControlKind::EditBox) return;
    if (binding.form == ControlForm::Index && position < 0) return;
    SetField(binding, ValueAtPosition(binding.form, position), settings);
}

std::string ControlText(const ControlBinding& binding, const SettingsRecord& settings) {
    char text[EditBufferSize] = {};
    const double value = FieldValue(binding, settings);
    if (binding.form == ControlForm::DecimalText)
        snprintf(text, sizeof text, "%.1f", value);
    else if (binding.form == ControlForm::WholeText)
        snprintf(text, sizeof text, "%d", SaturatingTruncate(value));
    return text;
}

void ApplyControlText(const ControlBinding& binding, const char* text, SettingsRecord& settings) {
    if (text == nullptr) return;
    char buffer[EditBufferSize] = {};
    strncpy(buffer, text, sizeof buffer - 1);
    if (binding.form == ControlForm::DecimalText) {
        float number = 0;
        if (sscanf(buffer, "%f", &number) == 1 && std::isfinite(number)) SetField(binding, number, settings);
    } else if (binding.form == ControlForm::WholeText) {
        int number = 0;  // seven characters hold at most 9999999
        if (sscanf(buffer, "%d", &number) == 1) SetField(binding, number, settings);
    }
}

bool StackCheckEnabled(const SettingsRecord& settings) {
    return settings.Stencil == 0;
}

bool StencilCheckEnabled(const SettingsRecord& settings) {
    return settings.Stack == 0;
}

bool StippleControlsEnabled(const SettingsRecord& settings) {
    return settings.RenderingMode < FirstTexturedMode;
}

bool ListButtonsEnabled(uint32_t selectedList) {
    return selectedList >= FirstSavedList && selectedList < ListCount;
}

bool ListCheckEnabled(uint32_t list, const SettingsRecord& settings) {
    if (settings.Period == 0 || list >= ListCount) return false;
    return list < BuiltInLookCount || (settings.SavedList & ListBits[list]) != 0;
}

int32_t AutoListFromChecks(const std::array<bool, ListCount>& checked) {
    int32_t bits = 0;
    for (uint32_t list = 0; list < ListCount; ++list)
        if (checked[list]) bits |= ListBits[list];
    return bits;
}
