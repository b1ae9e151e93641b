#include "window/render_window.h"

#include <GL/gl.h>
#include <versionhelpers.h>

#include "overlay/font.h"
#include "overlay/overlay.h"
#include "platform/user_message.h"
#include "render/textures.h"
#include "resources/resource_ids.h"
#include "window/gl_setup.h"
#include "window/monitor_covers.h"
#include "window/switch_timer.h"

HWND RenderWindow = nullptr;
HDC RenderDC = nullptr;
HGLRC RenderContext = nullptr;
HINSTANCE AppInstance = nullptr;
bool FullScreen = true;
bool Previewing = false;
bool CopyFrontBuffer = false;
bool SwapKeepsBackBuffer = false;
const int ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
const int ScreenHeight = GetSystemMetrics(SM_CYSCREEN);

namespace {

constexpr const char* WindowClassName = "ForOpenGL";

PIXELFORMATDESCRIPTOR PixelFormat{};
WNDPROC WindowProcedure = nullptr;  // the system default until the application sets its own
HPOWERNOTIFY DisplayStateNotification = nullptr;

void CreationError(const char* text) {
    ShowUserMessage(text, "ERROR", MessageIcon::Exclamation);
}
void ShutdownError(const char* text) {
    ShowUserMessage(text, "SHUTDOWN ERROR", MessageIcon::Information);
}

// A full-screen creation that fails before its window exists gives the display mode and the cursor back
// before it tells the user, or both would stay changed after the program has ended.
bool CreationFailed(const char* text) {
    if (FullScreen) {
        ChangeDisplaySettingsA(nullptr, 0);
        ShowCursor(TRUE);
    }
    CreationError(text);
    return false;
}

bool SwitchToFullScreen(int width, int height) {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmBitsPerPel = ColourBits;
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
}

bool RegisterWindowClass() {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = WindowProcedure != nullptr ? WindowProcedure : DefWindowProcA;
    windowClass.hInstance = AppInstance;
    windowClass.hIcon = LoadIconA(AppInstance, MAKEINTRESOURCEA(IDI_PLUMORA));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = WindowClassName;
    return RegisterClassA(&windowClass) != 0;
}

void FillPixelFormat() {
    PixelFormat.nSize = sizeof PixelFormat;
    PixelFormat.nVersion = 1;
    // Swaps that copy are only a hint here: the chosen format says whether it has them.
    PixelFormat.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER | PFD_SWAP_COPY;
    PixelFormat.iPixelType = PFD_TYPE_RGBA;
    PixelFormat.cColorBits = ColourBits;
    PixelFormat.cDepthBits = 24;
    PixelFormat.cStencilBits = 8;
    PixelFormat.iLayerType = PFD_MAIN_PLANE;
}

// Whether reading the front buffer gives back what a swap has shown. One nearly black frame is shown.
// WORKAROUND: Mesa under Wine keeps the back buffer across a swap but reads the front buffer as black;
// copying it back would wipe the picture in every frame instead of keeping its trails.
bool FrontBufferReadsBack() {
    glClearColor(0, 0, 16 / 255.0f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    SwapBuffers(RenderDC);
    glFinish();
    GLubyte pixel[4] = {};
    glReadBuffer(GL_FRONT);
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    glReadBuffer(GL_BACK);
    glClearColor(0, 0, 0, 1);
    return pixel[2] >= 8;
}

// A WGL function of the current context, or null where the driver has none.
template <class Function>
Function WglFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(wglGetProcAddress(name)));
}

// The WGL extension string of a device context, for the current context's driver; null where it offers none.
const char* WglExtensions(HDC dc) {
    if (const auto arb = WglFunction<const char*(WINAPI*)(HDC)>("wglGetExtensionsStringARB")) return arb(dc);
    if (const auto ext = WglFunction<const char*(WINAPI*)()>("wglGetExtensionsStringEXT")) return ext();
    return nullptr;
}

