#include "settings/stored_values.h"

#include <cstdio>
#include <cstdlib>
#include <type_traits>

namespace {

using ChannelsMember = double (SettingsRecord::*)[3];

constexpr std::array<SettingRange, 3> Range(double min, double max) {
    return {{{min, max}, {0, 0}, {0, 0}}};
}

constexpr auto Flag = Range(0, 1);
constexpr auto Speed = Range(0, 100);
constexpr auto AnyCount = Range(0, std::numeric_limits<int32_t>::max());
constexpr auto ListMask = Range(0, 1023);
constexpr SettingRange Channel = {0, 1};
constexpr SettingRange Weight = {0, 0.001};

int32_t SaturatingTruncate(double x) {
    if (x != x) return 0;
    if (x >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (x <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(x);
}

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

}  // namespace

const std::array<StoredValue, LookValueCount + SwitchValueCount> StoredValues = {{
    {"ColorConst", StoredForm::Colour255, &SettingsRecord::ColorConst, {{Channel, Channel, Channel}}},
    {"ColorAmplitude", StoredForm::Colour255, &SettingsRecord::ColorAmplitude, {{Channel, Channel, Channel}}},
    {"ColorGrads", StoredForm::Grads, &SettingsRecord::ColorGrads, {{Weight, Weight, {0, 100}}}},
    {"RenderingMode", StoredForm::Whole, &SettingsRecord::RenderingMode, Range(0, 14)},
    {"StippleMode", StoredForm::Whole, &SettingsRecord::StippleMode, Range(0, 3)},
    {"SymmetryMode", StoredForm::Whole, &SettingsRecord::SymmetryMode, Range(0, 2)},
    {"BlendingMode", StoredForm::Whole, &SettingsRecord::BlendingMode, Range(0, 2)},
    {"RouteA", StoredForm::Whole, &SettingsRecord::RouteA, Range(0, 5)},
    {"RouteB", StoredForm::Whole, &SettingsRecord::RouteB, Range(0, 5)},
    {"Density", StoredForm::Whole, &SettingsRecord::Density, Range(0, 100)},
    {"SpeedLaser", StoredForm::Whole, &SettingsRecord::SpeedLaser, Speed},
    {"SpeedTexture", StoredForm::Whole, &SettingsRecord::SpeedTexture, Speed},
    {"SpeedView", StoredForm::Whole, &SettingsRecord::SpeedView, Speed},
    {"AlphaLaser", StoredForm::Hundredths, &SettingsRecord::AlphaLaser, Range(0, 1)},
    {"AlphaSprinkle", StoredForm::Whole, &SettingsRecord::AlphaSprinkle, Range(0, 511)},
    {"Stack", StoredForm::Flag, &SettingsRecord::Stack, Flag},
    {"Doubled", StoredForm::Flag, &SettingsRecord::Doubled, Flag},
    {"Stencil", StoredForm::Flag, &SettingsRecord::Stencil, Flag},
    {"Antialias", StoredForm::Flag, &SettingsRecord::Antialias, Flag},
    {"RotateZ", StoredForm::Flag, &SettingsRecord::RotateZ, Flag},
    {"RotateX", StoredForm::Flag, &SettingsRecord::RotateX, Flag},
    {"RotateY", StoredForm::Flag, &SettingsRecord::RotateY, Flag},
    {"DepthTest", StoredForm::Flag, &SettingsRecord::DepthTest, Flag},
    {"LineWidth", StoredForm::Tenths, &SettingsRecord::LineWidth,
     Range(0, std::numeric_limits<float>::max())},
    {"StippleSize", StoredForm::Whole, &SettingsRecord::StippleSize, AnyCount},
    {"DepthAmpl", StoredForm::DepthWave, &SettingsRecord::DepthAmpl, Range(-1, 1)},
    {"DepthFreq", StoredForm::WholeDouble, &SettingsRecord::DepthFreq, Range(0, 511)},
    {"FuncRadius", StoredForm::Whole, &SettingsRecord::FuncRadius, Range(0, 3)},
    {"FuncAngle", StoredForm::Whole, &SettingsRecord::FuncAngle, Range(0, 3)},

    {"SavedList", StoredForm::Whole, &SettingsRecord::SavedList, ListMask},
    {"AutoList", StoredForm::Whole, &SettingsRecord::AutoList, ListMask},
    {"Period", StoredForm::Whole, &SettingsRecord::Period, AnyCount},
    {"OffSprinkle", StoredForm::Whole, &SettingsRecord::OffSprinkle, Flag},
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
                settings.*member =
                    value.form == StoredForm::Flag ? (stored & 0xFF) != 0 : static_cast<Field>(stored);
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
