// Linked into every Windows test program that opens render windows: they get the program's own procedure,
// as the entry point sets it, so that keys, timer ticks and closing behave as in the running saver.
#include "shell/window_proc.h"
#include "window/render_window.h"

namespace {
const bool ProcedureSet = (SetRenderWindowProcedure(RenderWindowProc), true);
}
