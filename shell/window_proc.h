// The render window's procedure, the running saver's keys, the message loop, and the frame shown whenever
// the message queue is empty or the window moves, unless the display is off.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

// One flag per virtual-key code: set on its key-down (auto-repeat included), cleared on its key-up. All are
// cleared when the render window loses the focus, since their key-ups then go to another window.
extern std::array<bool, 256> KeyDown;

// Whether the information overlay is shown; F2 inverts it.
extern bool ShowInfo;

// Whether the display shows what is drawn: false from the moment Windows reports the display off
// (DisplayStateSetting 0) until it reports it on (1) or dimmed (2, still visible). Every new render
// window starts with the display on; where Windows never reports the state, it stays on.
extern bool DisplayOn;

// Frames drawn since the process started.
extern uint64_t FramesDrawn;

// Draws the frame, swaps the buffers and, when CopyFrontBuffer is set, copies the shown picture back into
// the back buffer, so that a frame which clears no colour continues exactly what is on screen.
void RenderFrame();

// Runs the message loop until WM_QUIT and returns its exit code: every waiting message first; when none
// waits, a frame while the display is on, or else a wait for the next message, so that a display that sleeps
// costs no drawing and a key still ends the saver at once.
int RunMessageLoop();

// Runs the preview (WindowMode::Preview) until its window goes with the window it lives in, or that window's
// program ends, then tears it down and returns 0. A frame starts at most 30 times a second
// (platform/frame_pacing.h), the thread sleeping in a message wait in between; nothing is drawn while the
// preview is hidden or the display is off.
int RunPreviewLoop();

// The procedure of class "ForOpenGL"; the auto-switch timer's ticks, the display changes (which lay the
// monitor covers again) and the display state arrive here too.
LRESULT CALLBACK RenderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Acts on the keys held in KeyDown after a key-down: in full screen every key but F1, F2, F3, Space and
// Enter ends the program; F1 and Space open the Configuration dialog, F2 toggles the overlay, F3 toggles
// full screen and window, Enter switches to another list, Escape ends the program.
void HandleKeyDown();
