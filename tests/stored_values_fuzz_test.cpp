// The portable half of loading, fed with seeded garbage and run under AddressSanitizer and UBSan: every
// stored value decoded from a read buffer of any content, list names of any length, the start-up draw, then
// one frame into a real Mesa context. Nothing may read past a buffer or a table, and the frame must end.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <type_traits>
#include <variant>

#include "overlay/overlay.h"
#include "platform/clock.h"
#include "render/textures.h"
#include "settings/list_draw.h"
#include "settings/presets.h"
#include "settings/stored_values.h"
#include "shell/frame.h"
#include "support/gl_offscreen.h"
#include "support/table_bounds.h"
#include "window/gl_setup.h"

namespace {

constexpr int CaseCount = 500;

// A read buffer as the store would leave it: cleared, then filled with a value of some type and size that
// fits (a DWORD, a text, binary data, or bytes to the very end with no NUL).
StoredBuffer RandomReadBuffer(std::mt19937& random) {
    StoredBuffer buffer{};
    size_t length = 0;
    switch (random() % 5) {
        case 0: length = 4; break;
        case 1: length = random() % 12; break;
        case 2: length = random() % 64; break;
        case 3: length = random() % (buffer.size() + 1); break;
        default: length = buffer.size(); break;
    }
    static const char text[] = "0123456789  -+";
    const bool digits = random() % 2 == 0;
    for (size_t i = 0; i < length; ++i)
        buffer[i] = static_cast<uint8_t>(digits ? text[random() % (sizeof text - 1)] : random());
    return buffer;
}

// What loading does with one key: every value that could be read is decoded in reading order, then the
// names, then the start-up draw among the marked lists.
void LoadGarbage(std::mt19937& random) {
    for (const StoredValue& value : StoredValues)
        if (random() % 6 != 0) DecodeBuffer(value, RandomReadBuffer(random), SceneSettings);
    for (uint32_t list = FirstSavedList; list < ListCount; ++list)
        SetListName(list, TextFromBuffer(RandomReadBuffer(random)).c_str());
    if (SceneSettings.Period != 0 && AnyListMarked(SceneSettings.AutoList)) {
        SeedListDraw();
        CurrentList = DrawStartList(SceneSettings.AutoList);
        Preset(CurrentList, SwitchSettings::Keep);
    }
}

TEST(StoredDataFuzz, GarbageDecodesWithinTheTablesAndAFrameFollows) {
    OffscreenGL gl(320, 240);
    ASSERT_TRUE(gl.ok());
    // A context set up as the program's own: pictures, lists and fixed state, so every list call draws.
    LoadTextures();
    BuildDisplayLists();
    BuildOverlayLists();
    SetFixedGLState(false);
    ResizeScene(320, 240);
    FixClock(4000);
    ApplyFactorySettings();

    int outOfTable = 0;
    for (int seed = 0; seed < CaseCount; ++seed) {
        std::mt19937 random(static_cast<uint32_t>(seed));
        TimePhase = random() % 32768;
        LoadGarbage(random);
        const int bad = OutOfTableCount();
        EXPECT_EQ(bad, 0) << "case " << seed;
        outOfTable += bad;
        DrawFrame(false);
        glFinish();
    }
    printf("%d garbage keys decoded, %d values out of their tables\n", CaseCount, outOfTable);
    ReleaseClock();
}

}  // namespace
