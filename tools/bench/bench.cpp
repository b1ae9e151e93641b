// Renders each of the six built-in looks offscreen (Mesa OSMesa) with a fixed clock step and prints what a
// frame costs, then writes a PNG snapshot of each look's last frame.
//
// usage: plumora_bench [--frames N] [--size WxH] [--step MS] [--out FOLDER] [--bitmaps FOLDER] [--phase P]
//
// Each look is drawn twice over the same clock readings, each time from a black screen:
//  - the full frame, as the program draws it in full screen: DrawFrame (view, clear, Laser, Sprinkle), the
//    copy of the picture back into the buffer (glCopyPixels), and glFinish so that rasterisation is done;
//  - the same frames with GL_RASTERIZER_DISCARD on: every path, colour, matrix and list recording is computed
//    and every vertex transformed, but no fragment is drawn. This is the CPU-side part; the difference to
//    the full frame is rasterisation (fragments, texturing, blending).
// The empty frame (nothing chosen but the clear, the copy and glFinish) is the baseline.
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/osmesa.h>

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
};

// The first frame's clock reading: a minute into the run.
constexpr int64_t StartMs = 60000;

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
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
        else
            return false;
        ++i;
    }
    return o.frames > 0 && o.width > 0 && o.height > 0 && o.stepMs >= 0;
}

void CopyBack(const Options& o) {
    glCopyPixels(0, 0, o.width, o.height, GL_COLOR);
}

void DrawFrames(const Options& o, int count) {
    for (int f = 0; f < count; ++f) {
        FixClock(StartMs + f * o.stepMs);
        DrawFrame(false);
        CopyBack(o);
        glFinish();
    }
}

// Mean milliseconds of one frame over the run, every frame ending with glFinish. A few frames go first
// untimed: llvmpipe compiles its shaders for each new combination of state when it first meets it.
double TimeFrames(const Options& o, bool discardRaster) {
    constexpr int WarmUpFrames = 5;
    if (discardRaster) glEnable(GL_RASTERIZER_DISCARD);
    DrawFrames(o, WarmUpFrames);
    glDisable(GL_RASTERIZER_DISCARD);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    if (discardRaster) glEnable(GL_RASTERIZER_DISCARD);
    const auto start = std::chrono::steady_clock::now();
    DrawFrames(o, o.frames);
    const auto end = std::chrono::steady_clock::now();
    glDisable(GL_RASTERIZER_DISCARD);
    return std::chrono::duration<double, std::milli>(end - start).count() / o.frames;
}

std::vector<uint8_t> ReadPicture(const Options& o) {
    std::vector<uint8_t> rgb(static_cast<size_t>(o.width) * o.height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, o.width, o.height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ParseOptions(argc, argv, o)) {
        fprintf(stderr,
                "usage: plumora_bench [--frames N] [--size WxH] [--step MS] [--out FOLDER] [--bitmaps "
                "FOLDER] [--phase P]\n");
        return 2;
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
    // The Sprinkle's trails fade by the frame rate; give it the rate the fixed clock step stands for.
    FrameRate = o.stepMs > 0 ? 1000.0f / o.stepMs : 0.0f;

    printf("Plumora scene benchmark: %s, %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
           reinterpret_cast<const char*>(glGetString(GL_VERSION)));
    printf("%d frames of %d x %d per look, clock step %d ms from %d ms, time phase %g\n\n", o.frames, o.width,
           o.height, o.stepMs, static_cast<int>(StartMs), o.phase);
    printf("%-10s %10s %8s %12s %12s\n", "look", "ms/frame", "fps", "CPU-side ms", "raster ms");

    Preset(0, false);
    SceneSettings.RenderingMode = 0;
    SceneSettings.RouteA = SceneSettings.RouteB = 0;
    const double empty = TimeFrames(o, false);
    printf("%-10s %10.2f %8.1f %12s %12s\n", "empty", empty, 1000 / empty, "-", "-");

    int status = 0;
    for (uint32_t look = 0; look < BuiltInLookCount; ++look) {
        Preset(look, false);
        SceneSettings.OffSprinkle = 0;
        const double cpu = TimeFrames(o, true);
        const double full = TimeFrames(o, false);
        printf("%-10s %10.2f %8.1f %12.2f %12.2f\n", ListNames[look].c_str(), full, 1000 / full, cpu,
               full - cpu);
        const std::string path = o.out + "/look" + std::to_string(look + 1) + ".png";
        if (!WritePng(path, o.width, o.height, ReadPicture(o))) {
            fprintf(stderr, "plumora_bench: cannot write %s\n", path.c_str());
            status = 1;
        }
    }
    printf(
        "\nms/frame: DrawFrame + copy-back + glFinish. CPU-side: the same frames with GL_RASTERIZER_DISCARD\n"
        "(path, colours, matrices, list recording and vertex processing, no fragments). raster: the "
        "difference.\n"
        "empty: view, clear, copy-back and glFinish only.\n");
    OSMesaDestroyContext(context);
    return status;
}
