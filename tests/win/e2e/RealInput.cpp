// SendInput with absolute coordinates over the whole screen.
#include "tests/win/e2e/RealInput.h"

namespace {
INPUT MouseInput(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
}
}  // namespace

void ClickAt(POINT screen, int clicks) {
    INPUT move = MouseInput(screen, 0);
    SendInput(1, &move, sizeof move);
    Sleep(50);
    for (int i = 0; i < clicks; ++i) {
        INPUT press[2] = {MouseInput(screen, MOUSEEVENTF_LEFTDOWN), MouseInput(screen, MOUSEEVENTF_LEFTUP)};
        SendInput(2, press, sizeof(INPUT));
        Sleep(30);
    }
}

POINT CentreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
