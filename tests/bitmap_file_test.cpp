// The native build's bitmaps: the program's pictures read from BMP files in a folder.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/bitmap_source.h"
#include "resources/resource_ids.h"
#include "support/scene_gl.h"

namespace {

TEST(FetchBitmap, ReadsPaddedRowsBottomFirstAndRefusesOtherKinds) {
    const std::string folder = MakeTestBitmapFolder();
    SetBitmapFolder(folder);
    const std::string star = folder + "/" + BitmapFileName(IDB_STAR) + ".bmp";
    // Five pixels make 15 bytes a row, padded to 16; the bottom row is blue, the top one red.
    ASSERT_TRUE(WriteTestBitmap(star, 5, 2, [](int, int y) {
        return y == 0 ? Rgb8{0, 0, 255} : Rgb8{255, 0, 0};
    }));
    BitmapPixels bitmap;
    ASSERT_TRUE(FetchBitmap(IDB_STAR, bitmap));
    EXPECT_EQ(bitmap.width, 5);
    EXPECT_EQ(bitmap.height, 2);
    EXPECT_EQ(bitmap.bgr[0], 255);       // blue of the bottom row's first pixel
    EXPECT_EQ(bitmap.bgr[16 + 2], 255);  // red of the top row's first pixel, after the padding
    ReleaseBitmap(bitmap);
    EXPECT_EQ(bitmap.bgr, nullptr);

    std::vector<char> bytes;
    {
        std::ifstream in(star, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    const auto rewrite = [&](const std::vector<char>& content) {
        std::ofstream out(star, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    };
    std::vector<char> thirtyTwoBits = bytes;
    thirtyTwoBits[28] = 32;
    rewrite(thirtyTwoBits);
    EXPECT_FALSE(FetchBitmap(IDB_STAR, bitmap));
    rewrite(std::vector<char>(bytes.begin(), bytes.end() - 1));  // one byte short of its pixels
    EXPECT_FALSE(FetchBitmap(IDB_STAR, bitmap));
    EXPECT_FALSE(FetchBitmap(109, bitmap));  // names no picture
}

}  // namespace
