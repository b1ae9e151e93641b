// The Configuration dialog.
#pragma once

#include <windows.h>

// Opens a modeless Configuration dialog owned by the render window (F1 and Space over the running saver).
void OpenConfigDialog(HWND owner);

// Runs the Configuration dialog modally (the configure mode); false when it could not be shown.
bool RunConfigDialog(HWND owner);