// The names of WGL_ARB_pixel_format that the choice of a swap-copy format uses.
constexpr int WglDrawToWindow = 0x2001, WglAcceleration = 0x2003, WglSwapMethod = 0x2007,
              WglSupportOpenGL = 0x2010, WglDoubleBuffer = 0x2011, WglPixelType = 0x2013,
              WglColourBits = 0x2014, WglDepthBits = 0x2022, WglStencilBits = 0x2023,
              WglFullAcceleration = 0x2027, WglSwapCopy = 0x2029, WglTypeRgba = 0x202B;

// Among the formats of dc like PixelFormat, the first whose swap copies the back buffer to the screen and so
// leaves it as it was (WGL_SWAP_COPY_ARB), asked of the current context's driver; 0 where it offers none.
// Only the driver's own formats count: the system's generic software ones would draw far too slowly.
int SwapCopyFormatOffered(HDC dc) {
    using Choose = BOOL(WINAPI*)(HDC, const int*, const FLOAT*, UINT, int*, UINT*);
    using Describe = BOOL(WINAPI*)(HDC, int, int, UINT, const int*, int*);
    if (!ExtensionListHas(WglExtensions(dc), "WGL_ARB_pixel_format")) return 0;
    const auto choose = WglFunction<Choose>("wglChoosePixelFormatARB");
    const auto describe = WglFunction<Describe>("wglGetPixelFormatAttribivARB");
    if (choose == nullptr || describe == nullptr) return 0;
    // clang-format off
    const int wanted[] = {WglDrawToWindow, 1, WglAcceleration, WglFullAcceleration,
                          WglSupportOpenGL, 1, WglDoubleBuffer, 1,
                          WglPixelType, WglTypeRgba, WglColourBits, PixelFormat.cColorBits,
                          WglDepthBits, PixelFormat.cDepthBits, WglStencilBits, PixelFormat.cStencilBits,
                          WglSwapMethod, WglSwapCopy, 0};
    // clang-format on
    int formats[16] = {};
    UINT count = 0;
    if (!choose(dc, wanted, nullptr, 16, formats, &count)) return 0;
    // A driver may take the swap method for a wish: only a format that names it counts.
    for (UINT i = 0; i < count && i < 16; ++i) {
        const int attribute = WglSwapMethod;
        int method = 0;
        if (describe(dc, formats[i], 0, 1, &attribute, &method) && method == WglSwapCopy) return formats[i];
    }
    return 0;
}

// The swap-copy format of dc (see above), or 0. The driver answers only through a current context: a hidden
// window of its own, with a context of the descriptor's plain choice, lends it one for the question.
int SwapCopyFormat(HDC dc) {
    const HWND helper =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, AppInstance, nullptr);
    if (helper == nullptr) return 0;
    int format = 0;
    if (const HDC helperDC = GetDC(helper)) {
        const int plain = ChoosePixelFormat(helperDC, &PixelFormat);
        if (plain != 0 && SetPixelFormat(helperDC, plain, &PixelFormat)) {
            if (const HGLRC context = wglCreateContext(helperDC)) {
                if (wglMakeCurrent(helperDC, context)) format = SwapCopyFormatOffered(dc);
                wglMakeCurrent(nullptr, nullptr);
                wglDeleteContext(context);
            }
        }
        ReleaseDC(helper, helperDC);
    }
    DestroyWindow(helper);
    return format;
}

// The format for the render window: the driver's swap-copy format where it offers one, else the plain choice
// of the descriptor. swapKeeps tells whether the format promises that a swap leaves the back buffer as it
// was: the swap-copy format does, and so does a plain choice that says PFD_SWAP_COPY (a promise that the
// context tries before it trusts it). 0 where nothing suits.
int ChooseRenderFormat(HDC dc, bool& swapKeeps) {
    if (const int format = SwapCopyFormat(dc)) {
        swapKeeps = true;
        return format;
    }
    const int format = ChoosePixelFormat(dc, &PixelFormat);
    PIXELFORMATDESCRIPTOR chosen{};
    swapKeeps = format != 0 && DescribePixelFormat(dc, format, sizeof chosen, &chosen) != 0 &&
                (chosen.dwFlags & PFD_SWAP_COPY) != 0;
    return format;
}

