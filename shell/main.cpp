// The entry point: reads the screen-saver command line, seeds the generator, loads the settings and either
// shows the Configuration dialog, opens the full-screen render window or draws the preview into the window
// Windows' Screen Saver Settings gives, then runs the message loop (shell/window_proc.h), drawing a frame
// whenever no message waits and the display is on (the preview: up to 30 a second).
#include <windows.h>

#include <commctrl.h>

#include <ctime>

#include "config_ui/config_dialog.h"
#include "platform/user_message.h"
#include "settings/random.h"
#include "settings/registry_store.h"
#include "settings/scene_settings.h"
#include "shell/auto_switch.h"
#include "shell/command_line.h"
#include "shell/window_proc.h"
#include "window/render_window.h"

namespace {

RunModeValue RunMode = Config;
HWND ParentWindow = nullptr;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const ParsedCommandLine commandLine = ParseCommandLine(GetCommandLineA());
    RunMode = commandLine.mode;
    ParentWindow = commandLine.ownerIsForegroundWindow
                       ? GetForegroundWindow()
                       : reinterpret_cast<HWND>(static_cast<uintptr_t>(commandLine.parentWindow));

    // A preview needs a window that exists to draw in, and the password mode belongs to systems long gone:
    // otherwise both end at once, before anything is read.
    if (RunMode == Password ||
        (RunMode == Preview && (commandLine.ownerIsForegroundWindow || !IsWindow(ParentWindow))))
        return 0;
    if (RunMode == Preview) {
        // A picture the size of a stamp in another program's dialog changes no setting and tells the user
        // nothing: a failure only ends it.
        RegistryReadOnly = true;
        SetUserMessageObserver([](const char*, const char*, MessageIcon) {});
    }

    SetRenderWindowProcedure(RenderWindowProc);
    SeedRandom(static_cast<uint32_t>(time(nullptr) % 10000));
    TimePhase = DrawRandom();
    // The running saver starts with a look the auto-switch draws; the configure mode shows what is stored, so
    // that "Save" stores what the user saw.
    if (RunMode == Config)
        RegistryLoad(MainSettingsKey);
    else
        LoadStartLook();
    InitCommonControls();

    switch (RunMode) {
        case Config:
            if (!RunConfigDialog(ParentWindow)) return 0;
            break;
        case Preview:
            if (!CreateRenderWindow(WindowMode::Preview, 0, 0, ParentWindow)) return 0;
            return RunPreviewLoop();
        case Password: return 0;
        case Saver:
        case Other:
            if (!CreateRenderWindow(WindowMode::Full)) return 0;
            break;
    }
    return RunMessageLoop();
}
