// The render window's procedure, the running saver's keys, and the frame shown whenever the message queue is
// empty or the window moves.
#pragma once

#include <windows.h>

#include <array>

// One flag per virtual-key code: set on its key-down (auto-repeat included), cleared on its key-up. All are
// cleared when the render window loses the focus, since their key-ups then go to another window.
extern std::array<bool, 256> KeyDown;

// Whether the information overlay is shown; F2 inverts it.
extern bool ShowInfo;

// Draws the frame, swaps the buffers and, when CopyFrontBuffer is set, copies the shown picture back into
// the back buffer, so that a frame which clears no colour continues exactly what is on screen.
void RenderFrame();

// The procedure of class "ForOpenGL"; the auto-switch timer's ticks arrive here too.
LRESULT CALLBACK RenderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Acts on the keys held in KeyDown after a key-down: in full screen every key but F1, F2, F3, Space and
// Enter ends the program; F1 and Space open the Configuration dialog, F2 toggles the overlay, F3 toggles
// full screen and window, Enter switches to another list, Escape ends the program.
void HandleKeyDown();
