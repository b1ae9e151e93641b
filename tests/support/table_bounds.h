// Test helper: counts the loaded settings that would index a table outside its bounds.
#pragma once

#include <type_traits>
#include <variant>

#include "settings/scene_settings.h"
#include "settings/stored_values.h"

inline double FieldValue(const StoredValue& value) {
    return std::visit(
        [](auto member) -> double {
            if constexpr (std::is_arithmetic_v<std::remove_reference_t<decltype(SceneSettings.*member)>>)
                return static_cast<double>(SceneSettings.*member);
            else
                return 0;
        },
        value.member);
}

// How many values that index a table lie outside it, list names beyond their bound included.
inline int OutOfTableCount() {
    int count = 0;
    for (const StoredValue& value : StoredValues) {
        const double field = FieldValue(value);
        if (value.form == StoredForm::Choice && (field < value.range[0].min || field > value.range[0].max))
            ++count;
    }
    for (const std::string& name : ListNames)
        if (name.size() > MaxListNameLength) ++count;
    if (CurrentList >= ListCount) ++count;
    return count;
}
