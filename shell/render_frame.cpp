#include "shell/render_frame.h"

#include <GL/gl.h>

#include "shell/frame.h"
#include "shell/render_window.h"
#include "shell/screen.h"
#include "shell/window_proc.h"

void RenderFrame() {
    DrawFrame(ShowInfo);
    SwapBuffers(RenderDC);
    if (CopyFrontBuffer) glCopyPixels(0, 0, ScreenWidth, ScreenHeight, GL_COLOR);
}
