// The timed switch between looks: every Period seconds, and on Enter, a list drawn at random among those
// marked in AutoList replaces the look.
#pragma once

// Draws another list, applies it, refreshes an open Configuration page (which also re-arms the timer for a
// full period) and clears the picture. Does nothing while Period is 0 or no list is marked, and nothing while
// a switch is still under way (its message box open): a switch never runs inside another.
void AutoSwitch();
