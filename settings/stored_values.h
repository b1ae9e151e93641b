// How every setting is stored: one table with each stored value's registry name, the field or fields it
// holds, the range the field is defined for, its stored form and its place in a save, with the pure
// encodings between fields and stored bytes. The registry store only moves what these functions produce.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <variant>

#include "settings/scene_settings.h"

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
    uint8_t savePosition;  // place among the look values, or among the switch values, in the order a save
                           // writes them
};

constexpr size_t LookValueCount = 29;
constexpr size_t SwitchValueCount = 4;

// The 29 values of a look, in the order loading reads them, then the four switch settings ("SavedList",
// "AutoList", "Period", "OffSprinkle"), which only the main settings key holds, in their reading order.
extern const std::array<StoredValue, LookValueCount + SwitchValueCount> StoredValues;

constexpr bool IsText(StoredForm form) {
    return form == StoredForm::Colour255 || form == StoredForm::Grads;
}

// Truncation toward zero that cannot overflow: NaN gives 0, values beyond the range its nearest end.
// Stored settings may hold anything.
int32_t SaturatingTruncate(double x);

// DWORD values (every form but the text ones).
int32_t EncodeDword(const StoredValue& value, const SettingsRecord& settings);
void DecodeDword(const StoredValue& value, int32_t stored, SettingsRecord& settings);

// Text triples: "%d %d %d". Decoding reads up to three whole numbers as "%d %d %d" would; a channel whose
// number is missing keeps its value.
std::string EncodeText(const StoredValue& value, const SettingsRecord& settings);
void DecodeText(const StoredValue& value, const char* text, SettingsRecord& settings);

// The working buffer every stored value is read into. It is cleared before each read; a value that does not
// fit counts as unreadable.
constexpr size_t StoredBufferSize = 256;
using StoredBuffer = std::array<uint8_t, StoredBufferSize>;

// What a read buffer holds, whatever type the value was stored with: a DWORD is its first four bytes
// (little-endian); a text runs to its first NUL and keeps at most StoredBufferSize - 1 characters.
int32_t DwordFromBuffer(const StoredBuffer& buffer);
std::string TextFromBuffer(const StoredBuffer& buffer);

// Decodes a value read into the buffer into its field or fields.
void DecodeBuffer(const StoredValue& value, const StoredBuffer& buffer, SettingsRecord& settings);

// The look values, and the switch values, in the order a save writes them.
std::array<const StoredValue*, LookValueCount> LookValuesInSaveOrder();
std::array<const StoredValue*, SwitchValueCount> SwitchValuesInSaveOrder();