// Frames follow each other as fast as they can be drawn; swaps must not wait for the display.
void TurnSwapIntervalOff() {
    if (!SwapControlOffered(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)),
                            WglExtensions(RenderDC)))
        return;
    if (const auto swapInterval = WglFunction<BOOL(WINAPI*)(int)>("wglSwapIntervalEXT")) swapInterval(0);
}

// Creates and activates the context; on failure tears the window down, tells the user and returns false.
bool CreateGLContext() {
    const auto fail = [](const char* text) {
        DestroyRenderWindow();
        CreationError(text);
        return false;
    };
    if (PixelFormat.nSize == 0) FillPixelFormat();
    RenderDC = GetDC(RenderWindow);
    if (RenderDC == nullptr) return fail("Can't Create A GL Device Context.");
    const int format = ChooseRenderFormat(RenderDC, SwapKeepsBackBuffer);
    if (format == 0) return fail("Can't Find A Suitable PixelFormat.");
    if (!SetPixelFormat(RenderDC, format, &PixelFormat)) return fail("Can't Set The PixelFormat.");
    RenderContext = wglCreateContext(RenderDC);
    if (RenderContext == nullptr) return fail("Can't Create A GL Rendering Context.");
    if (!wglMakeCurrent(RenderDC, RenderContext)) return fail("Can't Activate The GL Rendering Context.");

    TurnSwapIntervalOff();
    // Where the swap keeps the back buffer, the trails are there without a copy; a format's promise of it is
    // tried before it is trusted.
    SwapKeepsBackBuffer = SwapKeepsBackBuffer && SwapKeepsBackBufferOn([] { SwapBuffers(RenderDC); });
    CopyFrontBuffer =
        !SwapKeepsBackBuffer &&
        VendorCopiesFrontBuffer(reinterpret_cast<const char*>(glGetString(GL_VENDOR)), FullScreen);

    DisplayRefreshRate = GetDeviceCaps(RenderDC, VREFRESH);
    if (CopyFrontBuffer) CopyFrontBuffer = FrontBufferReadsBack();
    return true;
}

// Everything a new context needs before its first frame: the renderer's frame memory kept, the pictures, the
// font, the lists that draw them (the scene's, then the overlay's), and the state that stays fixed for the
// context's life.
void InitGLState() {
    KeepRendererFrameMemory();
    LoadTextures();
    BuildFont(RenderDC);
    BuildDisplayLists();
    BuildOverlayLists();
    SetFixedGLState(CopyFrontBuffer);
}

// Asks Windows to report the display state (off, on, dimmed) to the render window, at once and at every
// change. Looked up at run time: where user32 has no such function, nothing is reported and the saver draws
// as it always did.
void RegisterForDisplayState() {
    using Register = HPOWERNOTIFY(WINAPI*)(HANDLE, LPCGUID, DWORD);
    const auto registerNotification = reinterpret_cast<Register>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "RegisterPowerSettingNotification")));
    if (registerNotification == nullptr) return;
    DisplayStateNotification =
        registerNotification(RenderWindow, &DisplayStateSetting(), DEVICE_NOTIFY_WINDOW_HANDLE);
}

void UnregisterForDisplayState() {
    if (DisplayStateNotification == nullptr) return;
    using Unregister = BOOL(WINAPI*)(HPOWERNOTIFY);
    const auto unregisterNotification = reinterpret_cast<Unregister>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "UnregisterPowerSettingNotification")));
    if (unregisterNotification != nullptr) unregisterNotification(DisplayStateNotification);
    DisplayStateNotification = nullptr;
}

}  // namespace

const GUID& DisplayStateSetting() {
    static const bool sessionStatus = IsWindows8OrGreater();
    return sessionStatus ? GUID_SESSION_DISPLAY_STATUS : GUID_CONSOLE_DISPLAY_STATE;
}

void SetRenderWindowProcedure(WNDPROC procedure) {
    WindowProcedure = procedure;
}

