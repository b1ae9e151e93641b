#include "settings/stored_values.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <type_traits>

namespace {

using ChannelsMember = double (SettingsRecord::*)[3];

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
constexpr SettingRange Channel = {0, 1};
constexpr SettingRange Weight = {0, 0.001};
constexpr std::array<SettingRange, 3> Colour = {{Channel, Channel, Channel}};
constexpr auto AnyWidth = Range(0, std::numeric_limits<float>::max());

int32_t SaturatingInt32(long x) {
    if (x > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (x < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(x);
}

// The product that is truncated to give the stored number, formed in double precision.
double StoredProduct(StoredForm form, int channel, double value) {
    switch (form) {
        case StoredForm::Tenths: return value * 10;
        case StoredForm::Hundredths: return value * 100;
        case StoredForm::DepthWave: return value * 25 + 25;
        case StoredForm::Colour255: return value * 255;
        case StoredForm::Grads: return channel < 2 ? value * 10000000 : value;
        case StoredForm::Whole:
        case StoredForm::Choice:
        case StoredForm::Flag:
        case StoredForm::WholeDouble: break;
    }
    return value;
}

double ChannelFromStored(StoredForm form, int channel, int32_t stored) {
    const double number = stored;
    switch (form) {
        case StoredForm::Tenths: return static_cast<float>(number * 0.1f);
        case StoredForm::Hundredths: return number / 100;
        case StoredForm::DepthWave: return (number - 25) / 25;
        case StoredForm::Colour255: return number / 255;
        case StoredForm::Grads: return channel < 2 ? number / 10000000 : number;
        case StoredForm::Whole:
        case StoredForm::Choice:
        case StoredForm::Flag:
        case StoredForm::WholeDouble: break;
    }
    return number;
}

// Truncates toward zero, as the stored form says, with one exception: a value that was itself read from a
// stored number gives that number back. Products such as 0.57 × 100 = 56.99999999999999 would otherwise
// truncate one below, and every save of unchanged settings would wear such values down.
int32_t ChannelToStored(StoredForm form, int channel, double value) {
    const double product = StoredProduct(form, channel, value);
    const int32_t stored = SaturatingTruncate(product);
    if (ChannelFromStored(form, channel, stored) == value) return stored;
    const int64_t next = int64_t{stored} + (product < 0 ? -1 : 1);
    if (next >= std::numeric_limits<int32_t>::min() && next <= std::numeric_limits<int32_t>::max() &&
        ChannelFromStored(form, channel, static_cast<int32_t>(next)) == value)
        return static_cast<int32_t>(next);
    return stored;
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
std::array<const StoredValue*, Count> InSaveOrder(size_t first) {
    std::array<const StoredValue*, Count> ordered{};
    for (size_t i = first; i < first + Count; ++i) {
        const size_t position = StoredValues[i].savePosition;
        if (position < Count) ordered[position] = &StoredValues[i];
    }
    return ordered;
}

}  // namespace

int32_t SaturatingTruncate(double x) {
    if (x != x) return 0;
    if (x >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (x <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(x);
}

// Each row: registry name, stored form, field, range, and the value's place in a save (which writes the
// triples first, the weights leading, and the opacities ahead of the other numbers; in the main key "Period"
// ahead of the other switch values).
const std::array<StoredValue, LookValueCount + SwitchValueCount> StoredValues = {{
    {"ColorConst", StoredForm::Colour255, &SettingsRecord::ColorConst, Colour, 1},
    {"ColorAmplitude", StoredForm::Colour255, &SettingsRecord::ColorAmplitude, Colour, 2},
    {"ColorGrads", StoredForm::Grads, &SettingsRecord::ColorGrads, {{Weight, Weight, {0, 100}}}, 0},
    {"RenderingMode", StoredForm::Choice, &SettingsRecord::RenderingMode, Choices(LaserStyleCount), 5},
    {"StippleMode", StoredForm::Choice, &SettingsRecord::StippleMode, Choices(StippleModeCount), 6},
    {"SymmetryMode", StoredForm::Choice, &SettingsRecord::SymmetryMode, Choices(SymmetryModeCount), 7},
    {"BlendingMode", StoredForm::Choice, &SettingsRecord::BlendingMode, Choices(BlendingModeCount), 8},
    {"RouteA", StoredForm::Choice, &SettingsRecord::RouteA, Choices(RouteCount), 9},
    {"RouteB", StoredForm::Choice, &SettingsRecord::RouteB, Choices(RouteCount), 10},
    {"Density", StoredForm::Whole, &SettingsRecord::Density, Range(0, 100), 11},
    {"SpeedLaser", StoredForm::Whole, &SettingsRecord::SpeedLaser, Speed, 12},
    {"SpeedTexture", StoredForm::Whole, &SettingsRecord::SpeedTexture, Speed, 13},
    {"SpeedView", StoredForm::Whole, &SettingsRecord::SpeedView, Speed, 14},
    {"AlphaLaser", StoredForm::Hundredths, &SettingsRecord::AlphaLaser, Range(0, 1), 3},
    {"AlphaSprinkle", StoredForm::Whole, &SettingsRecord::AlphaSprinkle, Range(0, 511), 4},
    {"Stack", StoredForm::Flag, &SettingsRecord::Stack, Flag, 15},
    {"Doubled", StoredForm::Flag, &SettingsRecord::Doubled, Flag, 16},
    {"Stencil", StoredForm::Flag, &SettingsRecord::Stencil, Flag, 17},
    {"Antialias", StoredForm::Flag, &SettingsRecord::Antialias, Flag, 18},
    {"RotateZ", StoredForm::Flag, &SettingsRecord::RotateZ, Flag, 19},
    {"RotateX", StoredForm::Flag, &SettingsRecord::RotateX, Flag, 20},
    {"RotateY", StoredForm::Flag, &SettingsRecord::RotateY, Flag, 21},
    {"DepthTest", StoredForm::Flag, &SettingsRecord::DepthTest, Flag, 22},
    {"LineWidth", StoredForm::Tenths, &SettingsRecord::LineWidth, AnyWidth, 23},
    {"StippleSize", StoredForm::Whole, &SettingsRecord::StippleSize, AnyCount, 24},
    {"DepthAmpl", StoredForm::DepthWave, &SettingsRecord::DepthAmpl, Range(-1, 1), 25},
    {"DepthFreq", StoredForm::WholeDouble, &SettingsRecord::DepthFreq, Range(0, 511), 26},
    {"FuncRadius", StoredForm::Choice, &SettingsRecord::FuncRadius, Choices(RadiusFunctionCount), 27},
    {"FuncAngle", StoredForm::Choice, &SettingsRecord::FuncAngle, Choices(AngleFunctionCount), 28},

    {"SavedList", StoredForm::Whole, &SettingsRecord::SavedList, ListMask, 1},
    {"AutoList", StoredForm::Whole, &SettingsRecord::AutoList, ListMask, 2},
    {"Period", StoredForm::Whole, &SettingsRecord::Period, AnyCount, 0},
    {"OffSprinkle", StoredForm::Whole, &SettingsRecord::OffSprinkle, Flag, 3},
}};

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
    return InSaveOrder<LookValueCount>(0);
}

std::array<const StoredValue*, SwitchValueCount> SwitchValuesInSaveOrder() {
    return InSaveOrder<SwitchValueCount>(LookValueCount);
}
