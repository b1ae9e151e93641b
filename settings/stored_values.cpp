#include "settings/stored_values.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <type_traits>

namespace {

using ChannelsMember = double (SettingsRecord::*)[3];

constexpr double GradScale = 10000000;

// A stored form's scaling, both ways: the product that is truncated to give the stored number, and the field
// value that a stored number gives back. Channel 2 of the colour weights is the time weight, stored as it is.
struct Scaling {
    StoredForm form;
    double (*product)(int channel, double value);
    double (*value)(int channel, double number);
};
constexpr double Same(int, double x) {
    return x;
}
constexpr Scaling Scalings[] = {
    {StoredForm::Whole, Same, Same},
    {StoredForm::Choice, Same, Same},
    {StoredForm::Flag, Same, Same},
    {StoredForm::Tenths, [](int, double v) { return v * 10; },
     [](int, double n) { return static_cast<double>(static_cast<float>(n * 0.1f)); }},
    {StoredForm::Hundredths, [](int, double v) { return v * 100; }, [](int, double n) { return n / 100; }},
    {StoredForm::DepthWave, [](int, double v) { return v * 25 + 25; },
     [](int, double n) { return (n - 25) / 25; }},
    {StoredForm::WholeDouble, Same, Same},
    {StoredForm::Colour255, [](int, double v) { return v * 255; }, [](int, double n) { return n / 255; }},
    {StoredForm::Grads, [](int c, double v) { return c < 2 ? v * GradScale : v; },
     [](int c, double n) { return c < 2 ? n / GradScale : n; }},
};
constexpr bool OneScalingPerFormInItsOrder() {
    for (size_t i = 0; i < std::size(Scalings); ++i)
        if (static_cast<size_t>(Scalings[i].form) != i) return false;
    return std::size(Scalings) == static_cast<size_t>(StoredForm::Count);
}
static_assert(OneScalingPerFormInItsOrder(), "one scaling per stored form, in the order of the forms");

const Scaling& ScalingOf(StoredForm form) {
    const auto index = static_cast<size_t>(form);
    return Scalings[index < std::size(Scalings) ? index : 0];
}

int32_t SaturatingInt32(long x) {
    if (x > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (x < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(x);
}

double ChannelFromStored(StoredForm form, int channel, int32_t stored) {
    return ScalingOf(form).value(channel, stored);
}

// Truncated toward zero as the stored form says; a value that was itself read from a stored number gives
// that number back (settings/truncation.h).
int32_t ChannelToStored(StoredForm form, int channel, double value) {
    const Scaling& scaling = ScalingOf(form);
    return WholeNumberFor(value, scaling.product(channel, value),
                          [&](int32_t number) { return scaling.value(channel, number); });
}

// An index kept within its table: a number beyond either end becomes that end. Unsigned fields compare as
// the unsigned numbers they hold, so a stored −1 is a large index.
template <class Field>
Field WithinRange(Field index, const SettingRange& range) {
    if (static_cast<double>(index) < range.min) return static_cast<Field>(range.min);
    if (static_cast<double>(index) > range.max) return static_cast<Field>(range.max);
    return index;
}

template <size_t Count>
std::array<const StoredValue*, Count> InSaveOrder(SettingPart part) {
    std::array<const StoredValue*, Count> ordered{};
    for (const StoredValue& value : StoredValues)
        if (value.part == part && value.savePosition < Count) ordered[value.savePosition] = &value;
    return ordered;
}

}  // namespace

int32_t EncodeDword(const StoredValue& value, const SettingsRecord& settings) {
    return std::visit(
        [&](auto member) -> int32_t {
            using Field = std::remove_cv_t<std::remove_reference_t<decltype(settings.*member)>>;
            if constexpr (std::is_integral_v<Field>) {
                return static_cast<int32_t>(settings.*member);
            } else if constexpr (std::is_floating_point_v<Field>) {
                return ChannelToStored(value.form, 0, settings.*member);
            } else {
                return 0;  // a text triple has no DWORD form
            }
        },
        value.member);
}

void DecodeDword(const StoredValue& value, int32_t stored, SettingsRecord& settings) {
    std::visit(
        [&](auto member) {
            using Field = std::remove_reference_t<decltype(settings.*member)>;
            if constexpr (std::is_integral_v<Field>) {
                if (value.form == StoredForm::Flag)
                    settings.*member = (stored & 0xFF) != 0;
                else if (value.form == StoredForm::Choice)
                    settings.*member = WithinRange(static_cast<Field>(stored), value.range[0]);
                else
                    settings.*member = static_cast<Field>(stored);
            } else if constexpr (std::is_floating_point_v<Field>) {
                settings.*member = static_cast<Field>(ChannelFromStored(value.form, 0, stored));
            }
        },
        value.member);
}

std::string EncodeText(const StoredValue& value, const SettingsRecord& settings) {
    const auto* member = std::get_if<ChannelsMember>(&value.member);
    if (member == nullptr) return {};
    const double* channels = settings.**member;
    char text[40];
    snprintf(text, sizeof text, "%d %d %d", ChannelToStored(value.form, 0, channels[0]),
             ChannelToStored(value.form, 1, channels[1]), ChannelToStored(value.form, 2, channels[2]));
    return text;
}

void DecodeText(const StoredValue& value, const char* text, SettingsRecord& settings) {
    const auto* member = std::get_if<ChannelsMember>(&value.member);
    if (member == nullptr || text == nullptr) return;
    double* channels = settings.**member;
    // strtol reads a number exactly as "%d" does (leading white space, a sign, digits), but saturates where
    // "%d" would overflow.
    const char* cursor = text;
    for (int channel = 0; channel < 3; ++channel) {
        char* end = nullptr;
        const long number = strtol(cursor, &end, 10);
        if (end == cursor) return;
        channels[channel] = ChannelFromStored(value.form, channel, SaturatingInt32(number));
        cursor = end;
    }
}

int32_t DwordFromBuffer(const StoredBuffer& buffer) {
    const uint32_t bits = uint32_t{buffer[0]} | uint32_t{buffer[1]} << 8 | uint32_t{buffer[2]} << 16 |
                          uint32_t{buffer[3]} << 24;
    return static_cast<int32_t>(bits);
}

std::string TextFromBuffer(const StoredBuffer& buffer) {
    const auto* text = reinterpret_cast<const char*>(buffer.data());
    return std::string(text, strnlen(text, buffer.size() - 1));
}

void DecodeBuffer(const StoredValue& value, const StoredBuffer& buffer, SettingsRecord& settings) {
    if (IsText(value.form))
        DecodeText(value, TextFromBuffer(buffer).c_str(), settings);
    else
        DecodeDword(value, DwordFromBuffer(buffer), settings);
}

std::array<const StoredValue*, LookValueCount> LookValuesInSaveOrder() {
    return InSaveOrder<LookValueCount>(SettingPart::Look);
}

std::array<const StoredValue*, SwitchValueCount> SwitchValuesInSaveOrder() {
    return InSaveOrder<SwitchValueCount>(SettingPart::Switch);
}