bool CreateRenderWindow(WindowMode mode, int width, int height, HWND parent) {
    FullScreen = mode == WindowMode::Full;
    Previewing = mode == WindowMode::Preview;
    if (FullScreen && !SwitchToFullScreen(width, height)) {
        ShowUserMessage(
            "The Fullscreen Mode Is Not Supported By Your Video Card.\nProgram Will Stay in Window Mode.",
            "ERROR", MessageIcon::Stop);
        FullScreen = false;
    }

    DWORD exStyle = WS_EX_APPWINDOW | WS_EX_TOPMOST;
    DWORD style = 0;
    if (Previewing) {
        // No WM_PARENTNOTIFY: another program's window must never hold up the preview's creation or end,
        // whatever its thread is doing.
        exStyle = WS_EX_NOPARENTNOTIFY;
        style = WS_CHILD | WS_VISIBLE;
        RECT area{};
        GetClientRect(parent, &area);
        width = area.right;
        height = area.bottom;
    } else if (FullScreen) {
        ShowCursor(FALSE);
        style = WS_POPUP | WS_MAXIMIZE;
    } else {
        exStyle |= WS_EX_WINDOWEDGE;
        style = WS_OVERLAPPEDWINDOW;
        width = WindowModeWidth;
        height = WindowModeHeight;
    }
    style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

    AppInstance = GetModuleHandleA(nullptr);
    if (!RegisterWindowClass()) return CreationFailed("Failed To Register The Window Class.");

    RECT outer = {0, 0, width, height};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    RenderWindow = CreateWindowExA(exStyle, WindowClassName, RenderWindowTitle, style, 0, 0,
                                   outer.right - outer.left, outer.bottom - outer.top,
                                   Previewing ? parent : nullptr, nullptr, AppInstance, nullptr);
    if (RenderWindow == nullptr) return CreationFailed("Window Creation Error.");

    if (!Previewing) {
        ShowWindow(RenderWindow, SW_SHOWNORMAL);
        UpdateWindow(RenderWindow);
        SetForegroundWindow(RenderWindow);
        SetFocus(RenderWindow);
    }
    if (FullScreen) LayMonitorCovers();
    RegisterForDisplayState();
    ArmAutoSwitchTimer();

    if (!CreateGLContext()) return false;
    InitGLState();
    ResizeScene(width, height);
    return true;
}

void FitPreviewToParent() {
    if (!Previewing || RenderWindow == nullptr) return;
    RECT area{}, own{};
    if (!GetClientRect(GetParent(RenderWindow), &area) || !GetClientRect(RenderWindow, &own)) return;
    if (area.right != own.right || area.bottom != own.bottom)
        SetWindowPos(RenderWindow, nullptr, 0, 0, area.right, area.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void DestroyRenderWindow() {
    glClear(GL_COLOR_BUFFER_BIT);
    // Before the display mode goes back: the display change it causes must not lay them again.
    RemoveMonitorCovers();
    UnregisterForDisplayState();
    if (FullScreen) {
        ChangeDisplaySettingsA(nullptr, 0);
        ShowCursor(TRUE);
    }
    if (RenderContext != nullptr) {
        if (!wglMakeCurrent(nullptr, nullptr)) ShutdownError("Release Of DC And RC Failed.");
        if (!wglDeleteContext(RenderContext)) ShutdownError("Release Rendering Context Failed.");
        RenderContext = nullptr;
    }
    const bool windowLives = RenderWindow != nullptr && IsWindow(RenderWindow);
    if (RenderDC != nullptr) {
        if (windowLives && !ReleaseDC(RenderWindow, RenderDC))
            ShutdownError("Release Device Context Failed.");
        RenderDC = nullptr;
    }
    if (RenderWindow != nullptr) {
        if (windowLives && !DestroyWindow(RenderWindow)) ShutdownError("Could Not Release hWnd.");
        RenderWindow = nullptr;
    }
    if (!UnregisterClassA(WindowClassName, AppInstance)) ShutdownError("Could Not Unregister Class.");
    AppInstance = nullptr;
}
