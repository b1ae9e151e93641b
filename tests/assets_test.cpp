// The committed pictures and sounds are exactly the generator's output, and each is stored in the format
// the program loads: 24-bit bottom-up bitmaps of the right sizes, 16-bit mono 22050 Hz PCM sounds.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path Resources = PLUMORA_RESOURCES_DIR;

std::vector<uint8_t> ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | b.at(at + static_cast<size_t>(i));
    return v;
}

std::string Tag(const std::vector<uint8_t>& b, size_t at) {
    return std::string(b.begin() + at, b.begin() + at + 4);
}

struct BitmapFile {
    const char* file;
    uint32_t width, height;
    bool sprite;  // drawn blended additively: its border must be black
};

constexpr BitmapFile Bitmaps[] = {
    {"sun.bmp", 128, 128, true},           {"star.bmp", 128, 128, true},
    {"fancy_star.bmp", 128, 128, true},    {"blue_planet.bmp", 128, 128, true},
    {"milky_way.bmp", 128, 64, true},      {"blue_comet.bmp", 256, 64, false},
    {"halley_comet.bmp", 256, 128, false}, {"gold_stick.bmp", 256, 32, false},
};

struct SoundFile {
    const char* file;
    uint32_t dataBytes;
};

constexpr SoundFile Sounds[] = {
    {"tab.wav", 2158}, {"done.wav", 53820}, {"save.wav", 43718}, {"default.wav", 24486}, {"clear.wav", 22772},
};

std::set<std::string> FilesUnder(const fs::path& root) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), root).generic_string());
    return files;
}

TEST(Assets, CommittedFilesAreTheGeneratorsOutput) {
    std::string pattern = (fs::temp_directory_path() / "plumora_assets_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path out = pattern;
    const std::string command = std::string("\"") + PLUMORA_MAKE_ASSETS + "\" \"" + out.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::set<std::string> generated = FilesUnder(out);
    EXPECT_EQ(generated.size(), 1 + std::size(Bitmaps) + std::size(Sounds));
    for (const std::string& file : generated)
        EXPECT_TRUE(ReadAll(out / file) == ReadAll(Resources / file))
            << file << " differs from make_assets' output";
    // Nothing committed beside them that the generator no longer makes.
    for (const char* folder : {"bitmaps", "sounds"})
        for (const auto& entry : fs::directory_iterator(Resources / folder))
            EXPECT_EQ(generated.count(std::string(folder) + "/" + entry.path().filename().string()), 1u)
                << entry.path();
    fs::remove_all(out);
}

TEST(Assets, BitmapsAreUncompressed24BitBottomUp) {
    for (const BitmapFile& expected : Bitmaps) {
        SCOPED_TRACE(expected.file);
        const auto b = ReadAll(Resources / "bitmaps" / expected.file);
        const uint32_t pixelBytes = expected.width * expected.height * 3;
        ASSERT_EQ(b.size(), 54 + pixelBytes);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(Le(b, 2, 4), b.size());
        EXPECT_EQ(Le(b, 10, 4), 54u);  // pixels follow the headers
        EXPECT_EQ(Le(b, 14, 4), 40u);  // BITMAPINFOHEADER
        EXPECT_EQ(Le(b, 18, 4), expected.width);
        EXPECT_EQ(Le(b, 22, 4), expected.height);  // positive: bottom row first
        EXPECT_EQ(Le(b, 28, 2), 24u);
        EXPECT_EQ(Le(b, 30, 4), 0u);  // BI_RGB
        if (!expected.sprite) continue;
        // The sprite's square must not show, so every pixel on its border is black.
        const auto pixel = [&](uint32_t x, uint32_t y) {
            const size_t at = 54 + (static_cast<size_t>(y) * expected.width + x) * 3;
            return b[at] | b[at + 1] | b[at + 2];
        };
        int lit = 0;
        for (uint32_t x = 0; x < expected.width; ++x)
            lit += (pixel(x, 0) | pixel(x, expected.height - 1)) != 0;
        for (uint32_t y = 0; y < expected.height; ++y)
            lit += (pixel(0, y) | pixel(expected.width - 1, y)) != 0;
        EXPECT_EQ(lit, 0);
    }
}

TEST(Assets, SoundsAreMono16Bit22050HzPcmThatStartAndEndSilent) {
    for (const SoundFile& expected : Sounds) {
        SCOPED_TRACE(expected.file);
        const auto b = ReadAll(Resources / "sounds" / expected.file);
        ASSERT_EQ(b.size(), 44 + expected.dataBytes);
        EXPECT_EQ(Tag(b, 0), "RIFF");
        EXPECT_EQ(Le(b, 4, 4), b.size() - 8);
        EXPECT_EQ(Tag(b, 8), "WAVE");
        EXPECT_EQ(Tag(b, 12), "fmt ");
        EXPECT_EQ(Le(b, 16, 4), 16u);
        EXPECT_EQ(Le(b, 20, 2), 1u);  // PCM
        EXPECT_EQ(Le(b, 22, 2), 1u);  // mono
        EXPECT_EQ(Le(b, 24, 4), 22050u);
        EXPECT_EQ(Le(b, 28, 4), 44100u);
        EXPECT_EQ(Le(b, 32, 2), 2u);
        EXPECT_EQ(Le(b, 34, 2), 16u);
        EXPECT_EQ(Tag(b, 36), "data");
        EXPECT_EQ(Le(b, 40, 4), expected.dataBytes);
        // No click at either end and headroom below clipping.
        const auto sample = [&](size_t i) { return static_cast<int16_t>(Le(b, 44 + 2 * i, 2)); };
        const size_t count = expected.dataBytes / 2;
        EXPECT_EQ(sample(0), 0);
        EXPECT_EQ(sample(count - 1), 0);
        int peak = 0;
        for (size_t i = 0; i < count; ++i)
            peak = std::max(peak, std::abs(static_cast<int>(sample(i))));
        EXPECT_GT(peak, 3000);
        EXPECT_LT(peak, 24000);
    }
}

}  // namespace
