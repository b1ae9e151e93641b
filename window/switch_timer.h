// The auto-switch timer: timer 1 of the render window, which every Period seconds posts WM_TIMER with id
// AutoSwitchTimer to the window's procedure (shell/window_proc.cpp), where the switch runs. Window creation,
// the control synchronisation and the dialog's Cancel all arm it through here, and nothing else touches it.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr UINT_PTR AutoSwitchTimer = 1;

// A full period from now: kills the timer and, while Period is not 0, sets it again. With Period 0 the timer
// stays stopped. Does nothing while no render window exists.
void ArmAutoSwitchTimer();

// The timer's interval in milliseconds for a Period in seconds, within what SetTimer accepts.
UINT AutoSwitchInterval(int32_t period);
