// Helpers of the secondary window tests.
#include "tests/win/windows/WindowsTestSupport.h"

#include <vector>

#include "tests/support/MessagePump.h"

std::string TextOfWindow(HWND window) {
    const int length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const int read = static_cast<int>(SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
    return std::string(buffer.data(), read > 0 ? read : 0);
}

void ClickButton(HWND button) {
    RECT client;
    GetClientRect(button, &client);
    const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageA(button, WM_LBUTTONUP, 0, middle);
    DrainMessages();
}
