// Renders each scene of scenes.cpp (the six built-in looks, then the worst cases) offscreen (Mesa OSMesa)
// with a fixed clock step and prints what a frame costs, then writes a PNG snapshot of each scene's last
// frame.
//
// usage: plumora_bench [--frames N] [--size WxH] [--step MS] [--out FOLDER] [--bitmaps FOLDER] [--phase P]
//                      [--only NAME,NAME,...] [--cpu-only]
//        plumora_bench --list             prints the scenes' names, one a line
//        plumora_bench --registry NAME    prints the scene as a registry file (for tools/bench/live.sh)
//
// Each scene is drawn twice over the same clock readings, each time from a black screen:
//  - the full frame, as the program draws it in full screen: DrawFrame (view, clear, Laser, Sprinkle), the
//    copy of the picture back into the buffer (glCopyPixels), and glFinish so that rasterisation is done;
//  - the same frames with GL_RASTERIZER_DISCARD on: every path, colour, matrix and list recording is computed
//    and every vertex transformed, but no fragment is drawn. This is the CPU-side part; the difference to
//    the full frame is rasterisation (fragments, texturing, blending).
// The empty frame (nothing chosen but the clear, the copy and glFinish) is the baseline.
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/osmesa.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "overlay/frame_rate.h"
#include "overlay/overlay.h"
#include "platform/bitmap_source.h"
#include "platform/clock.h"
#include "png_file.h"
#include "render/textures.h"
#include "scenes.h"
#include "settings/presets.h"
#include "settings/scene_settings.h"
#include "shell/frame.h"
#include "window/gl_setup.h"

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
    bool list = false;     // print the scenes' names and end
};

// The first frame's clock reading: a minute into the run.
constexpr int64_t StartMs = 60000;

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--cpu-only" || arg == "--list") {
            (arg == "--list" ? o.list : o.cpuOnly) = true;
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

bool Chosen(const Options& o, const char* name) {
    if (o.only.empty()) return true;
    const std::string list = "," + o.only + ",";
    return list.find("," + std::string(name) + ",") != std::string::npos;
}

const BenchScene* FindScene(const std::string& name) {
    for (const BenchScene& scene : BenchScenes())
        if (name == scene.name) return &scene;
    return nullptr;
}

void DrawOneFrame(const Options& o, int f) {
    FixClock(StartMs + f * o.stepMs);
    DrawFrame(false);
    glCopyPixels(0, 0, o.width, o.height, GL_COLOR);
    glFinish();
}

// The timed frames alone go through here, so that a profile can leave out the warm-up and llvmpipe's shader
// compilation: valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*TimedFrame*'
// plumora_bench --cpu-only --only Default2 --frames 20
__attribute__((noinline)) void TimedFrame(const Options& o, int f) {
    DrawOneFrame(o, f);
}

