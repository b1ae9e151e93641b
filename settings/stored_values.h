// How every setting is stored: one table with each stored value's registry name, the field or fields it
// holds, the range the field is defined for, and its stored form, with the pure encodings between fields and
// stored numbers. The registry store only moves what these functions produce.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <variant>

#include "settings/scene_settings.h"

enum class StoredForm : uint8_t {
    Whole,        // DWORD holding the field
    Flag,         // DWORD of which only the lowest byte counts: on when it is not 0
    Tenths,       // DWORD truncate(value × 10); read back as number × 0.1f, rounded to a float
    Hundredths,   // DWORD truncate(value × 100); read back as number / 100
    DepthWave,    // DWORD truncate(value × 25 + 25); read back as (number − 25) / 25
    WholeDouble,  // DWORD truncate(value); read back as the number
    Colour255,    // text "%d %d %d" of truncate(channel × 255); read back as number / 255
    Grads,        // text "%d %d %d" of the radius and angle weights × 10,000,000 and the time weight
};

// The member a stored value holds. The text forms hold three channels.
using SettingMember =
    std::variant<uint32_t SettingsRecord::*, int32_t SettingsRecord::*, float SettingsRecord::*,
                 double SettingsRecord::*, double (SettingsRecord::*)[3]>;

struct SettingRange {
    double min;
    double max;
};

struct StoredValue {
    const char* name;  // registry value name, also the field's name
    StoredForm form;
    SettingMember member;
    std::array<SettingRange, 3> range;  // per channel for the text forms; entry 0 for the others
};

constexpr size_t LookValueCount = 29;
constexpr size_t SwitchValueCount = 4;

// The 29 values of a look, in the order loading reads them, then the four switch settings ("SavedList",
// "AutoList", "Period", "OffSprinkle"), which only the main settings key holds, in their reading order.
extern const std::array<StoredValue, LookValueCount + SwitchValueCount> StoredValues;

constexpr bool IsText(StoredForm form) {
    return form == StoredForm::Colour255 || form == StoredForm::Grads;
}

// DWORD values (every form but the text ones).
int32_t EncodeDword(const StoredValue& value, const SettingsRecord& settings);
void DecodeDword(const StoredValue& value, int32_t stored, SettingsRecord& settings);

// Text triples: "%d %d %d". Decoding reads up to three whole numbers as "%d %d %d" would; a channel whose
// number is missing keeps its value.
std::string EncodeText(const StoredValue& value, const SettingsRecord& settings);
void DecodeText(const StoredValue& value, const char* text, SettingsRecord& settings);
