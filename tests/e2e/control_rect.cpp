// Where a control of the open Configuration dialog lies on the screen, for the end-to-end tests that click
// and type into it as a user does: control_rect <id> [<item>] prints "x y width height" of what a user
// clicks: the control's window; for a combo box with a field to type in, that field; with an item index,
// that item of the list that a simple combo box always shows. The dialog's own buttons and tabs are found in
// the dialog, every other id in the page it shows. Exits with 1 when no dialog, or no such control, is shown.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The page the dialog shows: its visible child dialog.
HWND ShownPage(HWND dialog) {
    HWND child = nullptr;
    while ((child = FindWindowExA(dialog, child, "#32770", nullptr)) != nullptr)
        if (IsWindowVisible(child)) return child;
    return nullptr;
}

// The item's rectangle in a simple combo box's list, from the list's top, the first item it shows and the
// items' height.
bool ItemRect(HWND combo, int item, RECT& rect) {
    HWND list = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
    const auto height = static_cast<LONG>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
    const auto top = static_cast<int>(SendMessageA(combo, CB_GETTOPINDEX, 0, 0));
    if (list == nullptr || height <= 0 || item < top) return false;
    GetWindowRect(list, &rect);
    rect.top += 1 + (item - top) * height;  // inside the list's border
    rect.bottom = rect.top + height;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        fprintf(stderr, "usage: control_rect <control id> [<item>]\n");
        return 2;
    }
    const int id = atoi(argv[1]);
    HWND dialog = FindWindowA(nullptr, "Configuration");
    if (dialog == nullptr) return 1;
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) {
        HWND page = ShownPage(dialog);
        if (page != nullptr) control = GetDlgItem(page, id);
    }
    if (control == nullptr || !IsWindowVisible(control)) return 1;
    RECT rect{};
    HWND field = FindWindowExA(control, nullptr, "Edit", nullptr);
    if (argc == 3) {
        if (!ItemRect(control, atoi(argv[2]), rect)) return 1;
    } else {
        GetWindowRect(field != nullptr ? field : control, &rect);
    }
    printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
}
