#include "config_ui/sync_controls.h"

#include "shell/render_window.h"

void SyncControls(bool /*toSettings*/) {
    // Every call restarts the auto-switch interval (or stops it when Period is 0).
    ArmAutoSwitchTimer();
}
