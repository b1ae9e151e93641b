#include "scenes.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <type_traits>
#include <variant>

#include "render/recursion.h"
#include "settings/presets.h"
#include "settings/registry_store.h"
#include "settings/scene_settings.h"
#include "settings/stored_values.h"

// The worst cases, from the formulas. A Sprinkle frame costs its sprites' area: "Power" at Density 90 (the
// slider's end) draws 235-301 pairs every frame, growing to 301 units, and "sun" has the largest square;
// Density 100 is reached by loading Default3 and choosing "Power". A Laser frame costs its line length
// times the line width (LineWidth is typed, and OpenGL draws at most its widest line, 255 pixels here), or
// its shapes times their size: the circle chain draws 145 segments per point, the fan two spokes per point,
// "Linear" has the most points (up to 446), Doubled and four mirrored copies multiply them by 2 and 4, and a
// textured strip is 24 units times LineWidth thick.
const std::vector<BenchScene>& BenchScenes() {
    static const std::vector<BenchScene> scenes = {
        {"Default1", 0, {}},
        {"Default2", 1, {}},
        {"Default3", 2, {}},
        {"Default4", 3, {}},
        {"Default5", 4, {}},
        {"Default6", 5, {}},
        // The heaviest of the common changes: the densest Sprinkle and the widest line on the first looks.
        {"D1 Density 90", 0, {{"Density", 90}}},
        {"D1 Density 100", 0, {{"Density", 100}}},
        {"D3 Power Density 90", 2, {{"FuncRadius", RadiusPower}, {"Density", 90}}},
        {"D3 Power Density 100", 2, {{"FuncRadius", RadiusPower}}},
        {"D1 Sprinkle 90 suns", 0, {{"Density", 90}, {"RouteA", 1}, {"RouteB", 1}}},
        {"D1 line 9999 wide", 0, {{"LineWidth", 9999}}},
        {"D2 chain four copies", 1, {{"SymmetryMode", 2}}},
        // Heavier still: the widest lines on the styles with the most line, and the most shapes.
        {"D2 chain 9999 wide", 1, {{"LineWidth", 9999}}},
        {"D4 fan 9999 wide", 3, {{"LineWidth", 9999}}},
        {"D2 chain four Linear", 1, {{"SymmetryMode", 2}, {"FuncRadius", RadiusLinear}}},
        {"D2 chain four Linear dbl", 1, {{"SymmetryMode", 2}, {"FuncRadius", RadiusLinear}, {"Doubled", 1}}},
        {"D5 tube 9999 wide", 4, {{"RenderingMode", 14}, {"LineWidth", 9999}}},
        {"D4 fan 9999 four Lin dbl",
         3,
         {{"LineWidth", 9999}, {"SymmetryMode", 2}, {"FuncRadius", RadiusLinear}, {"Doubled", 1}}},
    };
    return scenes;
}

namespace {

const StoredValue* FindStoredValue(const char* name) {
    for (const StoredValue& value : StoredValues)
        if (std::strcmp(value.name, name) == 0) return &value;
    return nullptr;
}

// Sets a single-field value; the channel triples are not among the changes a scene makes.
bool SetField(const StoredValue& stored, double value) {
    return std::visit(
        [&](auto member) {
            auto& field = SceneSettings.*member;
            using Field = std::remove_reference_t<decltype(field)>;
            if constexpr (std::is_array_v<Field>) {
                return false;
            } else {
                field = static_cast<Field>(value);
                return true;
            }
        },
        stored.member);
}

}  // namespace

const BenchScene* FindScene(const std::string& name) {
    for (const BenchScene& scene : BenchScenes())
        if (name == scene.name) return &scene;
    return nullptr;
}

bool SceneChosen(const std::string& only, const char* name) {
    if (only.empty()) return true;
    const std::string list = "," + only + ",";
    return list.find("," + std::string(name) + ",") != std::string::npos;
}

std::string SceneFileName(size_t index, const char* name, const char* extension) {
    if (index < BuiltInLookCount) return "look" + std::to_string(index + 1) + extension;
    std::string file = name;
    std::replace(file.begin(), file.end(), ' ', '-');
    return file + extension;
}

bool ApplyScene(const BenchScene& scene) {
    Preset(scene.look, SwitchSettings::Reset);
    SceneSettings.Period = 0;
    SceneSettings.OffSprinkle = 0;
    for (const SettingChange& change : scene.changes) {
        const StoredValue* stored = FindStoredValue(change.name);
        if (stored == nullptr || !SetField(*stored, change.value)) return false;
    }
    return true;
}

std::string SceneRegistryFile(const BenchScene& scene) {
    ApplyScene(scene);
    SceneSettings.AutoList = 1;
    SceneSettings.SavedList = 0;
    std::string file = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Control Panel\\Screen Saver.Plumora]\n";
    char line[160];
    snprintf(line, sizeof line, "@=dword:%08x\n", static_cast<uint32_t>(StoredFormatVersion));
    file += line;
    for (const StoredValue& value : StoredValues) {
        if (IsText(value.form))
            snprintf(line, sizeof line, "\"%s\"=\"%s\"\n", value.name,
                     EncodeText(value, SceneSettings).c_str());
        else
            snprintf(line, sizeof line, "\"%s\"=dword:%08x\n", value.name,
                     static_cast<uint32_t>(EncodeDword(value, SceneSettings)));
        file += line;
    }
    return file;
}
