// The Configuration dialog: a tab control with six settings pages and the buttons Save, Cancel and Default.
// The same procedure serves the modal dialog of the configure mode and the modeless ones that F1, Space and
// Save open over the render window.
#pragma once

#include <windows.h>

extern int CurrentTab;  // the tab shown last, 0-5; every new dialog opens on it
// Several dialogs may be open (F1 twice); one of them is live: the one opened, activated or switched last.
extern HWND TabControl;   // the live dialog's tab control; null when no dialog is open
extern RECT PageRect;     // the tab control's display area; pages take its width and height
extern HWND CurrentPage;  // the live dialog's page, the one that transfers values; null when none is shown

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Opens a modeless Configuration dialog owned by the render window (F1 and Space over the running saver);
// null when it could not be created. The cursor is shown while it is open, however it ends.
HWND OpenConfigDialog(HWND owner);

// Hands the dialog keys (Tab, Enter, Escape, the arrows on the tabs) of a modeless Configuration dialog to
// that dialog, as the modal one gets them from its own loop; true when the message was used.
bool RouteDialogKeys(MSG& message);

// Plays wave resource `resource` (the IDW_ ids of resources/resource_ids.h) without waiting; a new sound cuts
// off the one playing.
void PlayDialogSound(int resource);

// Runs the Configuration dialog modally (the configure mode); false when it could not be shown.
bool RunConfigDialog(HWND owner);

// Whether an open Configuration dialog holds a change the user made (a control moved, a text typed, a list
// chosen, "Default") that nothing has settled yet. "Save", "Cancel", the close box, "Done" and "Clear" settle
// it, and so does the last dialog going. While a change is held the auto-switch waits: it never replaces a
// look the user is working on.
bool DialogHoldsAChange();
// The pages and the dialog's buttons tell of each change the user makes, and of each that they settle.
void NoteUserChange();
void SettleUserChange();
