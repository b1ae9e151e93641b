// The Switch page with real common controls under Wine: the period, the list checks and the list combo,
// which applies the chosen list, and Done and Clear, which save and forget lists in Wine's registry.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "config_ui/sync_controls.h"
#include "settings/presets.h"
#include "settings/registry_store.h"
#include "shell/auto_switch.h"
#include "support/dialog_driver.h"
#include "support/stored_forms.h"

namespace {

using DialogPages = DialogTest;

std::map<std::string, std::string> LookForms(const SettingsRecord& settings) {
    std::map<std::string, std::string> forms = StoredForms(settings);
    for (const char* name : {"Period", "AutoList", "SavedList", "OffSprinkle"})
        forms.erase(name);
    return forms;
}

std::map<std::string, std::string> LookForms(const SceneLook& look) {
    SettingsRecord record{};
    static_cast<SceneLook&>(record) = look;
    return LookForms(record);
}

TEST_F(DialogPages, SwitchPageSetsThePeriodTheListsAndAppliesTheSelectedList) {
    HWND dialog = OpenOverRenderWindow();
    SelectTab(dialog, 4);
    EXPECT_EQ(TextOf(IDC_PERIOD), "60");
    EXPECT_EQ(TextOf(IDC_LIST_NAME), "Default1");
    ASSERT_EQ(ItemCountOf(IDC_LIST_NAME), 10);
    for (int list = 0; list < 10; ++list) {
        EXPECT_EQ(ItemOf(IDC_LIST_NAME, list), list < 6 ? L"Default" + std::to_wstring(list + 1) : L"custom")
            << list;
        EXPECT_EQ(IsChecked(IDC_FIRST_LIST_CHECK + list), list < 6) << list;
        EXPECT_EQ(IsEnabled(IDC_FIRST_LIST_CHECK + list), list < 6) << list;
    }
    EXPECT_FALSE(IsEnabled(IDC_DONE) || IsEnabled(IDC_CLEAR));

    Click(IDC_FIRST_LIST_CHECK + 0);
    EXPECT_EQ(SceneSettings.AutoList, 62);

    Choose(IDC_LIST_NAME, 2);  // a built-in list: its look, the switch settings kept
    EXPECT_EQ(SelectedList, 2u);
    EXPECT_EQ(LookForms(SceneSettings), LookForms(BuiltInLooks[2]));
    EXPECT_EQ(SceneSettings.Period, 60);

    RegistrySave(SaveTarget::MainKey);  // the settings stored, no list saved
    SceneSettings.RenderingMode = 13;
    const auto before = StoredForms(SceneSettings);
    Choose(IDC_LIST_NAME, 6);  // the first saved list, never saved: selected, nothing applied, nothing said
    EXPECT_EQ(SelectedList, 6u);
    EXPECT_EQ(StoredForms(SceneSettings), before);
    EXPECT_TRUE(ShownMessages.empty()) << ShownMessages.front();
    EXPECT_TRUE(IsEnabled(IDC_DONE) && IsEnabled(IDC_CLEAR));

    // Period 0 stops the auto-switch at once and greys every list box.
    Type(IDC_PERIOD, "0");
    EXPECT_EQ(SceneSettings.Period, 0);
    for (int list = 0; list < 10; ++list)
        EXPECT_FALSE(IsEnabled(IDC_FIRST_LIST_CHECK + list)) << list;
    EXPECT_FALSE(KillTimer(RenderWindow, AutoSwitchTimer));

    Type(IDC_PERIOD, "45");
    EXPECT_EQ(SceneSettings.Period, 45);
    EXPECT_TRUE(IsEnabled(IDC_FIRST_LIST_CHECK + 5));
    EXPECT_TRUE(KillTimer(RenderWindow, AutoSwitchTimer));
}

// The look the user makes survives the pages: visiting each of them (Default3's Density of 100 lies beyond
// its bar), the focus coming and going, a box ticked, a period typed and Done on an empty slot all keep it,
// and the list it was saved as gives it back. Saving over a saved list: choose it (its look appears), change
// the look, Done.
TEST_F(DialogPages, ALookMadeOnThePagesIsKeptUntilSavedAndComesBackAsSaved) {
    Preset(2, SwitchSettings::Keep);
    HWND dialog = OpenOverRenderWindow();  // shown: a new page's first control takes the focus
    Choose(IDC_RENDERING_MODE, 3);
    Type(IDC_LINE_WIDTH, "4.5");
    const auto made = LookForms(SceneSettings);
    for (int tab : {1, 2, 3, 5, 4})
        SelectTab(dialog, tab);
    for (int control : {IDC_LIST_NAME, IDC_PERIOD, IDC_FIRST_LIST_CHECK + 2, IDC_DONE})
        SetFocus(PageItem(control));
    Click(IDC_FIRST_LIST_CHECK + 2);
    Type(IDC_PERIOD, "45");
    SelectTab(dialog, 0);
    SelectTab(dialog, 4);
    EXPECT_EQ(LookForms(SceneSettings), made);
    EXPECT_EQ(SceneSettings.AutoList, 63 - 4);
    EXPECT_EQ(SceneSettings.Period, 45);

    Choose(IDC_LIST_NAME, 8);  // never saved: chosen, nothing applied
    SendMessageA(PageItem(IDC_LIST_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("made"));
    Click(IDC_DONE);
    EXPECT_EQ(LookForms(SceneSettings), made);
    Choose(IDC_LIST_NAME, 1);
    EXPECT_EQ(LookForms(SceneSettings), LookForms(BuiltInLooks[1]));
    Choose(IDC_LIST_NAME, 8);
    EXPECT_EQ(LookForms(SceneSettings), made);

    SelectTab(dialog, 0);
    Choose(IDC_RENDERING_MODE, 12);
    const auto changed = LookForms(SceneSettings);
    SelectTab(dialog, 4);
    EXPECT_EQ(SelectionOf(IDC_LIST_NAME), 8);
    Click(IDC_DONE);
    Choose(IDC_LIST_NAME, 0);
    Choose(IDC_LIST_NAME, 8);
    EXPECT_EQ(LookForms(SceneSettings), changed);
    EXPECT_EQ(ListNames[8], "made");
}

class SwitchPageLists : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        SelectTab(OpenConfigDialog(nullptr), 4);
    }
    void SaveAs(int list, const std::string& name) {
        Choose(IDC_LIST_NAME, list);
        SendMessageA(PageItem(IDC_LIST_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        Click(IDC_DONE);
    }
};

TEST_F(SwitchPageLists, DoneSavesTheLookUnderTheTypedNameAndStoresTheMainKey) {
    Preset(4, SwitchSettings::Keep);
    SaveAs(7, "evening");

    EXPECT_EQ(ListNames[7], "evening");
    EXPECT_EQ(ItemOf(IDC_LIST_NAME, 7), L"evening");
    EXPECT_EQ(SelectionOf(IDC_LIST_NAME), 7);
    EXPECT_EQ(SceneSettings.SavedList, 128);
    EXPECT_TRUE(SettingsStored);

    const auto list = ValuesOf(SubkeyPath("custom2"));
    EXPECT_EQ(list.size(), LookValueCount);
    EXPECT_EQ(list.at("RenderingMode"), std::to_string(BuiltInLooks[4].RenderingMode));
    const auto main = ValuesOf(SettingsKeyPath);
    EXPECT_EQ(main.at(""), "25");
    EXPECT_EQ(main.at("custom2"), "evening");
    EXPECT_EQ(main.at("SavedList"), "128");
    EXPECT_TRUE(ShownMessages.empty()) << ShownMessages.front();

    // The saved list can now be checked for the auto-switch, and selecting it loads it.
    EXPECT_TRUE(IsEnabled(IDC_FIRST_LIST_CHECK + 7));
    Preset(FactoryLook, SwitchSettings::Keep);
    Choose(IDC_LIST_NAME, 7);
    EXPECT_EQ(LookForms(SceneSettings), LookForms(BuiltInLooks[4]));
}

// A name is typed key by key into the list combo's edit field, which scrolls: it takes more than its width
// shows, and the name keeps 62 characters.
TEST_F(SwitchPageLists, NamesCanBeTypedBeyondTheFieldsWidthAndAreCutTo62Characters) {
    Choose(IDC_LIST_NAME, 6);
    HWND field = FindWindowExA(PageItem(IDC_LIST_NAME), nullptr, "Edit", nullptr);
    ASSERT_NE(field, nullptr);
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    for (int i = 0; i < 80; ++i)
        SendMessageA(field, WM_CHAR, 'n', 1);
    Click(IDC_DONE);
    EXPECT_EQ(ListNames[6], std::string(62, 'n'));
    SaveAs(9, "");
    EXPECT_EQ(ListNames[9], "");
    EXPECT_EQ(ItemOf(IDC_LIST_NAME, 9), L"");
    EXPECT_EQ(ValuesOf(SettingsKeyPath).at("custom4"), "");
}

// Clear forgets the list, the running one included: Cancel then returns to the stored main look, without a
// word about the list that is gone.
TEST_F(SwitchPageLists, ClearForgetsTheListButKeepsItsName) {
    SaveAs(8, "night");
    Click(IDC_FIRST_LIST_CHECK + 8);
    EXPECT_EQ(SceneSettings.AutoList, 63 + 256);
    CurrentList = 8;

    Click(IDC_CLEAR);
    EXPECT_FALSE(KeyExists(SubkeyPath("custom3")));
    EXPECT_EQ(SceneSettings.SavedList, 0);
    EXPECT_EQ(SceneSettings.AutoList, 63);
    EXPECT_FALSE(IsChecked(IDC_FIRST_LIST_CHECK + 8));
    EXPECT_EQ(ItemOf(IDC_LIST_NAME, 8), L"night");
    const auto main = ValuesOf(SettingsKeyPath);
    EXPECT_EQ(main.at("SavedList"), "0");
    EXPECT_EQ(main.at("AutoList"), "63");

    const SceneLook stored = SceneSettings;
    Choose(IDC_LIST_NAME, 3);
    PressDialogButton(ConfigDialogs().at(0), IDCANCEL);
    EXPECT_EQ(LookForms(SceneSettings), LookForms(stored));
    EXPECT_TRUE(ShownMessages.empty()) << ShownMessages.front();
}

// While the user works on the page (a list chosen, a name typed), the auto-switch waits: Done saves the look
// the user saw into that list under that name, and the switch goes on after it.
TEST_F(SwitchPageLists, TheAutoSwitchWaitsWhileTheUserWorksOnAList) {
    const uint32_t running = CurrentList;
    Choose(IDC_LIST_NAME, 8);
    SendMessageA(PageItem(IDC_LIST_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("dusk"));
    SceneSettings.AutoList = 1 << 3;
    AutoSwitch();
    EXPECT_EQ(CurrentList, running);
    EXPECT_EQ(SelectionOf(IDC_LIST_NAME), 8);
    EXPECT_EQ(TextOf(IDC_LIST_NAME), "dusk");

    Click(IDC_DONE);
    EXPECT_EQ(ListNames[8], "dusk");
    EXPECT_EQ(ListNames[3], "Default4");
    EXPECT_EQ(ValuesOf(SubkeyPath("custom3")).at("RenderingMode"),
              std::to_string(BuiltInLooks[FactoryLook].RenderingMode));
    SceneSettings.AutoList = 1 << 3;
    AutoSwitch();
    EXPECT_EQ(CurrentList, 3u);
}

TEST_F(SwitchPageLists, DoneAndClearDoNothingForABuiltInList) {
    Choose(IDC_LIST_NAME, 3);
    EXPECT_FALSE(IsEnabled(IDC_DONE));
    // Sent anyway, as a disabled button never would.
    SendMessageA(CurrentPage, WM_COMMAND, MAKEWPARAM(IDC_DONE, BN_CLICKED), 0);
    SendMessageA(CurrentPage, WM_COMMAND, MAKEWPARAM(IDC_CLEAR, BN_CLICKED), 0);
    EXPECT_FALSE(KeyExists(SettingsKeyPath));
    EXPECT_EQ(ListNames[3], "Default4");
    EXPECT_EQ(SceneSettings.SavedList, 0);
}

}  // namespace
