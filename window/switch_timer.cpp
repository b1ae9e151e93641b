// The auto-switch timer's one owner: its id, its interval and its arming on the render window.
#include "window/switch_timer.h"

#include <algorithm>

#include "settings/scene_settings.h"
#include "window/render_window.h"

UINT AutoSwitchInterval(int32_t period) {
    // A negative period counts as the huge unsigned number it is; SetTimer takes at most about 24.8 days.
    const uint64_t ms = uint64_t{static_cast<uint32_t>(period)} * 1000;
    return static_cast<UINT>(std::min<uint64_t>(ms, USER_TIMER_MAXIMUM));
}

void ArmAutoSwitchTimer() {
    if (RenderWindow == nullptr) return;
    KillTimer(RenderWindow, AutoSwitchTimer);
    if (SceneSettings.Period != 0)
        SetTimer(RenderWindow, AutoSwitchTimer, AutoSwitchInterval(SceneSettings.Period), nullptr);
}
