#include "window/monitor_covers.h"

#include "window/render_window.h"

namespace {

constexpr const char* CoverClassName = "PlumoraCover";
constexpr UINT_PTR LayoutCheckTimer = 2;  // of the render window; timer 1 is the auto-switch's
constexpr UINT LayoutCheckInterval = 1000;

std::vector<HWND> Covers;
std::vector<RECT> CoveredMonitors;  // what the covers were laid for
bool CoversLaid = false;  // from LayMonitorCovers to RemoveMonitorCovers, whether or not a monitor needed one
std::vector<RECT> (*MonitorSource)() = nullptr;

std::vector<RECT> Monitors() {
    return MonitorSource != nullptr ? MonitorSource() : MonitorsToCover();
}

bool SameRects(const std::vector<RECT>& a, const std::vector<RECT>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!EqualRect(&a[i], &b[i])) return false;
    return true;
}

// WORKAROUND: Wine 8 sends no WM_DISPLAYCHANGE when the X server's monitors change (xrandr, a monitor
// plugged in); a check of the layout every second lays the covers again all the same.
VOID CALLBACK CheckLayout(HWND, UINT, UINT_PTR, DWORD) {
    if (CoversLaid && !SameRects(Monitors(), CoveredMonitors)) RelayMonitorCovers();
}

// WORKAROUND: after such a change Wine 8 at times leaves the render window's X window where the old layout
// had it (after the Configuration dialog was open, the primary's picture stays on the other monitor), while
// its Windows position is right; a move by one pixel and back places it again.
void PlaceRenderWindowAgain() {
    RECT placed{};
    if (RenderWindow == nullptr || !GetWindowRect(RenderWindow, &placed)) return;
    const UINT flags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(RenderWindow, nullptr, placed.left + 1, placed.top, 0, 0, flags);
    SetWindowPos(RenderWindow, nullptr, placed.left, placed.top, 0, 0, flags);
}

BOOL CALLBACK AddMonitorToCover(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return TRUE;
    if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0) return TRUE;
    // The primary's own rectangle: in full screen the render window fills it from the origin.
    const RECT primary = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT overlap{};
    if (IntersectRect(&overlap, &primary, &info.rcMonitor)) return TRUE;
    reinterpret_cast<std::vector<RECT>*>(found)->push_back(info.rcMonitor);
    return TRUE;
}

// A cover does what the render window does with what reaches it, except that it never becomes active: its
// keys go to the render window's procedure, a click leaves the focus where it is, the cursor stays hidden
// over it, and the idle time's request for a screen saver is refused.
LRESULT CALLBACK CoverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (RenderWindow != nullptr) SendMessageA(RenderWindow, message, wParam, lParam);
            return 0;
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_SETCURSOR: SetCursor(nullptr); return TRUE;
        case WM_SYSCOMMAND:
            if (AsksForScreenSaver(wParam)) return 0;
            [[fallthrough]];
        default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool RegisterCoverClass(HINSTANCE instance) {
    WNDCLASSA coverClass{};
    coverClass.lpfnWndProc = CoverProc;
    coverClass.hInstance = instance;
    coverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    coverClass.lpszClassName = CoverClassName;
    return RegisterClassA(&coverClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

std::vector<RECT> MonitorsToCover() {
    std::vector<RECT> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitorToCover, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

// A cover that cannot be had leaves its monitor as it was; the scene on the primary goes on, so the saver
// says nothing about it.
void LayMonitorCovers() {
    RemoveMonitorCovers();
    CoversLaid = true;
    if (RenderWindow != nullptr) SetTimer(RenderWindow, LayoutCheckTimer, LayoutCheckInterval, CheckLayout);
    CoveredMonitors = Monitors();
    if (CoveredMonitors.empty()) return;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterCoverClass(instance)) return;
    for (const RECT& monitor : CoveredMonitors) {
        const HWND cover =
            CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, CoverClassName, "", WS_POPUP,
                            monitor.left, monitor.top, monitor.right - monitor.left,
                            monitor.bottom - monitor.top, nullptr, nullptr, instance, nullptr);
        if (cover == nullptr) continue;
        ShowWindow(cover, SW_SHOWNOACTIVATE);
        UpdateWindow(cover);
        Covers.push_back(cover);
    }
}

void RemoveMonitorCovers() {
    CoversLaid = false;
    if (RenderWindow != nullptr) KillTimer(RenderWindow, LayoutCheckTimer);
    CoveredMonitors.clear();
    for (const HWND cover : Covers)
        DestroyWindow(cover);
    Covers.clear();
    UnregisterClassA(CoverClassName, GetModuleHandleA(nullptr));
}

void RelayMonitorCovers() {
    if (!CoversLaid) return;
    PlaceRenderWindowAgain();
    LayMonitorCovers();
}

const std::vector<HWND>& MonitorCovers() {
    return Covers;
}

void SetMonitorSource(std::vector<RECT> (*source)()) {
    MonitorSource = source;
}
