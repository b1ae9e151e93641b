#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/user_message.h"
#include "support/render_window_fixture.h"
#include "window/render_window.h"

namespace {

// Messages to the user stand above the full-screen window, in the foreground, with their texts, captions
// and icons.
// The text of a message box: its one static control with text (the icon's has none).
std::string BoxText(HWND box) {
    std::string text;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM found) {
            char name[16] = {}, shown[256] = {};
            GetClassNameA(child, name, sizeof name);
            GetWindowTextA(child, shown, sizeof shown);
            if (lstrcmpiA(name, "Static") == 0 && shown[0] != '\0')
                *reinterpret_cast<std::string*>(found) = shown;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

VOID CALLBACK InspectAndCloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND box = FindWindowA(nullptr, "ERROR");
    if (box == nullptr) return;
    const bool topmost = (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    Messages.push_back(BoxText(box) + (topmost ? " topmost" : "") +
                       (GetForegroundWindow() == box ? " foreground" : ""));
    SendMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST_F(RenderWindowTest, MessagesStandAboveTheFullScreenWindow) {
    ASSERT_TRUE(CreateRenderWindow(WindowMode::Full));
    SetUserMessageObserver(nullptr);
    SetTimer(nullptr, 0, 200, InspectAndCloseBox);
    ShowUserMessage("Failed To Build Font.", "ERROR", MessageIcon::Warning);
    SetUserMessageObserver(Collect);
    EXPECT_EQ(Messages, std::vector<std::string>{"Failed To Build Font. topmost foreground"});
}

}  // namespace
