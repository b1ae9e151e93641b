#include "settings/control_values.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <type_traits>

#include "settings/truncation.h"

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

// A control form's scaling, both ways: the product that is truncated to give the position (check state,
// item index) showing a value, and the value a position stands for.
struct Scaling {
    ControlForm form;
    double (*product)(double value);
    double (*value)(double position);
};
constexpr double Same(double x) {
    return x;
}
constexpr Scaling Scalings[] = {
    {ControlForm::Index, Same, Same},
    {ControlForm::Position, Same, Same},
    {ControlForm::Hundredths, [](double v) { return v * 100; }, [](double p) { return p / 100; }},
    {ControlForm::Channel255, [](double v) { return v * 255; }, [](double p) { return p / 255; }},
    {ControlForm::GradWeight, [](double v) { return v > 0 ? std::sqrt(v * GradScale) * 100 : 0; },
     [](double p) { return (p / 100) * (p / 100) / GradScale; }},
    {ControlForm::WholeDouble, Same, Same},
    {ControlForm::DepthWave, [](double v) { return v * 25 + 25; }, [](double p) { return (p - 25) / 25; }},
    {ControlForm::Flag, [](double v) { return v != 0 ? 1.0 : 0.0; },
     [](double p) { return p != 0 ? 1.0 : 0.0; }},
    {ControlForm::DecimalText, Same, Same},
    {ControlForm::WholeText, Same, Same},
};
constexpr bool OneScalingPerFormInItsOrder() {
    for (size_t i = 0; i < std::size(Scalings); ++i)
        if (static_cast<size_t>(Scalings[i].form) != i) return false;
    return std::size(Scalings) == static_cast<size_t>(ControlForm::Count);
}
static_assert(OneScalingPerFormInItsOrder(), "one scaling per control form, in the order of the forms");

const Scaling& ScalingOf(ControlForm form) {
    const auto index = static_cast<size_t>(form);
    return Scalings[index < std::size(Scalings) ? index : 0];
}

}  // namespace

int32_t ControlPosition(const ControlBinding& binding, const SettingsRecord& settings) {
    const double value = FieldValue(binding, settings);
    const Scaling& scaling = ScalingOf(binding.form);
    if (binding.form == ControlForm::Flag) return static_cast<int32_t>(scaling.product(value));
    return WholeNumberFor(value, scaling.product(value),
                          [&](int32_t position) { return scaling.value(position); });
}

void ApplyControlPosition(const ControlBinding& binding, int32_t position, SettingsRecord& settings) {
    if (KindOf(binding.form) == ControlKind::EditBox) return;
    if (binding.form == ControlForm::Index && position < 0) return;
    SetField(binding, ScalingOf(binding.form).value(position), settings);
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
    return settings.RenderingMode < LaserStyleCount &&
           LaserKindOf(settings.RenderingMode) != LaserKind::Strip;
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