// The milliseconds of each frame, every frame ending with glFinish. A few frames go first untimed: llvmpipe
// compiles its shaders for each new combination of state when it first meets it.
std::vector<double> TimeFrames(const Options& o, bool discardRaster) {
    constexpr int WarmUpFrames = 5;
    // Every run starts the clock afresh, and the frame counter with it: a counter left from the run before
    // would see the clock go back. The Sprinkle's trails fade by the rate the clock step stands for.
    ResetFrameRate();
    FrameRate = o.stepMs > 0 ? 1000.0f / o.stepMs : 0.0f;
    if (discardRaster) glEnable(GL_RASTERIZER_DISCARD);
    for (int f = 0; f < WarmUpFrames; ++f)
        DrawOneFrame(o, f);
    glDisable(GL_RASTERIZER_DISCARD);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    if (discardRaster) glEnable(GL_RASTERIZER_DISCARD);
    std::vector<double> ms(static_cast<size_t>(o.frames));
    for (int f = 0; f < o.frames; ++f) {
        const auto start = std::chrono::steady_clock::now();
        TimedFrame(o, f);
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

std::vector<uint8_t> ReadPicture(const Options& o) {
    std::vector<uint8_t> rgb(static_cast<size_t>(o.width) * o.height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, o.width, o.height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

// look1.png … look6.png for the built-in looks, the scene's name with dashes for the others.
std::string SnapshotName(size_t index, const char* name) {
    if (index < BuiltInLookCount) return "look" + std::to_string(index + 1) + ".png";
    std::string file = name;
    std::replace(file.begin(), file.end(), ' ', '-');
    return file + ".png";
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ParseOptions(argc, argv, o)) {
        fprintf(stderr,
                "usage: plumora_bench [--frames N] [--size WxH] [--step MS] [--out FOLDER] [--bitmaps "
                "FOLDER] [--phase P] [--only NAME,...] [--cpu-only]\n"
                "       plumora_bench --list | --registry NAME\n");
        return 2;
    }
    if (o.list) {
        for (const BenchScene& scene : BenchScenes())
            printf("%s\n", scene.name);
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

    std::vector<uint8_t> buffer(static_cast<size_t>(o.width) * o.height * 4);
    OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
    if (context == nullptr ||
        !OSMesaMakeCurrent(context, buffer.data(), GL_UNSIGNED_BYTE, o.width, o.height)) {
        fprintf(stderr, "plumora_bench: cannot create an OSMesa context\n");
        return 1;
    }
    // As a new render window's context is prepared.
    LoadTextures();
    BuildDisplayLists();
    BuildOverlayLists();
    SetFixedGLState(false);
    ResizeScene(o.width, o.height);
    TimePhase = o.phase;
    SettingsStored = true;  // the looks as a configured saver shows them, without the first-run prompt

    printf("Plumora scene benchmark: %s, %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
           reinterpret_cast<const char*>(glGetString(GL_VERSION)));
    printf("%d frames of %d x %d per scene, clock step %d ms from %d ms, time phase %g\n\n", o.frames,
           o.width, o.height, o.stepMs, static_cast<int>(StartMs), o.phase);
    printf("%-26s %9s %7s %7s %7s %9s %9s %7s\n", "scene", "ms/frame", "fps", "median", "10th", "CPU ms",
           "raster ms", "ratio");

    Preset(0, SwitchSettings::Reset);
    SceneSettings.RenderingMode = 0;
    SceneSettings.RouteA = SceneSettings.RouteB = 0;
    const double empty = Mean(TimeFrames(o, false));
    printf("%-26s %9.2f %7.1f\n", "empty", empty, 1000 / empty);

    int status = 0;
    double slowestLook = 0;  // fps of the slowest built-in look in this run
    const std::vector<BenchScene>& scenes = BenchScenes();
    for (size_t i = 0; i < scenes.size(); ++i) {
        const BenchScene& scene = scenes[i];
        if (!Chosen(o, scene.name)) continue;
        if (!ApplyScene(scene)) {
            fprintf(stderr, "plumora_bench: scene \"%s\" changes an unknown value\n", scene.name);
            status = 1;
            continue;
        }
        const double cpu = Mean(TimeFrames(o, true));
        if (o.cpuOnly) {
            printf("%-26s %9s %7s %7s %7s %9.2f\n", scene.name, "-", "-", "-", "-", cpu);
            continue;
        }
        const std::vector<double> full = TimeFrames(o, false);
        const double mean = Mean(full), fps = 1000 / mean;
        if (i < BuiltInLookCount && (slowestLook == 0 || fps < slowestLook)) slowestLook = fps;
        printf("%-26s %9.2f %7.1f %7.1f %7.1f %9.2f %9.2f", scene.name, mean, fps, RateReached(full, 0.5),
               RateReached(full, 0.1), cpu, mean - cpu);
        if (i >= BuiltInLookCount && slowestLook > 0) printf(" %7.2f", fps / slowestLook);
        printf("\n");
        fflush(stdout);
        const std::string path = o.out + "/" + SnapshotName(i, scene.name);
        if (!WritePng(path, o.width, o.height, ReadPicture(o))) {
            fprintf(stderr, "plumora_bench: cannot write %s\n", path.c_str());
            status = 1;
        }
    }
    printf(
        "\nms/frame: mean of DrawFrame + copy-back + glFinish; fps its inverse; median and 10th: the frame "
        "rate\nthat half and nine tenths of the frames reach. CPU ms: the same frames with "
        "GL_RASTERIZER_DISCARD (path,\ncolours, matrices, list recording and vertex processing, no "
        "fragments). raster: the difference.\nempty: view, clear, copy-back and glFinish only. ratio: fps "
        "over the slowest built-in look's fps.\n");
    OSMesaDestroyContext(context);
    return status;
}
