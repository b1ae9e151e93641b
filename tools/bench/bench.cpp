// Renders each scene of scenes.cpp (the six built-in looks, then the worst cases) offscreen (Mesa OSMesa)
// with a fixed clock step and prints what a frame costs, then writes a PNG snapshot of each scene's last
// frame.
//
// usage: plumora_bench [--frames N] [--size WxH] [--step MS] [--out FOLDER] [--bitmaps FOLDER] [--phase P]
//                      [--only NAME,NAME,...] [--cpu-only] [--no-copy]
//        plumora_bench --list             prints each scene's name and, after a tab, its built-in look's
//        plumora_bench --registry NAME    prints the scene as a registry file (for tools/bench/live.sh)
//
// Each scene is drawn twice over the same clock readings, each time from a black screen:
//  - the full frame, as the program draws it in full screen: DrawFrame (view, clear, Laser, Sprinkle), the
//    copy of the picture back into the buffer (glCopyPixels), and glFinish so that rasterisation is done;
//    with --no-copy without the copy, as a window whose swap keeps the back buffer draws it (under Wine);
//  - the same frames with GL_RASTERIZER_DISCARD on: every path, colour, matrix and list recording is computed
//    and every vertex transformed, but no fragment is drawn. This is the CPU-side part; the difference to
//    the full frame is rasterisation (fragments, texturing, blending).
// The empty frame (nothing chosen but the clear, the copy and glFinish) is the baseline.
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "offscreen.h"
#include "platform/bitmap_source.h"
#include "png_file.h"
#include "scenes.h"
#include "settings/presets.h"
#include "settings/scene_settings.h"

namespace {

struct Options {
    int frames = 250;
    int width = 1280;
    int height = 1024;
    int stepMs = 40;
    std::string out = ".";
    std::string bitmaps;
    double phase = 4321;  // TimePhase: fixed, so every run draws the same
    std::string only;     // comma-separated scene names; empty: every scene
    std::string registry;
    bool cpuOnly = false;  // only the CPU-side run of each scene, for profiling
    bool copyBack = true;  // each frame copies its picture back, as without a swap that keeps the back buffer
    bool list = false;     // print the scenes' names and end
};

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--cpu-only" || arg == "--list") {
            (arg == "--list" ? o.list : o.cpuOnly) = true;
            continue;
        }
        if (arg == "--no-copy") {
            o.copyBack = false;
            continue;
        }
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (value == nullptr) return false;
        if (arg == "--frames")
            o.frames = atoi(value);
        else if (arg == "--size")
            sscanf(value, "%dx%d", &o.width, &o.height);
        else if (arg == "--step")
            o.stepMs = atoi(value);
        else if (arg == "--out")
            o.out = value;
        else if (arg == "--bitmaps")
            o.bitmaps = value;
        else if (arg == "--phase")
            o.phase = atof(value);
        else if (arg == "--only")
            o.only = value;
        else if (arg == "--registry")
            o.registry = value;
        else
            return false;
        ++i;
    }
    return o.frames > 0 && o.width > 0 && o.height > 0 && o.stepMs >= 0;
}

// The timed frames alone go through here, so that a profile can leave out the warm-up and llvmpipe's shader
// compilation: valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*TimedFrame*'
// plumora_bench --cpu-only --only Default2 --frames 20
__attribute__((noinline)) void TimedFrame(const Offscreen& screen, const Options& o, int f) {
    DrawClockFrame(screen, StartMs + f * o.stepMs, o.copyBack);
}

