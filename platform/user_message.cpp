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
#endif

}  // namespace

void ShowUserMessage(const char* text, const char* caption, MessageIcon icon) {
    if (Observer != nullptr) {
        Observer(text, caption, icon);
        return;
    }
#ifdef _WIN32
    MessageBoxA(nullptr, text, caption, MB_OK | IconStyle(icon));
#else
    (void)icon;
    fprintf(stderr, "%s: %s\n", caption, text);
#endif
}

void SetUserMessageObserver(UserMessageObserver observer) {
    Observer = observer;
}
