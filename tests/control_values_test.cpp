#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <utility>

#include "resources/dialog_ids.h"
#include "settings/control_values.h"
#include "settings/presets.h"
#include "settings/stored_values.h"

namespace {

const ControlBinding& Binding(SettingsTab tab, int control) {
    for (const ControlBinding& binding : ControlBindings)
        if (binding.tab == tab && binding.control == control) return binding;
    throw std::invalid_argument("no control " + std::to_string(control));
}

SettingsRecord Factory() {
    SettingsRecord settings{};
    static_cast<SceneLook&>(settings) = BuiltInLooks[0];
    return settings;
}

TEST(ControlBindings, EachControlOfAPageHasOneFieldAndEachFieldOneControl) {
    std::set<std::pair<int, int>> controls;
    for (size_t i = 0; i < ControlBindings.size(); ++i) {
        const ControlBinding& binding = ControlBindings[i];
        EXPECT_TRUE(controls.insert({binding.tab, binding.control}).second) << binding.control;
        for (size_t j = 0; j < i; ++j)
            EXPECT_FALSE(binding.member == ControlBindings[j].member &&
                         binding.channel == ControlBindings[j].channel)
                << binding.control << " and " << ControlBindings[j].control;
    }
    // Every look field but none of the switch lists is on a page; Period is the one switch setting.
    for (const StoredValue& value : StoredValues) {
        const bool shown = std::any_of(ControlBindings.begin(), ControlBindings.end(),
                                       [&](const ControlBinding& b) { return b.member == value.member; });
        EXPECT_EQ(shown,
                  value.part == SettingPart::Look || value.member == SettingMember{&SettingsRecord::Period})
            << value.name;
    }
}

TEST(ControlValues, ColourWeightBarsGiveTheSquareLawAndShowTheSamePositionsBack) {
    for (const int control : {IDC_GRADS_RADIUS, IDC_GRADS_ANGLE}) {
        const ControlBinding& bar = Binding(ColorTab, control);
        SettingsRecord settings{};
        const double weight[] = {0.001, 0.00025, 0.0};
        const int32_t positions[] = {10000, 5000, 0};
        for (int i = 0; i < 3; ++i) {
            ApplyControlPosition(bar, positions[i], settings);
            EXPECT_DOUBLE_EQ(settings.ColorGrads[bar.channel], weight[i]);
            EXPECT_EQ(ControlPosition(bar, settings), positions[i]);
        }
    }
}

// Every bar shows every position it gave, so showing a page and reading it back changes nothing, however
// often; a value from elsewhere shows truncated, but never one below a position that gives it back exactly
// (0.57 × 100 and 116/255 × 255 lie just below 57 and 116).
TEST(ControlValues, EveryBarShowsEveryPositionItGaveBack) {
    for (const ControlBinding& bar : ControlBindings) {
        if (KindOf(bar.form) != ControlKind::TrackBar) continue;
        SettingsRecord settings{};
        for (int32_t position = 0; position <= 10000; ++position) {
            ApplyControlPosition(bar, position, settings);
            ASSERT_EQ(ControlPosition(bar, settings), position) << "control " << bar.control;
        }
    }
    SettingsRecord settings{};
    settings.AlphaLaser = 0.57;
    EXPECT_EQ(ControlPosition(Binding(LaserTab, IDC_ALPHA_LASER), settings), 57);
    settings.AlphaLaser = 0.579;
    EXPECT_EQ(ControlPosition(Binding(LaserTab, IDC_ALPHA_LASER), settings), 57);
    settings.ColorAmplitude[0] = 116 / 255.0;
    EXPECT_EQ(ControlPosition(Binding(ColorTab, IDC_AMPLITUDE_RED), settings), 116);
}

TEST(ControlValues, DepthAmplitudeSpansTheBarAroundItsMiddle) {
    const ControlBinding& depth = Binding(GeneralTab, IDC_DEPTH_AMPL);
    SettingsRecord settings{};
    const std::pair<double, int32_t> cases[] = {{-1.0, 0}, {0.0, 25}, {1.0, 50}};
    for (const auto& [value, position] : cases) {
        settings.DepthAmpl = value;
        EXPECT_EQ(ControlPosition(depth, settings), position) << value;
    }
    ApplyControlPosition(depth, 26, settings);
    EXPECT_DOUBLE_EQ(settings.DepthAmpl, 0.04);
}

TEST(ControlValues, ValuesBeyondWhatABarShowsSaturateInsteadOfOverflowing) {
    SettingsRecord settings{};
    settings.ColorGrads[0] = -1;  // no square root
    EXPECT_EQ(ControlPosition(Binding(ColorTab, IDC_GRADS_RADIUS), settings), 0);
    settings.ColorGrads[1] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(ControlPosition(Binding(ColorTab, IDC_GRADS_ANGLE), settings), 0);
    settings.DepthFreq = 1e300;
    EXPECT_EQ(ControlPosition(Binding(GeneralTab, IDC_DEPTH_FREQ), settings),
              std::numeric_limits<int32_t>::max());
    settings.ColorConst[0] = -1e300;
    EXPECT_EQ(ControlPosition(Binding(ColorTab, IDC_CONST_RED), settings),
              std::numeric_limits<int32_t>::min());
}

TEST(ControlValues, ACheckBoxShowsAnyNonZeroFlagAsChecked) {
    const ControlBinding& stack = Binding(LaserTab, IDC_STACK);
    SettingsRecord settings{};
    settings.Stack = 256;
    EXPECT_EQ(ControlPosition(stack, settings), 1);
    ApplyControlPosition(stack, 0, settings);
    EXPECT_EQ(settings.Stack, 0);
    ApplyControlPosition(stack, 1, settings);
    EXPECT_EQ(settings.Stack, 1);
}

TEST(ControlValues, AComboWithoutSelectionKeepsItsField) {
    const ControlBinding& mode = Binding(LaserTab, IDC_RENDERING_MODE);
    SettingsRecord settings = Factory();
    ApplyControlPosition(mode, -1, settings);
    EXPECT_EQ(settings.RenderingMode, 1u);
    ApplyControlPosition(mode, 14, settings);
    EXPECT_EQ(settings.RenderingMode, 14u);
}

TEST(ControlValues, WidthTextIsADecimalNumberInSevenCharacters) {
    const ControlBinding& width = Binding(LaserTab, IDC_LINE_WIDTH);
    SettingsRecord settings = Factory();
    EXPECT_EQ(ControlText(width, settings), "1.0");
    ApplyControlText(width, "2.5", settings);
    EXPECT_FLOAT_EQ(settings.LineWidth, 2.5f);
    EXPECT_EQ(ControlText(width, settings), "2.5");

    for (const char* unparsable : {"", "wide", " -", "inf", "nan"}) {
        ApplyControlText(width, unparsable, settings);
        EXPECT_FLOAT_EQ(settings.LineWidth, 2.5f) << unparsable;
    }
    ApplyControlText(width, "3px", settings);  // a leading number counts
    EXPECT_FLOAT_EQ(settings.LineWidth, 3.0f);

    settings.LineWidth = 123456789.0f;  // more than the buffer holds: cut, never overrun
    EXPECT_EQ(ControlText(width, settings), "1234567");
}

TEST(ControlValues, WholeTextsReadAtMostSevenDigits) {
    const ControlBinding& size = Binding(LaserTab, IDC_STIPPLE_SIZE);
    const ControlBinding& period = Binding(SwitchTab, IDC_PERIOD);
    SettingsRecord settings = Factory();
    ApplyControlText(size, "12345678", settings);
    EXPECT_EQ(settings.StippleSize, 1234567);
    ApplyControlText(size, "x1", settings);
    EXPECT_EQ(settings.StippleSize, 1234567);

    ApplyControlText(period, "0", settings);
    EXPECT_EQ(settings.Period, 0);
    settings.Period = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(ControlText(period, settings), "-214748");
    settings.Period = 90;
    EXPECT_EQ(ControlText(period, settings), "90");
}

TEST(EnablingRules, OnlySavedListsCanBeSavedIntoOrCleared) {
    EXPECT_FALSE(ListButtonsEnabled(0));
    EXPECT_FALSE(ListButtonsEnabled(5));
    EXPECT_TRUE(ListButtonsEnabled(6));
    EXPECT_TRUE(ListButtonsEnabled(9));
    EXPECT_FALSE(ListButtonsEnabled(10));
}

TEST(EnablingRules, ListBoxesTakePartOnlyWhileThePeriodRunsAndTheListExists) {
    SettingsRecord settings{};
    settings.Period = 60;
    settings.SavedList = 128;  // list 7
    for (uint32_t list = 0; list < ListCount; ++list)
        EXPECT_EQ(ListCheckEnabled(list, settings), list < 6 || list == 7) << list;
    EXPECT_FALSE(ListCheckEnabled(10, settings));
    settings.Period = 0;
    for (uint32_t list = 0; list < ListCount; ++list)
        EXPECT_FALSE(ListCheckEnabled(list, settings)) << list;
}

}  // namespace
