#include "shell/auto_switch.h"

#include <GL/gl.h>

#include "config_ui/sync_controls.h"
#include "settings/list_draw.h"
#include "settings/registry_store.h"
#include "settings/scene_settings.h"

namespace {

// A switch in progress. Loading a saved list can show a message box, and the timer goes on ticking inside
// the box's message loop: each tick would switch again and open another box over the first.
bool Switching = false;

}  // namespace

void AutoSwitch() {
    if (Switching || SceneSettings.Period == 0 || !AnyListMarked(SceneSettings.AutoList)) return;
    Switching = true;

    SeedListDraw();
    CurrentList = DrawSwitchList(CurrentList, SceneSettings.AutoList);
    ApplyList(CurrentList);

    SyncControls(SyncDirection::SettingsToControls);
    // Trails that Stack kept from the old look would otherwise linger under the new one.
    glClear(GL_COLOR_BUFFER_BIT);
    Switching = false;
}
