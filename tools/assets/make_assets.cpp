// Writes the program's generated resources into a folder: make_assets <folder>. The same input always
// gives the same bytes; the committed files in resources/ are this tool's output.
//
//   plumora.ico              icon 112: a glowing two-armed spiral, 32 × 32, 16 colours
//   bitmaps/sun.bmp          bitmap 108, 128 × 128: a red sun with a bright spot in swirling red haze
//   bitmaps/star.bmp         bitmap 107, 128 × 128: a white four-pointed sparkle with long thin rays
//   bitmaps/fancy_star.bmp   bitmap 105, 128 × 128: a planet's cyan crescent under a rising cyan star
//   bitmaps/blue_planet.bmp  bitmap 111, 128 × 128: a soft blue-violet disc fading to black
//   bitmaps/milky_way.bmp    bitmap 106, 128 × 64: a tilted spiral galaxy among stars (shown square)
//   bitmaps/blue_comet.bmp   bitmap 114, 256 × 64: a cyan comet, head two thirds right, on blue
//   bitmaps/halley_comet.bmp bitmap 115, 256 × 128: a comet photograph, head at the left, starry sky
//   bitmaps/gold_stick.bmp   bitmap 113, 256 × 32: an orange-gold bar, brightest along its middle
//   sounds/tab.wav           sound 123, 2158 data bytes: a soft click when the tab changes
//   sounds/done.wav          sound 124, 53820 data bytes: a rising two-note chime for "Done"
//   sounds/save.wav          sound 125, 43718 data bytes: a warm chord chime for "Save"
//   sounds/default.wav       sound 129, 24486 data bytes: a falling two-note chime for "Default"
//   sounds/clear.wav         sound 131, 22772 data bytes: a falling whoosh for "Clear"
#include <cstdio>
#include <filesystem>
#include <string>

#include "assets.h"

namespace {

struct Picture {
    const char* file;
    int width, height;
    Image (*draw)(int width, int height);
};

constexpr Picture Pictures[] = {
    {"bitmaps/sun.bmp", 128, 128, DrawSun},
    {"bitmaps/star.bmp", 128, 128, DrawStar},
    {"bitmaps/fancy_star.bmp", 128, 128, DrawFancyStar},
    {"bitmaps/blue_planet.bmp", 128, 128, DrawBluePlanet},
    {"bitmaps/milky_way.bmp", 128, 64, DrawMilkyWay},
    {"bitmaps/blue_comet.bmp", 256, 64, DrawBlueComet},
    {"bitmaps/halley_comet.bmp", 256, 128, DrawHalleyComet},
    {"bitmaps/gold_stick.bmp", 256, 32, DrawGoldStick},
};

struct Sound {
    const char* file;
    size_t dataBytes;  // two bytes per sample
    std::vector<double> (*make)(size_t count);
};

constexpr Sound Sounds[] = {
    {"sounds/tab.wav", 2158, SoundTab},      {"sounds/done.wav", 53820, SoundDone},
    {"sounds/save.wav", 43718, SoundSave},   {"sounds/default.wav", 24486, SoundDefault},
    {"sounds/clear.wav", 22772, SoundClear},
};

bool Fail(const std::string& path) {
    fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
    return false;
}

bool WriteAll(const std::string& folder) {
    std::error_code error;
    for (const char* sub : {"bitmaps", "sounds"}) {
        std::filesystem::create_directories(folder + "/" + sub, error);
        if (error) return Fail(folder + "/" + sub);
    }
    std::array<Rgb, 16> palette{};
    const auto icon = DrawIcon(palette);
    if (!WriteIcon16(folder + "/plumora.ico", palette, icon)) return Fail(folder + "/plumora.ico");
    for (const Picture& p : Pictures) {
        const std::string path = folder + "/" + p.file;
        if (!WriteBitmap24(path, p.width, p.height, ToRgb(p.draw(p.width, p.height)))) return Fail(path);
    }
    for (const Sound& s : Sounds) {
        const std::string path = folder + "/" + s.file;
        if (!WriteWave16(path, ToPcm16(s.make(s.dataBytes / 2)))) return Fail(path);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: make_assets <folder>\n");
        return 2;
    }
    return WriteAll(argv[1]) ? 0 : 1;
}
