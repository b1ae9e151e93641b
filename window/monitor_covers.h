// Covers for the monitors beside the primary: while the scene fills the primary in full screen, every other
// monitor gets a black, topmost, cursorless popup of the class "PlumoraCover" that never takes the focus and
// hands its keys to the render window, so the desktop stays hidden and every key acts as on the scene.
#pragma once

#include <windows.h>

#include <vector>

// The rectangles, in virtual-screen coordinates, of the monitors that need a cover: every monitor but the
// primary, less those that overlap it (a mirror of the primary shows the scene already).
std::vector<RECT> MonitorsToCover();

// Lays one cover on each monitor that needs one; the covers stay until RemoveMonitorCovers. While they are
// laid, timer 2 of the render window checks the layout every second and lays them again when it changed.
void LayMonitorCovers();

// Destroys every cover and unregisters their class; nothing of them is left.
void RemoveMonitorCovers();

// Where covers are laid, lays them again for the present layout (a monitor plugged in or out, a resolution
// changed); otherwise does nothing.
void RelayMonitorCovers();

// The covers laid now, in the order of their monitors; empty on a single monitor and outside full screen.
const std::vector<HWND>& MonitorCovers();

// The monitors covered come from MonitorsToCover, or from the given function (a test's monitors) until it
// is set back to nullptr.
void SetMonitorSource(std::vector<RECT> (*source)());
