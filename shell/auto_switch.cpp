#include "shell/auto_switch.h"

#include <GL/gl.h>

#include "config_ui/config_dialog.h"
#include "config_ui/sync_controls.h"
#include "settings/list_draw.h"
#include "settings/registry_store.h"
#include "settings/scene_settings.h"

void AutoSwitch() {
    if (SettingsWork::UnderWay() || DialogHoldsAChange() || SceneSettings.Period == 0 ||
        !AnyListMarked(SceneSettings.AutoList))
        return;
    const SettingsWork work;

    SeedListDraw();
    CurrentList = DrawSwitchList(CurrentList, SceneSettings.AutoList);
    ApplyList(CurrentList);

    SyncControls(SyncDirection::SettingsToControls);
    // Trails that Stack kept from the old look would otherwise linger under the new one.
    glClear(GL_COLOR_BUFFER_BIT);
}

bool LoadStartLook() {
    if (!RegistryLoad(MainSettingsKey)) return false;
    if (SceneSettings.Period != 0 && AnyListMarked(SceneSettings.AutoList)) {
        const SettingsWork work;
        SeedListDraw();
        CurrentList = DrawStartList(SceneSettings.AutoList);
        ApplyList(CurrentList);
    }
    return true;
}
