#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <string>

#include "settings/presets.h"
#include "settings/scene_settings.h"
#include "support/stored_forms.h"

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

// The six built-in looks as the registry stores them, written out from their published values (Default1 to
// Default6 from left to right): a changed value in any look shows here.
struct StoredRow {
    const char* value;
    std::array<const char*, BuiltInLookCount> looks;
};
// clang-format off
const StoredRow BuiltInStoredForms[] = {
    {"ColorConst",     {"102 102 102", "102 102 102", "102 102 102", "102 102 102", "102 102 102", "102 102 102"}},
    {"ColorAmplitude", {"178 178 178", "178 178 178", "178 178 178", "178 178 178", "178 178 178", "178 178 178"}},
    {"ColorGrads",     {"128 96 10", "96 64 10", "128 96 10", "128 96 10", "96 64 10", "96 32 15"}},
    {"RenderingMode",  {"1", "7", "7", "4", "9", "9"}},
    {"StippleMode",    {"0", "0", "0", "0", "0", "0"}},
    {"SymmetryMode",   {"0", "0", "2", "1", "0", "0"}},
    {"BlendingMode",   {"0", "0", "0", "0", "2", "0"}},
    {"RouteA",         {"1", "1", "1", "1", "1", "0"}},
    {"RouteB",         {"4", "2", "4", "3", "4", "0"}},
    {"Density",        {"70", "70", "100", "85", "70", "70"}},
    {"SpeedLaser",     {"10", "10", "10", "10", "10", "15"}},
    {"SpeedTexture",   {"10", "10", "10", "10", "10", "12"}},
    {"SpeedView",      {"10", "10", "10", "10", "10", "7"}},
    {"AlphaLaser",     {"80", "80", "80", "5", "100", "100"}},
    {"AlphaSprinkle",  {"128", "192", "511", "511", "192", "255"}},
    {"Stack",          {"1", "1", "1", "1", "1", "0"}},
    {"Doubled",        {"0", "0", "0", "0", "0", "0"}},
    {"Stencil",        {"0", "0", "0", "0", "0", "0"}},
    {"Antialias",      {"1", "1", "1", "1", "1", "1"}},
    {"RotateZ",        {"1", "1", "1", "1", "1", "1"}},
    {"RotateX",        {"1", "1", "0", "0", "1", "0"}},
    {"RotateY",        {"0", "0", "0", "0", "0", "1"}},
    {"DepthTest",      {"0", "0", "0", "0", "0", "1"}},
    {"LineWidth",      {"10", "10", "10", "20", "6", "5"}},
    {"StippleSize",    {"5", "5", "5", "5", "5", "5"}},
    {"DepthAmpl",      {"26", "26", "26", "26", "45", "50"}},
    {"DepthFreq",      {"64", "64", "64", "64", "64", "8"}},
    {"FuncRadius",     {"1", "1", "3", "2", "1", "1"}},
    {"FuncAngle",      {"0", "0", "3", "2", "0", "0"}},
};
// clang-format on

TEST(Preset, EveryBuiltInLookGivesItsStoredFormsAndTouchesNothingElse) {
    ASSERT_EQ(std::size(BuiltInStoredForms), LookValueCount);
    for (uint32_t list = 0; list < BuiltInLookCount; ++list) {
        ScrambleSettings();
        Preset(list, SwitchSettings::Keep);
        const auto forms = StoredForms(SceneSettings);
        for (const StoredRow& row : BuiltInStoredForms)
            EXPECT_EQ(forms.at(row.value), row.looks[list]) << "Default" << list + 1 << " " << row.value;
        for (const char* other : {"Period", "AutoList", "SavedList", "OffSprinkle"})
            EXPECT_EQ(forms.at(other), "12345") << "Default" << list + 1 << " " << other;
    }
}

TEST(Preset, TheFactorySettingResetsTheSwitchAndKeepsTheLists) {
    ScrambleSettings();
    SetListName(7, "mine");
    CurrentList = 8;
    SelectedList = 9;

    ApplyFactorySettings();

    const auto forms = StoredForms(SceneSettings);
    EXPECT_EQ(forms.at("RenderingMode"), "1");
    EXPECT_EQ(forms.at("Period"), "60");
    EXPECT_EQ(forms.at("AutoList"), "63");
    EXPECT_EQ(forms.at("SavedList"), "12345");
    EXPECT_EQ(forms.at("OffSprinkle"), "12345");
    EXPECT_EQ(ListNames[7], "mine");
    EXPECT_EQ(CurrentList, 8u);
    EXPECT_EQ(SelectedList, 9u);
}

TEST(Preset, AnIndexBeyondTheBuiltInLooksAppliesNoLook) {
    for (uint32_t list : {6u, 7u, 10u, static_cast<uint32_t>(-1)}) {
        ScrambleSettings();
        auto before = StoredForms(SceneSettings);

        Preset(list, SwitchSettings::Keep);
        EXPECT_EQ(StoredForms(SceneSettings), before) << "list " << list;

        Preset(list, SwitchSettings::Reset);
        before["Period"] = "60";
        before["AutoList"] = "63";
        EXPECT_EQ(StoredForms(SceneSettings), before) << "list " << list;
    }
}

}  // namespace
