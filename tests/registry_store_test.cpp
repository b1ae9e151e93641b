// The registry store against Wine's real registry in the test's throwaway prefix.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "settings/random.h"
#include "settings/registry_store.h"
#include "shell/auto_switch.h"
#include "support/registry_helpers.h"
#include "support/stored_forms.h"

namespace {

class RegistryStore : public testing::Test {
protected:
    void SetUp() override { ResetStoredSettingsState(); }
    void TearDown() override {
        EndStoredSettingsTest();
        ReleaseClock();
    }
};

std::map<std::string, std::string> LookForms(const SceneLook& look) {
    SettingsRecord record{};
    static_cast<SceneLook&>(record) = look;
    std::map<std::string, std::string> forms = StoredForms(record);
    for (const char* name : {"Period", "AutoList", "SavedList", "OffSprinkle"})
        forms.erase(name);
    return forms;
}

// A main key of this format holding the record as it is now.
void StoreMainKey() {
    RegistrySave(SaveTarget::MainKey);
    ShownMessages.clear();
}

TEST_F(RegistryStore, FirstRunWithoutAKeyGivesTheFactorySettingSilently) {
    Preset(3, SwitchSettings::Keep);
    SceneSettings.Period = 5;
    SceneSettings.AutoList = 1 << 9;
    CurrentList = 4;
    SeedRandom(77);
    const int32_t next = DrawRandom();
    SeedRandom(77);

    EXPECT_FALSE(LoadStartLook());

    EXPECT_TRUE(ShownMessages.empty()) << ShownMessages.front();
    EXPECT_EQ(LookForms(SceneSettings), LookForms(BuiltInLooks[0]));
    EXPECT_EQ(SceneSettings.Period, 60);
    EXPECT_EQ(SceneSettings.AutoList, 63);
    EXPECT_FALSE(SettingsStored);
    EXPECT_EQ(CurrentList, 4u);     // nothing was drawn ...
    EXPECT_EQ(DrawRandom(), next);  // ... and the generator was not reseeded
    EXPECT_FALSE(KeyExists(SettingsKeyPath));
}

// An older main key is wiped with its lists, also when one of its lists is what is loaded.
TEST_F(RegistryStore, AnOlderFormatIsWipedWithItsListsAndTheFactorySettingApplies) {
    for (int32_t version : {24, 0, -1}) {
        SetDword(SettingsKeyPath, nullptr, version);
        SetDword(SettingsKeyPath, "Period", 5);
        for (const char* subkey : {"custom1", "custom2", "custom3", "custom4", "custom5"})
            SetDword(SubkeyPath(subkey), "RenderingMode", 3);
        Preset(5, SwitchSettings::Keep);

        RegistryLoad(version == 24 ? 7 : MainSettingsKey);

        EXPECT_TRUE(ShownMessages.empty()) << version;
        EXPECT_FALSE(KeyExists(SettingsKeyPath)) << version;
        EXPECT_EQ(LookForms(SceneSettings), LookForms(BuiltInLooks[0])) << version;
        EXPECT_EQ(SceneSettings.Period, 60);
        EXPECT_FALSE(SettingsStored);
    }
}

TEST_F(RegistryStore, AKeyWithoutAVersionIsReportedAndWiped) {
    SetDword(SettingsKeyPath, "Period", 5);
    SetDword(SubkeyPath("custom2"), "RenderingMode", 3);

    LoadStartLook();

    EXPECT_EQ(ShownMessages, std::vector<std::string>{"ERROR: RegistryLoad() -> RegQueryValueEx() 1"});
    EXPECT_FALSE(KeyExists(SettingsKeyPath));
    EXPECT_EQ(LookForms(SceneSettings), LookForms(BuiltInLooks[0]));
}

// A newer main key is left alone, and so are its lists: loading the key, or one of its lists, gives the
// factory setting.
TEST_F(RegistryStore, ANewerFormatIsLeftAloneAndTheFactorySettingApplies) {
    SetDword(SettingsKeyPath, nullptr, 26);
    SetDword(SettingsKeyPath, "RenderingMode", 9);
    SetDword(SubkeyPath("custom1"), "RenderingMode", 3);
    SetDword(SubkeyPath("custom5"), "RenderingMode", 3);
    for (int32_t list : {-1, 6}) {
        Preset(4, SwitchSettings::Keep);
        SceneSettings.Period = 7;

        EXPECT_FALSE(RegistryLoad(list));

        EXPECT_TRUE(ShownMessages.empty());
        EXPECT_EQ(LookForms(SceneSettings), LookForms(BuiltInLooks[0])) << list;
        EXPECT_EQ(SceneSettings.Period, 60);
        EXPECT_FALSE(SettingsStored);
    }
    EXPECT_EQ(ValuesOf(SettingsKeyPath).at("RenderingMode"), "9");
    EXPECT_TRUE(KeyExists(SubkeyPath("custom1")));
    EXPECT_TRUE(KeyExists(SubkeyPath("custom5")));
}

TEST_F(RegistryStore, SavingTheFactorySettingStoresItsKnownForms) {
    SetListName(7, "evening");

    EXPECT_TRUE(RegistrySave(SaveTarget::MainKey));

    EXPECT_TRUE(ShownMessages.empty());
    EXPECT_TRUE(SettingsStored);
    const auto values = ValuesOf(SettingsKeyPath);
    EXPECT_EQ(values.at(""), "25");
    EXPECT_EQ(values.at("ColorGrads"), "128 96 10");
    EXPECT_EQ(values.at("ColorConst"), "102 102 102");
    EXPECT_EQ(values.at("ColorAmplitude"), "178 178 178");
    EXPECT_EQ(values.at("AlphaLaser"), "80");
    EXPECT_EQ(values.at("LineWidth"), "10");
    EXPECT_EQ(values.at("DepthAmpl"), "26");
    EXPECT_EQ(values.at("DepthFreq"), "64");
    EXPECT_EQ(values.at("Period"), "60");
    EXPECT_EQ(values.at("AutoList"), "63");

    // Exactly the version, the four names, the switch settings and the look, each with its type.
    std::map<std::string, std::string> expected = StoredForms(SceneSettings);
    expected[""] = "25";
    expected["custom1"] = "custom";
    expected["custom2"] = "evening";
    expected["custom3"] = "custom";
    expected["custom4"] = "custom";
    EXPECT_EQ(values, expected);
    for (const char* subkey : {"custom1", "custom2", "custom3", "custom4"})
        EXPECT_FALSE(KeyExists(SubkeyPath(subkey)));
}

TEST_F(RegistryStore, LoadingGivesBackTheStoredNumbersNotTheLooksDecimals) {
    SceneSettings.Period = 30;
    SceneSettings.AutoList = 0;
    SceneSettings.SavedList = 64;
    SceneSettings.OffSprinkle = 1;
    SetListName(6, "morning");
    RegistrySave(SaveTarget::MainKey);
    const auto saved = StoredForms(SceneSettings);
    SettingsStored = false;
    Preset(5, SwitchSettings::Keep);
    SceneSettings.Period = SceneSettings.SavedList = SceneSettings.OffSprinkle = 3;
    SetListName(6, "other");

    EXPECT_TRUE(LoadStartLook());

    EXPECT_TRUE(ShownMessages.empty());
    EXPECT_TRUE(SettingsStored);
    EXPECT_EQ(StoredForms(SceneSettings), saved);
    EXPECT_EQ(SceneSettings.ColorAmplitude[0], 178.0 / 255);
    EXPECT_NE(SceneSettings.ColorAmplitude[0], 0.7);
    EXPECT_EQ(ListNames[6], "morning");
    EXPECT_EQ(ListNames[0], "Default1");
}

TEST_F(RegistryStore, StoredNumbersReadAsTheirFields) {
    StoreMainKey();
    SetDword(SettingsKeyPath, "Stack", 256);
    SetDword(SettingsKeyPath, "Doubled", 257);
    SetDword(SettingsKeyPath, "DepthAmpl", 0);
    SetDword(SettingsKeyPath, "LineWidth", 15);
    SetDword(SettingsKeyPath, "OffSprinkle", 256);

    RegistryLoad(MainSettingsKey);
    EXPECT_EQ(SceneSettings.Stack, 0);
    EXPECT_EQ(SceneSettings.Doubled, 1);
    EXPECT_EQ(SceneSettings.DepthAmpl, -1.0);
    EXPECT_EQ(SceneSettings.LineWidth, 1.5f);
    EXPECT_EQ(SceneSettings.OffSprinkle, 256);

    SetDword(SettingsKeyPath, "DepthAmpl", 50);
    RegistryLoad(MainSettingsKey);
    EXPECT_EQ(SceneSettings.DepthAmpl, 1.0);
    EXPECT_TRUE(ShownMessages.empty());
}

// Values of the wrong type, too large or missing: each is reported as its message says, or read by the
// buffer rule, and loading goes on with the next.
TEST_F(RegistryStore, BadValuesAreReadByTheBufferRuleOrReportedAndLoadingGoesOn) {
    StoreMainKey();
    SetText(SettingsKeyPath, "Density", "5");             // a text where a DWORD belongs: its bytes "5"
    SetDword(SettingsKeyPath, "ColorAmplitude", 25);      // a DWORD where a text belongs: no number
    SetText(SettingsKeyPath, "ColorGrads", "1000 2000");  // two numbers: the time weight stays
    const std::vector<uint8_t> large(300, '7');
    SetRaw(SettingsKeyPath, "ColorConst", REG_BINARY, large.data(), large.size());
    SetRaw(SettingsKeyPath, "SpeedView", REG_BINARY, large.data(), large.size());
    const uint8_t two[] = {0x10, 0x00};
    SetRaw(SettingsKeyPath, "SpeedLaser", REG_BINARY, two, sizeof two);
    SetDword(SettingsKeyPath, "RouteA", 99);
    DeleteValue(SettingsKeyPath, "Period");
    DeleteValue(SettingsKeyPath, "AutoList");
    Preset(2, SwitchSettings::Keep);
    SceneSettings.Period = 44;

    EXPECT_TRUE(RegistryLoad(MainSettingsKey));

    EXPECT_EQ(ShownMessages, (std::vector<std::string>{"ERROR: RegistryLoad() -> RegQueryValueEx() 1",
                                                       "ERROR: RegistryLoad() -> RegQueryValueEx()",
                                                       "ERROR: RegistryLoad() -> RegQueryValueEx()",
                                                       "ERROR: RegistryLoad() -> RegQueryValueEx() 9"}));
    EXPECT_EQ(SceneSettings.Density, uint32_t{'5'});
    EXPECT_EQ(SceneSettings.ColorConst[0], 0.4);  // Default3's, kept
    EXPECT_EQ(SceneSettings.ColorGrads[0], 1000 / 1e7);
    EXPECT_EQ(SceneSettings.ColorGrads[1], 2000 / 1e7);
    EXPECT_EQ(SceneSettings.ColorGrads[2], 10.0);
    EXPECT_EQ(SceneSettings.ColorAmplitude[0], 0.7);
    EXPECT_EQ(SceneSettings.SpeedView, 10u);
    EXPECT_EQ(SceneSettings.SpeedLaser, 16u);
    EXPECT_EQ(SceneSettings.RouteA, 5);  // kept within the sprite table
    EXPECT_EQ(SceneSettings.Period, 44);
    EXPECT_EQ(SceneSettings.AutoList, 63);
}

TEST_F(RegistryStore, ASavedListHoldsTheLookAloneAndLoadingItLeavesEverythingElse) {
    Preset(2, SwitchSettings::Keep);
    SelectedList = 8;
    EXPECT_TRUE(RegistrySave(SaveTarget::SelectedListKey));
    EXPECT_TRUE(SettingsStored);

    std::map<std::string, std::string> expected = LookForms(BuiltInLooks[2]);
    EXPECT_EQ(ValuesOf(SubkeyPath("custom3")), expected);
    EXPECT_TRUE(ValuesOf(SettingsKeyPath).empty()) << "a list save writes nothing into the main key";

    ApplyFactorySettings();
    SceneSettings.Period = 45;
    SceneSettings.AutoList = 5;
    SceneSettings.SavedList = 256;
    SceneSettings.OffSprinkle = 1;
    SetListName(8, "stored name");
    RegistrySave(SaveTarget::MainKey);
    SetListName(8, "edited");

    EXPECT_TRUE(RegistryLoad(8));

    EXPECT_TRUE(ShownMessages.empty());
    EXPECT_EQ(LookForms(SceneSettings), LookForms(BuiltInLooks[2]));
    EXPECT_EQ(SceneSettings.Period, 45);
    EXPECT_EQ(SceneSettings.AutoList, 5);
    EXPECT_EQ(SceneSettings.SavedList, 256);
    EXPECT_EQ(SceneSettings.OffSprinkle, 1);
    EXPECT_EQ(ListNames[8], "edited");
}

TEST_F(RegistryStore, AMissingListIsReportedOnceAndChangesNothing) {
    StoreMainKey();
    Preset(4, SwitchSettings::Keep);
    const auto before = StoredForms(SceneSettings);

    for (int32_t list : {7, 10, 1000}) {
        ShownMessages.clear();
        EXPECT_FALSE(RegistryLoad(list));
        EXPECT_EQ(ShownMessages, std::vector<std::string>{"ERROR: RegistryLoad() -> RegOpenKeyEx()"}) << list;
        EXPECT_EQ(StoredForms(SceneSettings), before) << list;
    }
}

TEST_F(RegistryStore, ListNamesAreCutTo63CharactersAndUnreadableOnesAreEmpty) {
    StoreMainKey();
    SetText(SettingsKeyPath, "custom1", std::string(100, 'a'));
    DeleteValue(SettingsKeyPath, "custom2");
    SetText(SettingsKeyPath, "custom3", std::string(300, 'c'));  // larger than the buffer
    SetDword(SettingsKeyPath, "custom4", 'A');
    SetText(SettingsKeyPath, "Default1", "renamed");

    RegistryLoad(MainSettingsKey);

    EXPECT_TRUE(ShownMessages.empty());
    EXPECT_EQ(ListNames[6], std::string(63, 'a'));
    EXPECT_EQ(ListNames[7], "");
    EXPECT_EQ(ListNames[8], "");
    EXPECT_EQ(ListNames[9], "A");
    EXPECT_EQ(ListNames[0], "Default1");

    // A text that fills the buffer without a NUL is read up to the buffer's last byte.
    const std::vector<uint8_t> full(256, 'f');
    SetRaw(SettingsKeyPath, "custom1", REG_BINARY, full.data(), full.size());
    SetText(SettingsKeyPath, "custom2", std::string(255, 'g'));
    RegistryLoad(MainSettingsKey);
    EXPECT_EQ(ListNames[6], std::string(63, 'f'));
    EXPECT_EQ(ListNames[7], std::string(63, 'g'));
}

TEST_F(RegistryStore, TheStartUpChoiceDrawsOnlyWhenAskedWithAPeriodAndMarkedLists) {
    // Period 30 with no list marked, Period 0, or no choice asked for: the main key is read, nothing drawn.
    struct Case {
        int32_t period;
        int32_t autoList;
        bool startUp;  // loaded as the saver starts, or as the dialog's Cancel loads
    };
    for (const Case& c : {Case{30, 0, true}, Case{0, 8, true}, Case{30, 8, false}}) {
        ApplyFactorySettings();
        SceneSettings.Period = c.period;
        SceneSettings.AutoList = c.autoList;
        StoreMainKey();
        CurrentList = 9;
        SeedRandom(5);
        const int32_t next = DrawRandom();
        SeedRandom(5);

        EXPECT_TRUE(c.startUp ? LoadStartLook() : RegistryLoad(MainSettingsKey));
        EXPECT_EQ(CurrentList, 9u);
        EXPECT_EQ(DrawRandom(), next);
        EXPECT_EQ(LookForms(SceneSettings), LookForms(BuiltInLooks[0]));
    }

    // One built-in list marked: it is applied, the switch settings stay.
    ApplyFactorySettings();
    SceneSettings.Period = 30;
    SceneSettings.AutoList = 1 << 3;
    StoreMainKey();
    CurrentList = 3;  // the list applied before may come again
    LoadStartLook();
    EXPECT_EQ(CurrentList, 3u);
    EXPECT_EQ(LookForms(SceneSettings), LookForms(BuiltInLooks[3]));
    EXPECT_EQ(SceneSettings.Period, 30);
    EXPECT_EQ(SceneSettings.AutoList, 8);
}

TEST_F(RegistryStore, TheStartUpChoiceFollowsItsSeedAndLoadsASavedList) {
    Preset(5, SwitchSettings::Keep);
    SelectedList = 6;
    RegistrySave(SaveTarget::SelectedListKey);
    ApplyFactorySettings();
    SceneSettings.AutoList = (1 << 6) | (1 << 4);
    SceneSettings.SavedList = 1 << 6;
    StoreMainKey();

    // Seed truncate(TimePhase) / 2 + clock: 3001 / 2 + 9 = 1509, whose first list is 6.
    TimePhase = 3001.75;
    FixClock(9);
    uint32_t state = 1509;
    uint32_t expected = 99;
    for (int draw = 0; draw < 100 && expected == 99; ++draw) {
        state = state * 214013u + 2531011u;
        const uint32_t list = ((state >> 16) & 0x7FFF) % 10;
        if (list == 6 || list == 4) expected = list;
    }
    ASSERT_EQ(expected, 6u);

    EXPECT_TRUE(LoadStartLook());

    EXPECT_EQ(CurrentList, 6u);
    EXPECT_EQ(LookForms(SceneSettings), LookForms(BuiltInLooks[5]));
    EXPECT_EQ(SceneSettings.AutoList, (1 << 6) | (1 << 4));
    EXPECT_TRUE(ShownMessages.empty());
}

TEST_F(RegistryStore, DeletingAListRemovesItsSubkeyAndKeepsItsName) {
    SelectedList = 9;
    RegistrySave(SaveTarget::SelectedListKey);
    SetListName(9, "gone soon");
    RegistrySave(SaveTarget::MainKey);
    ASSERT_TRUE(KeyExists(SubkeyPath("custom4")));

    EXPECT_TRUE(RegistryDelete());
    EXPECT_FALSE(KeyExists(SubkeyPath("custom4")));
    EXPECT_EQ(ValuesOf(SettingsKeyPath).at("custom4"), "gone soon");

    // Built-in lists and indices beyond the table have no subkey to delete.
    for (uint32_t list : {3u, 10u}) {
        SelectedList = list;
        EXPECT_FALSE(RegistryDelete());
    }
    EXPECT_TRUE(ShownMessages.empty());
}

TEST_F(RegistryStore, SavingAListThatIsNotASavedListIsReportedAndWritesNothing) {
    for (uint32_t list : {3u, 12u}) {
        ShownMessages.clear();
        SettingsStored = false;
        SelectedList = list;
        EXPECT_FALSE(RegistrySave(SaveTarget::SelectedListKey));
        EXPECT_EQ(ShownMessages, std::vector<std::string>{"ERROR: RegistrySave() -> RegCreateKey()"});
        EXPECT_TRUE(SettingsStored);
    }
    EXPECT_FALSE(KeyExists(SubkeyPath("Default4")));
    EXPECT_TRUE(ValuesOf(SettingsKeyPath).empty());
}

}  // namespace
