// The generated bitmaps and sounds are in the module as the program reads them: each bitmap loads as a
// 24-bit DIB section of its size whose pixels are the stored rows unchanged, each sound is a whole RIFF
// WAVE file under the resource type "WAVE".
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "resources/resource_ids.h"

namespace {

struct BitmapResource {
    int id;
    LONG width, height;
};

constexpr BitmapResource Bitmaps[] = {
    {IDB_SUN, 128, 128},          {IDB_STAR, 128, 128},      {IDB_FANCY_STAR, 128, 128},
    {IDB_BLUE_PLANET, 128, 128},  {IDB_MILKY_WAY, 128, 64},  {IDB_BLUE_COMET, 256, 64},
    {IDB_HALLEY_COMET, 256, 128}, {IDB_GOLD_STICK, 256, 32},
};

struct WaveResource {
    int id;
    DWORD dataBytes;
};

constexpr WaveResource Waves[] = {
    {IDW_TAB, 2158}, {IDW_DONE, 53820}, {IDW_SAVE, 43718}, {IDW_DEFAULT, 24486}, {IDW_CLEAR, 22772},
};

TEST(Resources, BitmapsLoadAs24BitDibSectionsWithTheStoredPixels) {
    const HMODULE module = GetModuleHandleA(nullptr);
    for (const BitmapResource& expected : Bitmaps) {
        SCOPED_TRACE(expected.id);
        const HRSRC found =
            FindResourceA(module, MAKEINTRESOURCEA(expected.id), MAKEINTRESOURCEA(2));  // RT_BITMAP
        ASSERT_NE(found, nullptr);
        const auto* stored = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
        const size_t pixelBytes = static_cast<size_t>(expected.width) * expected.height * 3;
        ASSERT_EQ(SizeofResource(module, found), 40 + pixelBytes);

        const HANDLE image =
            LoadImageA(module, MAKEINTRESOURCEA(expected.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        ASSERT_NE(image, nullptr);
        BITMAP bitmap{};
        ASSERT_NE(GetObjectA(image, sizeof bitmap, &bitmap), 0);
        EXPECT_EQ(bitmap.bmWidth, expected.width);
        EXPECT_EQ(bitmap.bmHeight, expected.height);
        EXPECT_EQ(bitmap.bmBitsPixel, 24);
        ASSERT_NE(bitmap.bmBits, nullptr);
        EXPECT_EQ(std::memcmp(bitmap.bmBits, stored + 40, pixelBytes), 0);
        DeleteObject(image);
    }
}

TEST(Resources, SoundsAreWholeWaveFiles) {
    const HMODULE module = GetModuleHandleA(nullptr);
    for (const WaveResource& expected : Waves) {
        SCOPED_TRACE(expected.id);
        const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(expected.id), "WAVE");
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(SizeofResource(module, found), 44 + expected.dataBytes);
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
        EXPECT_EQ(std::memcmp(bytes, "RIFF", 4), 0);
        EXPECT_EQ(std::memcmp(bytes + 8, "WAVE", 4), 0);
    }
}

}  // namespace
