// The six built-in looks, lists 0-5, shown as "Default1" to "Default6". The first is the factory setting.
#pragma once

#include <array>
#include <cstdint>

#include "settings/scene_settings.h"

extern const std::array<SceneLook, BuiltInLookCount> BuiltInLooks;

// The switch settings that Preset restores when it is not asked to keep them: a switch every minute among
// the six built-in looks.
constexpr int32_t ResetPeriod = 60;
constexpr int32_t ResetAutoList = [] {
    int32_t bits = 0;
    for (uint32_t list = 0; list < BuiltInLookCount; ++list)
        bits |= ListBits[list];
    return bits;
}();

// What a built-in look does to the switch settings: the auto-switch keeps them; "Default" and a missing
// settings key reset Period and AutoList to ResetPeriod and ResetAutoList.
enum class SwitchSettings { Keep, Reset };

// Applies built-in look listIndex (0-5) to SceneSettings; any other index applies no look. With
// SwitchSettings::Reset, Period and AutoList are reset first. Nothing else changes.
void Preset(uint32_t listIndex, SwitchSettings switchSettings);

// The factory look, "Default1". The factory setting is that look with the switch settings reset: what
// "Default" applies, and what a missing or unreadable settings key gives.
constexpr uint32_t FactoryLook = 0;
void ApplyFactorySettings();
