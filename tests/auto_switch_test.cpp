// The timed switch between looks, with a fixed seed, Wine's registry for the saved lists and a real render
// window for the picture it clears.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "settings/random.h"
#include "settings/registry_store.h"
#include "shell/auto_switch.h"
#include "support/registry_helpers.h"
#include "support/stored_forms.h"
#include "window/render_window.h"
#include "window/switch_timer.h"

namespace {

class AutoSwitchTest : public testing::Test {
protected:
    void SetUp() override {
        ResetStoredSettingsState();
        TimePhase = 12345;  // seeds are 12345 / 2 + clock = 6172 + clock
    }
    void TearDown() override {
        if (RenderWindow != nullptr) DestroyRenderWindow();
        EndStoredSettingsTest();
        ReleaseClock();
    }
};

// The auto-switch rule worked by hand on the generator's recurrence: a draw equal to the previous kept draw
// is discarded; every kept draw is compared with next; the first marked one is applied.
uint32_t ExpectedSwitch(uint32_t seed, uint32_t current, int32_t autoList) {
    uint32_t state = seed;
    for (int draw = 0; draw < 1000; ++draw) {
        state = state * 214013u + 2531011u;
        const uint32_t list = ((state >> 16) & 0x7FFF) % 10;
        if (list == current) continue;
        current = list;
        if (autoList & (1 << list)) return list;
    }
    return 99;
}

std::map<std::string, std::string> LookForms(const SceneLook& look) {
    SettingsRecord record = SceneSettings;
    static_cast<SceneLook&>(record) = look;
    return StoredForms(record);
}

TEST_F(AutoSwitchTest, EachSwitchFollowsTheRecurrenceFromItsSeedAndKeepsTheSwitchSettings) {
    for (int32_t clock = 0; clock < 60; ++clock) {
        for (int32_t autoList : {63, 1 << 4, (1 << 1) | (1 << 5), 1 + 8}) {
            for (uint32_t current : {0u, 4u, 9u}) {
                CurrentList = current;
                SceneSettings.AutoList = autoList;
                SceneSettings.Period = 60;
                FixClock(clock);
                const uint32_t expected = ExpectedSwitch(6172 + clock, current, autoList);

                AutoSwitch();

                ASSERT_EQ(CurrentList, expected) << clock << " " << autoList << " " << current;
                ASSERT_EQ(StoredForms(SceneSettings), LookForms(BuiltInLooks[expected]));
                ASSERT_EQ(SceneSettings.AutoList, autoList);
                ASSERT_EQ(SceneSettings.Period, 60);
            }
        }
    }
}

TEST_F(AutoSwitchTest, ASingleListThatIsCurrentIsAppliedAgain) {
    SceneSettings.AutoList = 1 << 4;
    for (int32_t clock : {0, 1, 2, 500}) {
        CurrentList = 4;
        Preset(FactoryLook, SwitchSettings::Keep);
        FixClock(clock);
        AutoSwitch();
        EXPECT_EQ(CurrentList, 4u);
        EXPECT_EQ(StoredForms(SceneSettings), LookForms(BuiltInLooks[4]));
    }
}

TEST_F(AutoSwitchTest, OfTwoListsTheOtherComesUnlessARejectedListWasKeptBetween) {
    SceneSettings.AutoList = (1 << 2) | (1 << 5);
    std::set<uint32_t> outcomes;
    for (int32_t clock = 0; clock < 200; ++clock) {
        CurrentList = 2;
        FixClock(clock);
        AutoSwitch();
        EXPECT_EQ(CurrentList, ExpectedSwitch(6172 + clock, 2, SceneSettings.AutoList)) << clock;
        outcomes.insert(CurrentList);
    }
    EXPECT_EQ(outcomes, (std::set<uint32_t>{2, 5}));
}

TEST_F(AutoSwitchTest, WithoutAPeriodOrAMarkedListNothingHappens) {
    for (auto [period, autoList] : {std::pair{0, 63}, std::pair{30, 0}, std::pair{30, 1 << 10}}) {
        SceneSettings.Period = period;
        SceneSettings.AutoList = autoList;
        CurrentList = 7;
        SeedRandom(3);
        const int32_t next = DrawRandom();
        SeedRandom(3);
        AutoSwitch();
        EXPECT_EQ(CurrentList, 7u);
        EXPECT_EQ(DrawRandom(), next);
        EXPECT_EQ(StoredForms(SceneSettings), LookForms(BuiltInLooks[0]));
    }
}

TEST_F(AutoSwitchTest, ASavedListDrawnIsLoadedFromItsSubkey) {
    Preset(2, SwitchSettings::Keep);
    SelectedList = 9;
    RegistrySave(SaveTarget::SelectedListKey);
    ApplyFactorySettings();
    SceneSettings.AutoList = 1 << 9;
    SceneSettings.SavedList = 1 << 9;
    SceneSettings.OffSprinkle = 1;
    RegistrySave(SaveTarget::MainKey);
    SceneSettings.Period = 15;  // not stored: loading the list must leave it

    AutoSwitch();

    EXPECT_TRUE(ShownMessages.empty());
    EXPECT_EQ(CurrentList, 9u);
    EXPECT_EQ(StoredForms(SceneSettings), LookForms(BuiltInLooks[2]));
    EXPECT_EQ(SceneSettings.Period, 15);
    EXPECT_EQ(SceneSettings.OffSprinkle, 1);
}

// The timer goes on ticking inside a message box's own loop: here every message ticks once more.
void TickInsideTheBox(const char* text, const char* caption, MessageIcon icon) {
    CollectMessage(text, caption, icon);
    if (ShownMessages.size() < 5) AutoSwitch();
}

// A tick inside a load's or a save's message box switches nothing: a load reads one key's look alone, and a
// save writes the look it started with.
TEST_F(AutoSwitchTest, NoSwitchRunsInsideALoadOrASave) {
    Preset(4, SwitchSettings::Keep);
    SceneSettings.AutoList = 1 << 1;
    RegistrySave(SaveTarget::MainKey);
    const auto stored = StoredForms(SceneSettings);
    DeleteValue(SettingsKeyPath, "Stack");  // reported, then loading goes on with the next value
    SetUserMessageObserver(TickInsideTheBox);

    RegistryLoad(MainSettingsKey);
    EXPECT_EQ(ShownMessages, std::vector<std::string>{"ERROR: RegistryLoad() -> RegQueryValueEx()"});
    EXPECT_EQ(CurrentList, 0u);
    EXPECT_EQ(StoredForms(SceneSettings), stored);

    SelectedList = 3;  // a built-in list has no key: the save tells so
    EXPECT_FALSE(RegistrySave(SaveTarget::SelectedListKey));
    EXPECT_EQ(CurrentList, 0u);
    EXPECT_EQ(StoredForms(SceneSettings), stored);
}

// Lists marked in AutoList without a look (never saved, or their subkey deleted since) are left out of every
// draw, at start-up too: no message comes, and the saved list that is there still comes up. A switch clears
// the picture and restarts the period; where no marked list has a look, the look stays.
TEST_F(AutoSwitchTest, MarkedListsWithoutALookAreNeverDrawn) {
    Preset(2, SwitchSettings::Keep);
    SelectedList = 7;
    RegistrySave(SaveTarget::SelectedListKey);
    SelectedList = 8;
    RegistrySave(SaveTarget::SelectedListKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, SubkeyPath("custom3").c_str());
    Preset(3, SwitchSettings::Keep);
    SceneSettings.Period = 1;
    SceneSettings.AutoList = 1023;
    SceneSettings.SavedList = (1 << 7) | (1 << 8);  // list 8's subkey is gone, lists 6 and 9 were never saved
    RegistrySave(SaveTarget::MainKey);
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Framed));

    std::set<uint32_t> drawn;
    for (int32_t clock = 0; clock < 200; ++clock) {
        FixClock(clock);
        ASSERT_TRUE(LoadStartLook());
        drawn.insert(CurrentList);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(0, 0, 0, 0);
        KillTimer(RenderWindow, AutoSwitchTimer);
        AutoSwitch();
        drawn.insert(CurrentList);
    }
    EXPECT_TRUE(ShownMessages.empty()) << ShownMessages.front();
    EXPECT_EQ(drawn, (std::set<uint32_t>{0, 1, 2, 3, 4, 5, 7}));
    GLubyte pixel[4] = {9, 9, 9, 9};
    glReadBuffer(GL_BACK);
    glReadPixels(320, 240, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[0] + pixel[1] + pixel[2], 0);
    EXPECT_TRUE(KillTimer(RenderWindow, AutoSwitchTimer)) << "the timer was not armed again";

    SceneSettings.AutoList = (1 << 6) | (1 << 8) | (1 << 9);
    const auto before = StoredForms(SceneSettings);
    CurrentList = 2;
    AutoSwitch();
    EXPECT_EQ(CurrentList, 2u);
    EXPECT_EQ(StoredForms(SceneSettings), before);
    EXPECT_TRUE(ShownMessages.empty());
}

}  // namespace
