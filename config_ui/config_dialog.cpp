#include "config_ui/config_dialog.h"

// The dialog's templates and pages are not part of the program yet: until they are, F1 and Space only
// show the cursor, and the configure mode has nothing to show.
void OpenConfigDialog(HWND /*owner*/) {}

bool RunConfigDialog(HWND /*owner*/) {
    return false;
}
