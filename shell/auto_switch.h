// The timed switch between looks: every Period seconds, and on Enter, a list drawn at random among those
// marked in AutoList replaces the look.
#pragma once

// Draws another list, applies it, refreshes an open Configuration page (which also re-arms the timer for a
// full period) and clears the picture. Does nothing while Period is 0 or no list is marked, and nothing while
// a load, a save or another switch is under way (SettingsWork, settings/registry_store.h): a tick inside one
// of their message boxes never changes the settings they are working on.
void AutoSwitch();
