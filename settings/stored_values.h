// How every setting is stored: the pure encodings between the fields of the setting table's rows
// (settings/setting_rows.h) and the bytes the registry holds. The registry store only moves what these
// functions produce.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/scene_settings.h"
#include "settings/setting_rows.h"
#include "settings/truncation.h"

// The registry sees each row of the table as one stored value: the look's values in the order loading reads
// them, then the switch settings ("SavedList", "AutoList", "Period", "OffSprinkle"), which only the main
// settings key holds.
using StoredValue = SettingRow;
inline constexpr const auto& StoredValues = SettingRows;

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
