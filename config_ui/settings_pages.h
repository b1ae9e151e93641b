// The six settings pages shown inside the Configuration dialog's tab control, one at a time.
#pragma once

#include <windows.h>

#include <array>

#include "settings/control_values.h"

// Page procedures by tab.
extern const std::array<DLGPROC, TabCount> PageProcedures;

// Control `control` of the live page of `tab`; null while that tab has no page.
HWND PageControl(int tab, int control);

// First step of every page's creation: puts the page into the dialog below the tabs, shown, and makes it
// the page of its tab.
void PlacePage(HWND page, int tab);
// A destroyed page leaves no handle behind.
void ForgetPage(HWND page);
