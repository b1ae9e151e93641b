// The six settings pages shown inside the Configuration dialog's tab control, one at a time.
#pragma once

#include <windows.h>

#include <array>

#include "settings/control_values.h"

// Page procedures by tab.
extern const std::array<DLGPROC, TabCount> PageProcedures;

// First step of every page's creation: puts the page into the dialog below the tabs, shown.
void PlacePage(HWND page);
// A destroyed page leaves no handle behind.
void ForgetPage(HWND page);