// The milliseconds of each frame, every frame ending with glFinish. A few frames go first untimed: llvmpipe
// compiles its shaders for each new combination of state when it first meets it.
std::vector<double> TimeFrames(const Offscreen& screen, const Options& o, bool discardRaster) {
    constexpr int WarmUpFrames = 5;
    StartFrameClock(o.stepMs);  // every run starts the clock afresh
    if (discardRaster) glEnable(GL_RASTERIZER_DISCARD);
    for (int f = 0; f < WarmUpFrames; ++f)
        DrawClockFrame(screen, StartMs + f * o.stepMs, o.copyBack);
    glDisable(GL_RASTERIZER_DISCARD);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    if (discardRaster) glEnable(GL_RASTERIZER_DISCARD);
    std::vector<double> ms(static_cast<size_t>(o.frames));
    for (int f = 0; f < o.frames; ++f) {
        const auto start = std::chrono::steady_clock::now();
        TimedFrame(screen, o, f);
        ms[f] = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    glDisable(GL_RASTERIZER_DISCARD);
    return ms;
}

double Mean(const std::vector<double>& v) {
    double sum = 0;
    for (double x : v)
        sum += x;
    return sum / v.size();
}

// The frame rate that the given share of frames reach: 0.5 the median, 0.1 the rate that all but the
// slowest tenth of the frames reach or beat.
double RateReached(std::vector<double> ms, double share) {
    std::sort(ms.begin(), ms.end());
    const size_t index = std::min(ms.size() - 1, static_cast<size_t>((1 - share) * ms.size()));
    return 1000 / ms[index];
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ParseOptions(argc, argv, o)) {
        fprintf(stderr,
                "usage: plumora_bench [--frames N] [--size WxH] [--step MS] [--out FOLDER] [--bitmaps "
                "FOLDER] [--phase P] [--only NAME,...] [--cpu-only] [--no-copy]\n"
                "       plumora_bench --list | --registry NAME\n");
        return 2;
    }
    if (o.list) {
        const std::vector<BenchScene>& scenes = BenchScenes();
        for (const BenchScene& scene : scenes)
            printf("%s\t%s\n", scene.name, scene.look < scenes.size() ? scenes[scene.look].name : "");
        return 0;
    }
    if (!o.registry.empty()) {
        const BenchScene* scene = FindScene(o.registry);
        if (scene == nullptr || !ApplyScene(*scene)) {
            fprintf(stderr, "plumora_bench: no scene named \"%s\"\n", o.registry.c_str());
            return 2;
        }
        fputs(SceneRegistryFile(*scene).c_str(), stdout);
        return 0;
    }
    if (!o.bitmaps.empty()) SetBitmapFolder(o.bitmaps);

    Offscreen screen;
    if (!OpenOffscreen(screen, o.width, o.height, o.phase)) {
        fprintf(stderr, "plumora_bench: cannot create an OSMesa context\n");
        return 1;
    }

    printf("Plumora scene benchmark: %s, %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
           reinterpret_cast<const char*>(glGetString(GL_VERSION)));
    printf("%d frames of %d x %d per scene, clock step %d ms from %d ms, time phase %g, %s\n\n", o.frames,
           o.width, o.height, o.stepMs, static_cast<int>(StartMs), o.phase,
           o.copyBack ? "each frame copied back" : "no copy-back");
    printf("%-26s %9s %7s %7s %7s %9s %9s %7s %7s\n", "scene", "ms/frame", "fps", "median", "10th", "CPU ms",
           "raster ms", "ratio", "vs look");

    ApplyFactorySettings();
    SceneSettings.RenderingMode = 0;
    SceneSettings.RouteA = SceneSettings.RouteB = 0;
    const double empty = Mean(TimeFrames(screen, o, false));
    printf("%-26s %9.2f %7.1f\n", "empty", empty, 1000 / empty);

    int status = 0;
    double slowestLook = 0;                         // fps of the slowest built-in look in this run
    std::vector<double> lookFps(BuiltInLookCount);  // fps of each built-in look in this run
    const std::vector<BenchScene>& scenes = BenchScenes();
    for (size_t i = 0; i < scenes.size(); ++i) {
        const BenchScene& scene = scenes[i];
        if (!SceneChosen(o.only, scene.name)) continue;
        if (!ApplyScene(scene)) {
            fprintf(stderr, "plumora_bench: scene \"%s\" changes an unknown value\n", scene.name);
            status = 1;
            continue;
        }
        const double cpu = Mean(TimeFrames(screen, o, true));
        if (o.cpuOnly) {
            printf("%-26s %9s %7s %7s %7s %9.2f\n", scene.name, "-", "-", "-", "-", cpu);
            continue;
        }
        const std::vector<double> full = TimeFrames(screen, o, false);
        const double mean = Mean(full), fps = 1000 / mean;
        if (i < BuiltInLookCount) {
            lookFps[i] = fps;
            if (slowestLook == 0 || fps < slowestLook) slowestLook = fps;
        }
        printf("%-26s %9.2f %7.1f %7.1f %7.1f %9.2f %9.2f", scene.name, mean, fps, RateReached(full, 0.5),
               RateReached(full, 0.1), cpu, mean - cpu);
        if (i >= BuiltInLookCount && slowestLook > 0) printf(" %7.2f", fps / slowestLook);
        // A worst case over the built-in look it changes: what its multipliers cost, whatever the slowest
        // look's own reasons are.
        if (i >= BuiltInLookCount && scene.look < BuiltInLookCount && lookFps[scene.look] > 0)
            printf(" %7.2f", fps / lookFps[scene.look]);
        printf("\n");
        fflush(stdout);
        const std::string path = o.out + "/" + SceneFileName(i, scene.name, ".png");
        if (!WritePng(path, o.width, o.height, ReadPicture(screen))) {
            fprintf(stderr, "plumora_bench: cannot write %s\n", path.c_str());
            status = 1;
        }
    }
    printf(
        "\nms/frame: mean of DrawFrame + copy-back + glFinish; fps its inverse; median and 10th: the frame "
        "rate\nthat half and nine tenths of the frames reach. CPU ms: the same frames with "
        "GL_RASTERIZER_DISCARD (path,\ncolours, matrices, list recording and vertex "
        "processing, no "
        "fragments). raster: the difference.\nempty: view, clear, copy-back and glFinish only. ratio: fps "
        "over the slowest built-in look's fps; vs look:\nfps over the fps of the built-in look the scene "
        "changes.\n");
    CloseOffscreen(screen);
    return status;
}
