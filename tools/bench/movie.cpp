// Records short looping films of the scene for the README: each built-in look in motion, and an auto-switch
// from one look to the next. Writes the frames as numbered PNG files; tools/bench/movies.sh encodes them.
//
// usage: plumora_movie [--out FOLDER] [--size WxH] [--scale N] [--step MS] [--frames N] [--switch-frames N]
//                      [--fade N] [--warm-up MS] [--phase P] [--only NAME,NAME,...]
//
// Writes FOLDER/look1/0000.png … for Default1 to Default6 and FOLDER/switch/0000.png … for the switch;
// --only chooses among the names Default1 … Default6 and switch. Every frame is drawn offscreen as the
// benchmark draws it, one clock step after the one before, into the same picture, so that the trails build
// up as on a screen. A look is recorded after --warm-up of trails from a black screen, as its benchmark
// snapshot is. The switch film shows the factory look's last seconds before the switch that ends its Period,
// the switch, drawn as the program draws it, and the next look's first seconds.
//
// Each frame is drawn --scale times as wide and high as --size and shrunk by averaging. The lines are a pixel
// or two wide at any size: drawn at 1440 × 1152, near the benchmark's 1280 × 1024, they cover the share of
// the picture that they cover in its snapshots (drawn at 480 × 384 the trails pile up brighter), and shrunk
// they move smoothly instead of stepping across the pixel grid. The last --fade frames of the
// film are drawn past its end and blended into its first ones, so that the loop back to the start does not
// jump.
#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "offscreen.h"
#include "platform/clock.h"
#include "png_file.h"
#include "scenes.h"
#include "settings/list_draw.h"
#include "settings/presets.h"
#include "settings/scene_settings.h"

namespace {

struct Options {
    int width = 480;
    int height = 384;
    int scale = 3;
    int stepMs = 50;
    int frames = 80;         // a look's film: 4 s at the 50 ms step
    int switchFrames = 100;  // the switch film: 2 s of one look, 3 s of the next
    int fade = 10;
    int warmUpMs = 10000;  // the trails that the benchmark's snapshots show
    double phase = 4321;   // TimePhase, as the benchmark's
    std::string out = ".";
    std::string only;  // comma-separated film names; empty: every film
};

constexpr int MaxScale = 8;
constexpr const char* SwitchName = "switch";

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        const char* value = argv[i + 1];
        if (arg == "--size")
            sscanf(value, "%dx%d", &o.width, &o.height);
        else if (arg == "--scale")
            o.scale = atoi(value);
        else if (arg == "--step")
            o.stepMs = atoi(value);
        else if (arg == "--frames")
            o.frames = atoi(value);
        else if (arg == "--switch-frames")
            o.switchFrames = atoi(value);
        else if (arg == "--fade")
            o.fade = atoi(value);
        else if (arg == "--warm-up")
            o.warmUpMs = atoi(value);
        else if (arg == "--phase")
            o.phase = atof(value);
        else if (arg == "--out")
            o.out = value;
        else if (arg == "--only")
            o.only = value;
        else
            return false;
    }
    return argc % 2 == 1 && o.width > 0 && o.height > 0 && o.scale >= 1 && o.scale <= MaxScale &&
           o.stepMs > 0 && o.frames > 0 && o.switchFrames > 0 && o.fade >= 0 && o.fade <= o.frames &&
           o.fade <= o.switchFrames && o.warmUpMs >= 0;
}

using Picture = std::vector<uint8_t>;  // RGB rows, bottom row first

// Averages each scale × scale block of the drawn picture into one pixel of the film's size.
Picture Shrink(const Picture& drawn, int width, int height, int scale) {
    if (scale == 1) return drawn;
    Picture shrunk(static_cast<size_t>(width) * height * 3);
    const size_t drawnStride = static_cast<size_t>(width) * scale * 3;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx)
                        sum += drawn[(static_cast<size_t>(y) * scale + dy) * drawnStride +
                                     (static_cast<size_t>(x) * scale + dx) * 3 + c];
                shrunk[(static_cast<size_t>(y) * width + x) * 3 + c] =
                    static_cast<uint8_t>((sum + scale * scale / 2) / (scale * scale));
            }
    return shrunk;
}

// The film as it is drawn: the picture after every frame from the first recorded one on.
struct Recording {
    const Options& o;
    const Offscreen& screen;
    int64_t clockMs;  // the next frame's clock reading
    std::vector<Picture> frames;
};

// Draws frames until the clock reaches untilMs, keeping the picture of each when record is set.
void DrawUntil(Recording& film, int64_t untilMs, bool record) {
    for (; film.clockMs < untilMs; film.clockMs += film.o.stepMs) {
        DrawClockFrame(film.screen, film.clockMs);
        if (record)
            film.frames.push_back(
                Shrink(ReadPicture(film.screen), film.o.width, film.o.height, film.o.scale));
    }
}

