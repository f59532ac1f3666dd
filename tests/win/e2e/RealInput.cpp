// xdotool started from inside the Wine prefix (Wine runs a Unix program given by its Z: path).
#include "tests/win/e2e/RealInput.h"

#include <string>

#include "tests/support/WindowLayout.h"

bool RealClick(HWND window) {
    const TBounds bounds = ScreenBounds(window);
    // With Wine's unmanaged windows, screen coordinates are the X root window's.
    const int x = bounds.left + bounds.width / 2, y = bounds.top + bounds.height / 2;
    std::string commandLine = "Z:\\usr\\bin\\xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    // A Unix program comes back without process handles.
    if (info.hThread) CloseHandle(info.hThread);
    if (info.hProcess) CloseHandle(info.hProcess);
    return true;
}
