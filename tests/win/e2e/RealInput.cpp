// SendInput with absolute coordinates over the whole screen, and xdotool started from inside the
// Wine prefix (Wine runs a Unix program given by its Z: path).
#include "tests/win/e2e/RealInput.h"

#include <string>

#include "tests/win/e2e/Deadline.h"
#include "tests/win/e2e/UnixCommand.h"

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

bool RealClick(HWND window) { return RealClickAt(CentreOf(window)); }

bool RealClickAt(POINT screen) {
    return RunUnixCommand("xdotool mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) +
                          " click 1");
}

bool RealMoveTo(POINT screen) {
    return RunUnixCommand("xdotool mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y));
}

bool RealKey(const std::string& keys) { return RunUnixCommand("xdotool key " + keys); }

bool RealType(const std::string& text) {
    if (text.find('\'') != std::string::npos) return false;
    // Wine hands the command line on to the host in its own character set, so Cyrillic arrives
    // as the host's UTF-8 and xdotool types the right letters.
    return RunUnixCommand("xdotool type --delay 20 -- '" + text + "'");
}

bool RealTypeUntil(const std::string& text, const std::function<bool()>& arrived, int timeoutMs) {
    if (!RealType(text)) return false;
    if (WaitUntil(arrived, timeoutMs / 2)) return true;
    return RealType(text) && WaitUntil(arrived, timeoutMs / 2);
}
