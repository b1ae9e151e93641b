// The timed switch between looks: every Period seconds, and on Enter, a list drawn at random among those
// marked in AutoList replaces the look; and the running saver's first look, drawn the same way.
#pragma once

// Draws another list, applies it, refreshes an open Configuration page (which also re-arms the timer for a
// full period) and clears the picture. The draw takes only the marked lists that have a look
// (ListsWithALook, settings/registry_store.h). Does nothing while Period is 0 or no such list is marked;
// nothing while an
// open Configuration dialog holds a change the user has not settled (config_ui/config_dialog.h), so that the
// user's work is never replaced; and nothing while a load, a save or another switch is under way
// (SettingsWork, settings/registry_store.h): a tick inside one of their message boxes never changes the
// settings they are working on.
void AutoSwitch();

// Loads the main settings key as the running saver starts. When a key of this format was read, Period is not
// 0 and a list with a look is marked in AutoList, one of them, drawn at random, replaces the stored look.
// True when a key of this format was read.
bool LoadStartLook();
