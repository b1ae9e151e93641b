// Stored settings are outside input. Many seeded corruptions of a stored key (values of other types and
// sizes, extreme numbers, missing values and lists, names of any length) are each loaded and followed by
// one frame in a real render window. Loading must go on, never index past a table, and the frame must end.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/clock.h"
#include "settings/registry_store.h"
#include "settings/stored_values.h"
#include "shell/auto_switch.h"
#include "shell/frame.h"
#include "support/registry_helpers.h"
#include "support/table_bounds.h"
#include "window/render_window.h"
#include "window/switch_timer.h"

namespace {

constexpr int CaseCount = 300;
int CurrentCase = -1;

// A crash ends the run; it names the case that caused it, so that the case can be replayed.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    fprintf(stderr, "crash in corruption case %d, exception 0x%08lx\n", CurrentCase,
            static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode));
    fflush(stderr);
    return EXCEPTION_EXECUTE_HANDLER;
}

int32_t ExtremeNumber(std::mt19937& random) {
    static const int32_t numbers[] = {0,
                                      1,
                                      -1,
                                      2,
                                      3,
                                      4,
                                      5,
                                      14,
                                      15,
                                      25,
                                      50,
                                      99,
                                      100,
                                      101,
                                      255,
                                      256,
                                      257,
                                      511,
                                      512,
                                      1023,
                                      1024,
                                      65535,
                                      -256,
                                      std::numeric_limits<int32_t>::max(),
                                      std::numeric_limits<int32_t>::min()};
    if (random() % 3 == 0) return static_cast<int32_t>(random());
    return numbers[random() % std::size(numbers)];
}

std::string RandomText(std::mt19937& random, size_t length) {
    static const char characters[] = "0123456789 -+\t\n.eEx%d";
    std::string text;
    for (size_t i = 0; i < length; ++i)
        text += random() % 8 == 0 ? static_cast<char>(1 + random() % 255)
                                  : characters[random() % (sizeof characters - 1)];
    return text;
}

// Replaces one value of a key with something of any type and size, or deletes it.
void CorruptValue(std::mt19937& random, const std::string& path, const char* name) {
    std::vector<uint8_t> bytes(random() % 3 == 0 ? 200 + random() % 120 : random() % 12);
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(random());
    switch (random() % 6) {
        case 0: DeleteValue(path, name); break;
        case 1: SetDword(path, name, ExtremeNumber(random)); break;
        case 2: SetText(path, name, RandomText(random, random() % 2 ? random() % 20 : random() % 400)); break;
        case 3:
            SetText(path, name,
                    std::to_string(ExtremeNumber(random)) + " " + std::to_string(ExtremeNumber(random)));
            break;
        case 4: SetRaw(path, name, REG_BINARY, bytes.data(), bytes.size()); break;
        default: SetRaw(path, name, random() % 2 ? REG_QWORD : REG_MULTI_SZ, bytes.data(), bytes.size());
    }
}

// Every name a corruption may hit: the version, the list names and the stored values.
const char* RandomValueName(std::mt19937& random) {
    const size_t pick = random() % (StoredValues.size() + 1 + 4);
    if (pick < StoredValues.size()) return StoredValues[pick].name;
    if (pick == StoredValues.size()) return nullptr;
    return ListKeys[FirstSavedList + pick - StoredValues.size() - 1];
}

// A valid key of this format with two saved lists, then a handful of corruptions.
void WriteCorruptKey(std::mt19937& random) {
    DeleteSettingsKey();
    Preset(random() % 6, SwitchSettings::Reset);
    SceneSettings.AutoList = random() % 2 ? static_cast<int32_t>(random() % 1024) : ExtremeNumber(random);
    SceneSettings.SavedList = (1 << 7) | (1 << 9);
    for (uint32_t list : {7u, 9u}) {
        SelectedList = list;
        RegistrySave(SaveTarget::SelectedListKey);
    }
    RegistrySave(SaveTarget::MainKey);

    const int corruptions = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < corruptions; ++i) {
        const char* name = RandomValueName(random);
        // The version is rarely hit: most cases must get past it to reach the values.
        if (name == nullptr && random() % 4 != 0) continue;
        const std::string path =
            random() % 3 == 0 ? SubkeyPath(random() % 2 ? "custom2" : "custom4") : SettingsKeyPath;
        CorruptValue(random, path, name);
    }
    if (random() % 8 == 0) RegDeleteKeyA(HKEY_CURRENT_USER, SubkeyPath("custom2").c_str());
    if (random() % 4 == 0) SetDword(SettingsKeyPath, "Period", 1 + static_cast<int32_t>(random() % 100));
}

class RegistryRobustness : public testing::Test {
protected:
    void SetUp() override { ResetStoredSettingsState(); }
    void TearDown() override {
        if (RenderWindow != nullptr) DestroyRenderWindow();
        EndStoredSettingsTest();
        ReleaseClock();
    }
};

TEST_F(RegistryRobustness, CorruptKeysLoadWithinTheTablesAndAFrameFollows) {
    SetUnhandledExceptionFilter(ReportCrash);
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Framed));
    KillTimer(RenderWindow, AutoSwitchTimer);
    FixClock(4000);

    int outOfTable = 0;
    int frames = 0;
    size_t messages = 0;
    for (CurrentCase = 0; CurrentCase < CaseCount; ++CurrentCase) {
        std::mt19937 random(static_cast<uint32_t>(CurrentCase));
        WriteCorruptKey(random);
        ShownMessages.clear();
        TimePhase = random() % 32768;

        if (random() % 2 == 0)
            LoadStartLook();
        else
            RegistryLoad(MainSettingsKey);
        if (random() % 3 == 0) RegistryLoad(static_cast<int32_t>(6 + random() % 5));

        const int bad = OutOfTableCount();
        EXPECT_EQ(bad, 0) << "case " << CurrentCase;
        outOfTable += bad;
        messages += ShownMessages.size();
        DrawFrame(false);
        glFinish();
        ++frames;
    }
    CurrentCase = -1;
    printf("%d corrupt keys loaded, %zu messages shown, %d frames drawn, %d values out of their tables\n",
           CaseCount, messages, frames, outOfTable);
    EXPECT_EQ(frames, CaseCount);
    EXPECT_EQ(outOfTable, 0);
}

}  // namespace
