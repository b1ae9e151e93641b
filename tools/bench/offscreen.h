// The offscreen picture that the benchmark tools draw into: a Mesa context prepared as the program prepares
// a new render window, the fixed clock that drives it and the frame as the program draws it in full screen.
#pragma once

#include <GL/osmesa.h>

#include <cstdint>
#include <vector>

// The first frame's clock reading: a minute into the run.
constexpr int64_t StartMs = 60000;

struct Offscreen {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> buffer;  // RGBA, the context's colour buffer
    OSMesaContext context = nullptr;
};

// Creates the context and makes it current, then prepares it as a new render window's context: textures,
// display lists, fixed state, projection. The scene is drawn with the given TimePhase, as a configured saver
// shows it (no first-run prompt). False when no context can be had.
bool OpenOffscreen(Offscreen& screen, int width, int height, double phase);
void CloseOffscreen(Offscreen& screen);

// Starts the frame counter afresh for a run of frames stepMs apart: a counter left from a run before would
// see the clock go back. The Sprinkle's trails fade by the frame rate that the step stands for.
void StartFrameClock(int stepMs);

// One frame at clock reading ms: DrawFrame, the copy of the picture back into the buffer that a full-screen
// window makes where its swap does not keep the back buffer (unless copyBack is false: a window whose pixel
// format promises a swap by copy, as under Wine), and glFinish so that rasterisation is done.
void DrawClockFrame(const Offscreen& screen, int64_t ms, bool copyBack = true);

// The picture: height rows of width × 3 bytes, bottom row first.
std::vector<uint8_t> ReadPicture(const Offscreen& screen);
