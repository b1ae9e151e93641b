// A stand-in for Windows' Screen Saver Settings: a window with a little monitor whose screen, a child window
// of 152 × 112, it hands to "<saver> /p <child>". preview_host <saver> prints "child <handle> <x> <y>" (its
// place on the screen), then takes commands on standard input: "size <width> <height>" resizes the screen;
// "destroy" (or the end of input) destroys the window and prints "ended <ms> <exit code>", the saver's
// time to end after DestroyWindow returned, or "ended never" after 5 s.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

HWND Host = nullptr, Screen = nullptr;

// The screen at (80, 40) with a bezel and a stand; the window leaves a margin of 80 around them.
void PlaceScreen(int width, int height) {
    RECT outer = {0, 0, width + 160, height + 120};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
    SetWindowPos(Host, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(Screen, nullptr, 80, 40, width, height, SWP_NOZORDER);
    InvalidateRect(Host, nullptr, TRUE);
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) PlaceScreen(static_cast<int>(wParam), static_cast<int>(lParam));
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT screen;
    GetClientRect(Screen, &screen);
    const LONG middle = 80 + screen.right / 2, bottom = 40 + screen.bottom + 14;
    const RECT parts[] = {{70, 30, 90 + screen.right, bottom},
                          {middle - 12, bottom, middle + 12, bottom + 10},
                          {middle - 40, bottom + 10, middle + 40, bottom + 16}};
    const HBRUSH bezel = CreateSolidBrush(RGB(60, 60, 66));
    for (const RECT& part : parts)
        FillRect(dc, &part, bezel);
    DeleteObject(bezel);
    EndPaint(window, &paint);
    return 0;
}

DWORD WINAPI ReadCommands(void*) {
    char line[128];
    int width = 0, height = 0;
    while (fgets(line, sizeof line, stdin) != nullptr && strncmp(line, "destroy", 7) != 0)
        if (sscanf(line, "size %d %d", &width, &height) == 2) PostMessageA(Host, WM_APP, width, height);
    PostMessageA(Host, WM_APP + 1, 0, 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = "PreviewHost";
    RegisterClassA(&windowClass);
    Host = CreateWindowExA(0, "PreviewHost", "Screen Saver Settings", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           60, 60, 100, 100, nullptr, nullptr, nullptr, nullptr);
    Screen = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | SS_BLACKRECT, 0, 0, 1,
                             1, Host, nullptr, nullptr, nullptr);
    PlaceScreen(152, 112);
    ShowWindow(Host, SW_SHOWNORMAL);
    UpdateWindow(Host);

    const auto handle = static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(Screen));
    std::string command = "\"" + std::string(argv[1]) + "\" /p " + std::to_string(handle);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION saver{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &saver))
        return 1;
    POINT origin = {0, 0};
    ClientToScreen(Screen, &origin);
    printf("child %llu %ld %ld\n", handle, origin.x, origin.y);
    fflush(stdout);
    CreateThread(nullptr, 0, ReadCommands, nullptr, 0, nullptr);

    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0 && message.message != WM_APP + 1)
        DispatchMessageA(&message);
    DestroyWindow(Host);
    const ULONGLONG destroyed = GetTickCount64();
    DWORD code = 0;
    if (WaitForSingleObject(saver.hProcess, 5000) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(saver.hProcess, &code))
        printf("ended %llu %lu\n", GetTickCount64() - destroyed, code);
    else
        printf("ended never\n");
    return 0;
}
