// Test helper: a settings record as the registry would hold it, one text per stored value.
#pragma once

#include <map>
#include <string>

#include "settings/stored_values.h"

inline std::map<std::string, std::string> StoredForms(const SettingsRecord& settings) {
    std::map<std::string, std::string> forms;
    for (const StoredValue& value : StoredValues)
        forms[value.name] =
            IsText(value.form) ? EncodeText(value, settings) : std::to_string(EncodeDword(value, settings));
    return forms;
}
