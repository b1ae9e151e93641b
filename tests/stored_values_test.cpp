#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

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
    EXPECT_EQ(names.size(), StoredValues.size());
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
    const SettingsRecord settings = Decoded("SpeedLaser", -1);
    EXPECT_EQ(settings.SpeedLaser, 0xFFFFFFFFu);
    EXPECT_EQ(EncodeDword(Value("SpeedLaser"), settings), -1);
}

// Stored data comes from outside; an index must never reach past its table, whatever number was stored.
TEST(StoredValues, TableIndicesOutsideTheirRangeEndAtTheNearestEnd) {
    EXPECT_EQ(Decoded("RenderingMode", LaserStyleCount).RenderingMode, LaserStyleCount - 1);
    EXPECT_EQ(Decoded("RenderingMode", -1).RenderingMode, LaserStyleCount - 1);  // unsigned: a huge index
    EXPECT_EQ(Decoded("StippleMode", -1).StippleMode, 0);
    EXPECT_EQ(Decoded("StippleMode", 4).StippleMode, 3);
    EXPECT_EQ(Decoded("RouteB", std::numeric_limits<int32_t>::min()).RouteB, 0);
    EXPECT_EQ(Decoded("FuncAngle", 1000).FuncAngle, 3u);
    for (const StoredValue& value : StoredValues) {
        if (value.form != StoredForm::Choice) continue;
        for (auto n = static_cast<int32_t>(value.range[0].min); n <= value.range[0].max; ++n)
            EXPECT_EQ(EncodeDword(value, Decoded(value.name, n)), n) << value.name;
    }
    // Numbers that are not indices are taken as they are.
    EXPECT_EQ(Decoded("Density", 250).Density, 250u);
    EXPECT_EQ(Decoded("Period", -5).Period, -5);
}

// What a read buffer holds, whatever was stored: a DWORD is its first four bytes, a text stops at its
// first NUL or after 255 characters.
TEST(StoredValues, ReadBuffersGiveTheirFirstFourBytesOrTheirText) {
    StoredBuffer buffer{};
    EXPECT_EQ(DwordFromBuffer(buffer), 0);
    EXPECT_EQ(TextFromBuffer(buffer), "");

    buffer = {'5'};  // the text "5" read as a DWORD
    EXPECT_EQ(DwordFromBuffer(buffer), 0x35);
    buffer = {0x78, 0x56, 0x34, 0x12, 0xFF};
    EXPECT_EQ(DwordFromBuffer(buffer), 0x12345678);
    buffer = {0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(DwordFromBuffer(buffer), -1);

    buffer.fill('7');
    EXPECT_EQ(TextFromBuffer(buffer), std::string(255, '7'));
    buffer = {'1', ' ', '2', 0, '9'};
    EXPECT_EQ(TextFromBuffer(buffer), "1 2");

    SettingsRecord settings{};
    buffer = {'5', '1', ' ', '1', '0', '2', ' ', '2', '5', '5'};
    DecodeBuffer(Value("ColorConst"), buffer, settings);
    EXPECT_EQ(settings.ColorConst[0], 0.2);
    EXPECT_EQ(settings.ColorConst[2], 1.0);
    buffer = {25};  // a DWORD where a text belongs: no number, the channels stay
    DecodeBuffer(Value("ColorConst"), buffer, settings);
    EXPECT_EQ(settings.ColorConst[0], 0.2);
    buffer = {0x01, 0x01};  // 257: a flag counts its lowest byte only
    DecodeBuffer(Value("Stack"), buffer, settings);
    EXPECT_EQ(settings.Stack, 1);
}

// A save writes the triples first, then the opacities, then the rest in reading order; the main key's
// switch values start with "Period".
TEST(StoredValues, SavesWriteInTheirOwnOrder) {
    std::vector<std::string> look;
    for (const StoredValue* value : LookValuesInSaveOrder())
        look.push_back(value ? value->name : "(none)");
    const std::vector<std::string> expectedLook = {
        "ColorGrads",  "ColorConst",   "ColorAmplitude", "AlphaLaser", "AlphaSprinkle", "RenderingMode",
        "StippleMode", "SymmetryMode", "BlendingMode",   "RouteA",     "RouteB",        "Density",
        "SpeedLaser",  "SpeedTexture", "SpeedView",      "Stack",      "Doubled",       "Stencil",
        "Antialias",   "RotateZ",      "RotateX",        "RotateY",    "DepthTest",     "LineWidth",
        "StippleSize", "DepthAmpl",    "DepthFreq",      "FuncRadius", "FuncAngle"};
    EXPECT_EQ(look, expectedLook);

    std::vector<std::string> switches;
    for (const StoredValue* value : SwitchValuesInSaveOrder())
        switches.push_back(value ? value->name : "(none)");
    EXPECT_EQ(switches, (std::vector<std::string>{"Period", "SavedList", "AutoList", "OffSprinkle"}));
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
            } else if (value.form != StoredForm::Flag && value.form != StoredForm::Choice) {
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
