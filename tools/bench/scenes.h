// The scenes the benchmark draws: the six built-in looks, then the heaviest settings that the Configuration
// dialog can reach, each written as a built-in look with a few values changed. The changes name the stored
// values ("Density", "FuncRadius", …) and give them in the units of the settings record, so that one table
// serves the offscreen benchmark and, through the registry file below, the live figures under Wine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SettingChange {
    const char* name;  // a stored value's name
    double value;      // in the field's own units (LineWidth in pixels, Density 0-100, …)
};

struct BenchScene {
    const char* name;
    uint32_t look;  // the built-in look it starts from, 0-5
    std::vector<SettingChange> changes;
};

// The built-in looks first (named Default1 … Default6, unchanged), then the worst cases.
const std::vector<BenchScene>& BenchScenes();

// Applies the scene to SceneSettings: the built-in look, then each change. False when a change names no
// stored value.
bool ApplyScene(const BenchScene& scene);

// A registry file (REGEDIT4) that stores the scene as the main settings key, in the stored forms that
// loading reads back: format version, every look value and switch values that keep the look fixed (Period
// 0, the Sprinkle on).
std::string SceneRegistryFile(const BenchScene& scene);

// The scene of that name; null when there is none.
const BenchScene* FindScene(const std::string& name);

// Whether the scene is among the comma-separated names in only; an empty list chooses every scene.
bool SceneChosen(const std::string& only, const char* name);

// The file a picture of scene number index is written to: look1 … look6 for the built-in looks, the scene's
// name with dashes for the others, then the extension (".png").
std::string SceneFileName(size_t index, const char* name, const char* extension);
