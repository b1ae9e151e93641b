// Moves values between the settings and the controls of the Configuration page on show, then applies the
// enabling rules and re-arms (or, with Period 0, kills) the auto-switch timer. It never applies a list: the
// Switch page does that when the user chooses one.
#pragma once

#include <windows.h>

enum class SyncDirection { ControlsToSettings, SettingsToControls };

// From the controls, `touched` names the control the user moved, which is read whatever it shows; every
// other control is read only where it shows something else than its field's value, so that a value a control
// cannot show (a Density of 100 beyond its bar) stays while the user moves the others.
void SyncControls(SyncDirection direction, HWND touched = nullptr);

// Whether a synchronisation is under way: the notifications that its own writes to the controls cause are
// not the user's.
bool SyncUnderWay();