// Draws the given number of frames and keeps their pictures.
void Record(Recording& film, int frames) {
    DrawUntil(film, film.clockMs + static_cast<int64_t>(frames) * film.o.stepMs, true);
}

// Blends the fade frames drawn past the film's end into its first ones: the first frame is nearly all the
// frame that would follow the last, and each next one takes more of its own picture, so that the film runs
// on from its last frame into its first without a jump.
void FadeTailIntoHead(std::vector<Picture>& frames, int count, int fade) {
    for (int i = 0; i < fade; ++i) {
        const Picture& tail = frames[static_cast<size_t>(count + i)];
        Picture& head = frames[static_cast<size_t>(i)];
        const int own = i + 1, weights = fade + 1;
        for (size_t p = 0; p < head.size(); ++p)
            head[p] =
                static_cast<uint8_t>((head[p] * own + tail[p] * (weights - own) + weights / 2) / weights);
    }
    frames.resize(static_cast<size_t>(count));
}

// The picture as a new look starts it: black, as the program's switch leaves it.
void ClearPicture() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

// A built-in look after the warm-up, its trails drawn from a black screen from the benchmark's first clock
// reading on.
std::vector<Picture> RecordLook(const Options& o, const Offscreen& screen, const BenchScene& look) {
    ApplyScene(look);
    ClearPicture();
    StartFrameClock(o.stepMs);
    Recording film{o, screen, StartMs, {}};
    DrawUntil(film, StartMs + o.warmUpMs, false);
    Record(film, o.frames + o.fade);
    FadeTailIntoHead(film.frames, o.frames, o.fade);
    return film.frames;
}

// What the program's auto-switch does at the end of a Period, for the built-in looks: draws the next list
// with the program's generator, applies it and clears the picture, so that the old look's trails go.
void SwitchLook() {
    SeedListDraw();
    CurrentList = DrawSwitchList(CurrentList, SceneSettings.AutoList);
    Preset(CurrentList, SwitchSettings::Keep);
    glClear(GL_COLOR_BUFFER_BIT);
}

// The factory settings from the saver's start on: the first built-in look, as Default applies it, and a
// switch every Period among the six. The film's first two fifths are that look's last frames before the
// switch, the rest the look that the switch draws, from its first frame on.
std::vector<Picture> RecordSwitch(const Options& o, const Offscreen& screen) {
    ApplyFactorySettings();
    SceneSettings.OffSprinkle = 0;
    CurrentList = 0;
    ClearPicture();
    StartFrameClock(o.stepMs);
    Recording film{o, screen, 0, {}};

    // Rounded up, so that a film of two frames still shows both looks.
    const int before = (o.switchFrames * 2 + 4) / 5, after = o.switchFrames - before;
    const int64_t switchMs = static_cast<int64_t>(SceneSettings.Period) * 1000;
    DrawUntil(film, switchMs - static_cast<int64_t>(before) * o.stepMs, false);
    Record(film, before);
    fprintf(stderr, "plumora_movie: switch from Default%u", CurrentList + 1);
    FixClock(film.clockMs);  // the timer ticks between two frames
    SwitchLook();
    fprintf(stderr, " to Default%u at %lld ms\n", CurrentList + 1, static_cast<long long>(film.clockMs));
    Record(film, after + o.fade);
    FadeTailIntoHead(film.frames, o.switchFrames, o.fade);
    return film.frames;
}

bool WriteFrames(const Options& o, const std::string& name, const std::vector<Picture>& frames) {
    const std::string folder = o.out + "/" + name;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (size_t f = 0; f < frames.size(); ++f) {
        char file[32];
        snprintf(file, sizeof file, "/%04zu.png", f);
        if (!WritePng(folder + file, o.width, o.height, frames[f])) {
            fprintf(stderr, "plumora_movie: cannot write %s%s\n", folder.c_str(), file);
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ParseOptions(argc, argv, o)) {
        fprintf(stderr,
                "usage: plumora_movie [--out FOLDER] [--size WxH] [--scale N] [--step MS] [--frames N] "
                "[--switch-frames N] [--fade N] [--warm-up MS] [--phase P] [--only NAME,...]\n");
        return 2;
    }
    Offscreen screen;
    if (!OpenOffscreen(screen, o.width * o.scale, o.height * o.scale, o.phase)) {
        fprintf(stderr, "plumora_movie: cannot create an OSMesa context\n");
        return 1;
    }
    int status = 0;
    const std::vector<BenchScene>& scenes = BenchScenes();
    for (size_t i = 0; i < BuiltInLookCount; ++i)
        if (SceneChosen(o.only, scenes[i].name) &&
            !WriteFrames(o, SceneFileName(i, scenes[i].name, ""), RecordLook(o, screen, scenes[i])))
            status = 1;
    if (SceneChosen(o.only, SwitchName) && !WriteFrames(o, SwitchName, RecordSwitch(o, screen))) status = 1;
    CloseOffscreen(screen);
    return status;
}
