#include "platform/user_message.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdio>
#endif

namespace {

UserMessageObserver Observer = nullptr;

#ifdef _WIN32
UINT IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Warning: return MB_ICONWARNING;
        case MessageIcon::Stop: return MB_ICONSTOP;
        case MessageIcon::Exclamation: return MB_ICONEXCLAMATION;
        case MessageIcon::Information: return MB_ICONINFORMATION;
    }
    return 0;
}

// WORKAROUND: Wine ignores MB_TOPMOST and shows the box at the top of the ordinary windows only, behind the
// full-screen render window. So the box is also raised when it is first activated; the hook watches this
// thread only, for as long as the box is shown.
bool BoxRaised = false;

LRESULT CALLBACK RaiseFirstActivated(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && !BoxRaised) {
        BoxRaised = true;
        SetWindowPos(reinterpret_cast<HWND>(wParam), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ShowTopmostBox(const char* text, const char* caption, UINT icon) {
    const bool outerRaised = BoxRaised;  // a box shown while another is open raises itself, not the other
    BoxRaised = false;
    const HHOOK hook = SetWindowsHookExA(WH_CBT, RaiseFirstActivated, nullptr, GetCurrentThreadId());
    MessageBoxA(nullptr, text, caption, MB_OK | icon | MB_TOPMOST | MB_SETFOREGROUND);
    if (hook != nullptr) UnhookWindowsHookEx(hook);
    BoxRaised = outerRaised;
}
#endif

}  // namespace

void ShowUserMessage(const char* text, const char* caption, MessageIcon icon) {
    if (Observer != nullptr) {
        Observer(text, caption, icon);
        return;
    }
#ifdef _WIN32
    // No owner, but above everything: the full-screen render window is topmost, and a box behind it would
    // leave the saver looking hung.
    ShowTopmostBox(text, caption, IconStyle(icon));
#else
    (void)icon;
    fprintf(stderr, "%s: %s\n", caption, text);
#endif
}

void SetUserMessageObserver(UserMessageObserver observer) {
    Observer = observer;
}
