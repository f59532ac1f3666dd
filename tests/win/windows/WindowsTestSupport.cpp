// Helpers of the secondary window tests.
#include "tests/win/windows/WindowsTestSupport.h"

#include <vector>

#include "tests/support/MessagePump.h"


void ClickButton(HWND button) {
    RECT client;
    GetClientRect(button, &client);
    const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageA(button, WM_LBUTTONUP, 0, middle);
    DrainMessages();
}
