#include "shell/auto_switch.h"

#include <GL/gl.h>

#include "config_ui/config_dialog.h"
#include "config_ui/sync_controls.h"
#include "settings/list_draw.h"
#include "settings/registry_store.h"
#include "settings/scene_settings.h"

namespace {

// The lists the draw takes: those marked in AutoList that have a look. A marked list without one is left out
// as if unmarked, so that a draw never lands on a key that is not there.
int32_t ListsToDraw() {
    return SceneSettings.AutoList & ListsWithALook();
}

void Apply(uint32_t list) {
    CurrentList = list;
    CurrentListApplied = true;
    ApplyList(list);
}

}  // namespace

void AutoSwitch() {
    if (SettingsWork::UnderWay() || DialogHoldsAChange() || SceneSettings.Period == 0) return;
    const int32_t lists = ListsToDraw();
    if (!AnyListMarked(lists)) return;
    const SettingsWork work;

    SeedListDraw();
    Apply(DrawSwitchList(CurrentList, lists));

    SyncControls(SyncDirection::SettingsToControls);
    // Trails that Stack kept from the old look would otherwise linger under the new one.
    glClear(GL_COLOR_BUFFER_BIT);
}

bool LoadStartLook() {
    if (!RegistryLoad(MainSettingsKey)) return false;
    if (SceneSettings.Period == 0) return true;
    const int32_t lists = ListsToDraw();
    if (AnyListMarked(lists)) {
        const SettingsWork work;
        SeedListDraw();
        Apply(DrawStartList(lists));
    }
    return true;
}
