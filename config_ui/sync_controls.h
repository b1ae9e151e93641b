// Moves values between the settings and the controls of the Configuration page on show, then applies the
// enabling rules and re-arms (or, with Period 0, kills) the auto-switch timer. It never applies a list: the
// Switch page does that when the user chooses one.
#pragma once

enum class SyncDirection { ControlsToSettings, SettingsToControls };

void SyncControls(SyncDirection direction);
