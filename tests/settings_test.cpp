#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "settings/presets.h"
#include "settings/scene_settings.h"
#include "stored_forms.h"

namespace {

// Fills every stored value of the global record with numbers that no look uses.
void ScrambleSettings() {
    for (const StoredValue& value : StoredValues) {
        if (IsText(value.form))
            DecodeText(value, "-7 -7 -7", SceneSettings);
        else
            DecodeDword(value, 12345, SceneSettings);
    }
}

double AsDouble(const StoredValue& value, const SceneLook& look, int channel) {
    SettingsRecord record{};
    static_cast<SceneLook&>(record) = look;
    return std::visit(
        [&](auto member) -> double {
            const auto& field = record.*member;
            if constexpr (std::is_array_v<std::remove_reference_t<decltype(field)>>)
                return field[channel];
            else
                return static_cast<double>(field);
        },
        value.member);
}

TEST(Preset, FactorySettingGivesTheDefault1StoredFormsAndResetsTheSwitch) {
    ScrambleSettings();
    SetListName(7, "mine");
    CurrentList = 8;
    SelectedList = 9;

    Preset(0, false);

    const std::map<std::string, std::string> expected = {
        {"ColorConst", "102 102 102"},
        {"ColorAmplitude", "178 178 178"},
        {"ColorGrads", "128 96 10"},
        {"RenderingMode", "1"},
        {"StippleMode", "0"},
        {"SymmetryMode", "0"},
        {"BlendingMode", "0"},
        {"RouteA", "1"},
        {"RouteB", "4"},
        {"Density", "70"},
        {"SpeedLaser", "10"},
        {"SpeedTexture", "10"},
        {"SpeedView", "10"},
        {"AlphaLaser", "80"},
        {"AlphaSprinkle", "128"},
        {"Stack", "1"},
        {"Doubled", "0"},
        {"Stencil", "0"},
        {"Antialias", "1"},
        {"RotateZ", "1"},
        {"RotateX", "1"},
        {"RotateY", "0"},
        {"DepthTest", "0"},
        {"LineWidth", "10"},
        {"StippleSize", "5"},
        {"DepthAmpl", "26"},
        {"DepthFreq", "64"},
        {"FuncRadius", "1"},
        {"FuncAngle", "0"},
        {"Period", "60"},
        {"AutoList", "63"},
        {"SavedList", "12345"},
        {"OffSprinkle", "12345"},
    };
    EXPECT_EQ(StoredForms(SceneSettings), expected);
    EXPECT_EQ(ListNames[7], "mine");
    EXPECT_EQ(CurrentList, 8u);
    EXPECT_EQ(SelectedList, 9u);
}

TEST(Preset, KeepingTheSwitchLeavesPeriodAndAutoList) {
    Preset(0, false);
    SceneSettings.Period = 30;
    SceneSettings.AutoList = 5;

    Preset(3, true);

    EXPECT_EQ(SceneSettings.Period, 30);
    EXPECT_EQ(SceneSettings.AutoList, 5);
    EXPECT_EQ(SceneSettings.LineWidth, 2.0f);
    EXPECT_EQ(SceneSettings.AlphaLaser, 0.05);
    EXPECT_EQ(SceneSettings.SymmetryMode, 1);
}

TEST(Preset, AnIndexBeyondTheBuiltInLooksAppliesNoLook) {
    for (uint32_t list : {6u, 7u, 10u, static_cast<uint32_t>(-1)}) {
        ScrambleSettings();
        auto before = StoredForms(SceneSettings);

        Preset(list, true);
        EXPECT_EQ(StoredForms(SceneSettings), before) << "list " << list;

        Preset(list, false);
        before["Period"] = "60";
        before["AutoList"] = "63";
        EXPECT_EQ(StoredForms(SceneSettings), before) << "list " << list;
    }
}

TEST(Preset, EveryBuiltInLookLiesWithinTheRangesOfItsFields) {
    for (size_t list = 0; list < BuiltInLooks.size(); ++list) {
        for (size_t i = 0; i < LookValueCount; ++i) {
            const StoredValue& value = StoredValues[i];
            for (int channel = 0; channel < (IsText(value.form) ? 3 : 1); ++channel) {
                const double x = AsDouble(value, BuiltInLooks[list], channel);
                EXPECT_GE(x, value.range[channel].min) << "Default" << list + 1 << " " << value.name;
                EXPECT_LE(x, value.range[channel].max) << "Default" << list + 1 << " " << value.name;
            }
        }
    }
}

TEST(ListNames, OnlySavedListsAreRenamedAndNamesAreCutTo63Characters) {
    SetListName(3, "renamed");
    EXPECT_EQ(ListNames[3], "Default4");
    SetListName(10, "renamed");

    const std::string longName(100, 'n');
    SetListName(6, longName.c_str());
    EXPECT_EQ(ListNames[6], longName.substr(0, 63));

    SetListName(9, nullptr);
    EXPECT_EQ(ListNames[9], "");
    SetListName(9, "custom");
}

}  // namespace
