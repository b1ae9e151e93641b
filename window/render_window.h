// The one window the scene is drawn in, with its OpenGL context: display-mode change for full screen, the
// window class "ForOpenGL", the window, the pixel format and the context.
#pragma once

#include <windows.h>

#include <cstdint>

#include "resources/version.h"

extern HWND RenderWindow;      // null while no render window exists
extern HDC RenderDC;           // the window's own device context
extern HGLRC RenderContext;    // its OpenGL rendering context
extern HINSTANCE AppInstance;  // the module, taken at every creation
extern bool FullScreen;        // true at process start; F3 inverts it
extern bool Previewing;        // the window is the preview in another program's window
extern bool CopyFrontBuffer;   // every shown frame is copied back into the back buffer
// A swap leaves the back buffer as it was (a swap by copy): the pixel format promises it and the new context
// showed it. The next frame draws over the shown one and no copy is made.
extern bool SwapKeepsBackBuffer;
constexpr int ColourBits = 32;

// The primary display's size in pixels, read once while the process starts.
extern const int ScreenWidth;
extern const int ScreenHeight;

// The power setting whose reports tell the render window whether its picture is seen: the session's display
// from Windows 8 on, where a Remote Desktop session shows while the console's monitor is off; the console's
// display before. Either reports 0 off, 1 on, 2 dimmed.
const GUID& DisplayStateSetting();

// Size of the window in window mode, whatever the caller asked for.
constexpr int WindowModeWidth = 640;
constexpr int WindowModeHeight = 480;

constexpr const char* RenderWindowTitle = PLUMORA_TITLE;

// The procedure of every render window created from now on: the application's handling of its messages
// and keys, set once at start-up. Until then (and for nullptr) a window gets the system's default procedure.
void SetRenderWindowProcedure(WNDPROC procedure);

// Full screen, a framed window of WindowModeWidth × WindowModeHeight (window mode), or the preview: a child
// filling the client area of a window that another program gives, Windows' Screen Saver Settings its little
// monitor.
enum class WindowMode { Full, Framed, Preview };

// Creates the window titled RenderWindowTitle, its context and everything drawn with it; false (after telling
// the user) on failure. Full screen asks the display for width × height, its own size unless told otherwise;
// where that mode cannot be had, the window opens in window mode instead. In full screen every other monitor
// gets a black cover (window/monitor_covers.h). The window is registered for the display state, which reaches
// its procedure as WM_POWERBROADCAST.
// The preview, in parent, takes its size from it and leaves everything else alone: no display mode, cursor,
// cover, foreground or focus; its messages to the user are the caller's to silence.
bool CreateRenderWindow(WindowMode mode, int width = ScreenWidth, int height = ScreenHeight,
                        HWND parent = nullptr);

// Gives the preview its parent's client size again where that has changed (the window it lives in was
// resized); the window's procedure then hears of its new size.
void FitPreviewToParent();

// Whether a WM_SYSCOMMAND's command asks for the screen saver: every window of the running saver refuses
// it, so that the idle time does not start another over it.
inline bool AsksForScreenSaver(WPARAM command) {
    return (command & 0xFFF0) == SC_SCREENSAVE;
}

// Tears everything down, the covers first, restoring the display mode and the cursor; every handle is null
// afterwards. A preview whose window went with its parent leaves only the context to delete.
void DestroyRenderWindow();
