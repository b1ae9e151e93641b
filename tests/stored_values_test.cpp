#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

#include "settings/stored_values.h"

namespace {

const StoredValue& Value(const std::string& name) {
    for (const StoredValue& value : StoredValues)
        if (name == value.name) return value;
    throw std::invalid_argument("no stored value " + name);
}

SettingsRecord Decoded(const std::string& name, int32_t stored) {
    SettingsRecord settings{};
    DecodeDword(Value(name), stored, settings);
    return settings;
}

TEST(StoredValues, EachNamesItsOwnField) {
    std::set<std::string> names;
    for (size_t i = 0; i < StoredValues.size(); ++i) {
        EXPECT_TRUE(names.insert(StoredValues[i].name).second) << StoredValues[i].name;
        for (size_t j = 0; j < i; ++j)
            EXPECT_FALSE(StoredValues[i].member == StoredValues[j].member)
                << StoredValues[i].name << " and " << StoredValues[j].name;
    }
    EXPECT_EQ(names.size(), 33u);
}

TEST(StoredValues, ScaledNumbersReadBackAsTheirFieldValues) {
    EXPECT_EQ(Decoded("DepthAmpl", 0).DepthAmpl, -1.0);
    EXPECT_EQ(Decoded("DepthAmpl", 25).DepthAmpl, 0.0);
    EXPECT_EQ(Decoded("DepthAmpl", 50).DepthAmpl, 1.0);
    EXPECT_EQ(Decoded("LineWidth", 15).LineWidth, 1.5f);
    EXPECT_EQ(Decoded("AlphaLaser", 57).AlphaLaser, 0.57);
    EXPECT_EQ(Decoded("DepthFreq", 511).DepthFreq, 511.0);

    SettingsRecord settings{};
    DecodeText(Value("ColorAmplitude"), "178 178 178", settings);
    EXPECT_EQ(settings.ColorAmplitude[1], 178.0 / 255);
    EXPECT_NE(settings.ColorAmplitude[1], 0.7);
    DecodeText(Value("ColorGrads"), "128 96 10", settings);
    EXPECT_EQ(settings.ColorGrads[0], 0.0000128);
    EXPECT_EQ(settings.ColorGrads[1], 0.0000096);
    EXPECT_EQ(settings.ColorGrads[2], 10.0);
}

TEST(StoredValues, OnlyTheLowestByteOfAFlagCounts) {
    EXPECT_EQ(Decoded("Stack", 256).Stack, 0);
    EXPECT_EQ(Decoded("Stack", 257).Stack, 1);
    EXPECT_EQ(Decoded("DepthTest", 2).DepthTest, 1);
    EXPECT_EQ(Decoded("RotateY", -256).RotateY, 0);
    // OffSprinkle is not a flag: its whole value counts.
    EXPECT_EQ(Decoded("OffSprinkle", 256).OffSprinkle, 256);
}

TEST(StoredValues, UnsignedFieldsKeepAllThirtyTwoBits) {
    const SettingsRecord settings = Decoded("RenderingMode", -1);
    EXPECT_EQ(settings.RenderingMode, 0xFFFFFFFFu);
    EXPECT_EQ(EncodeDword(Value("RenderingMode"), settings), -1);
}

// Loading and saving unchanged settings must store the same numbers again, although products such as
// 57 / 100 × 100 come out just below the whole number.
TEST(StoredValues, EveryStoredNumberSurvivesALoadAndSave) {
    std::vector<int32_t> numbers = {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
                                    -2000000000, 2000000000, 16777217};
    for (int32_t n = -300; n <= 12000; ++n)
        numbers.push_back(n);

    for (const StoredValue& value : StoredValues) {
        for (int32_t n : numbers) {
            // A float tells tenths apart only up to about a million.
            if (value.form == StoredForm::Tenths && std::abs(int64_t{n}) > 1000000) continue;
            SettingsRecord settings{};
            if (IsText(value.form)) {
                const std::string text =
                    std::to_string(n) + " " + std::to_string(n) + " " + std::to_string(n);
                DecodeText(value, text.c_str(), settings);
                ASSERT_EQ(EncodeText(value, settings), text) << value.name;
            } else if (value.form != StoredForm::Flag) {
                DecodeDword(value, n, settings);
                ASSERT_EQ(EncodeDword(value, settings), n) << value.name;
            }
        }
    }
}

TEST(StoredValues, OtherValuesAreTruncatedTowardZero) {
    SettingsRecord settings{};
    settings.LineWidth = 2.55f;
    settings.AlphaLaser = 0.999;
    settings.DepthAmpl = -0.99;
    settings.DepthFreq = 63.9;
    settings.ColorConst[0] = 0.7;
    settings.ColorConst[1] = -0.5;
    settings.ColorConst[2] = 1.0;
    EXPECT_EQ(EncodeDword(Value("LineWidth"), settings), 25);
    EXPECT_EQ(EncodeDword(Value("AlphaLaser"), settings), 99);
    EXPECT_EQ(EncodeDword(Value("DepthAmpl"), settings), 0);
    EXPECT_EQ(EncodeDword(Value("DepthFreq"), settings), 63);
    EXPECT_EQ(EncodeText(Value("ColorConst"), settings), "178 -127 255");

    settings.DepthFreq = std::nan("");
    settings.LineWidth = 1e30f;
    settings.AlphaLaser = -1e300;
    EXPECT_EQ(EncodeDword(Value("DepthFreq"), settings), 0);
    EXPECT_EQ(EncodeDword(Value("LineWidth"), settings), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(EncodeDword(Value("AlphaLaser"), settings), std::numeric_limits<int32_t>::min());
}

TEST(StoredValues, ATripleWithMissingNumbersKeepsTheChannelsItCannotRead) {
    SettingsRecord settings{};
    settings.ColorConst[0] = settings.ColorConst[1] = settings.ColorConst[2] = 0.5;

    DecodeText(Value("ColorConst"), "  51\t102", settings);
    EXPECT_EQ(settings.ColorConst[0], 0.2);
    EXPECT_EQ(settings.ColorConst[1], 0.4);
    EXPECT_EQ(settings.ColorConst[2], 0.5);

    DecodeText(Value("ColorConst"), "red 0 0", settings);
    DecodeText(Value("ColorConst"), "", settings);
    EXPECT_EQ(settings.ColorConst[0], 0.2);

    DecodeText(Value("ColorConst"), "99999999999999999999 -99999999999999999999 255x", settings);
    EXPECT_EQ(settings.ColorConst[0], std::numeric_limits<int32_t>::max() / 255.0);
    EXPECT_EQ(settings.ColorConst[1], std::numeric_limits<int32_t>::min() / 255.0);
    EXPECT_EQ(settings.ColorConst[2], 1.0);
}

}  // namespace
