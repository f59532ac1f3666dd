// Real clicks on the viewer's controls, and waits for their effects.
#include "tests/win/e2e/ViewerDriving.h"

#include "tests/win/e2e/Deadline.h"
#include "tests/win/e2e/RealInput.h"
#include "tests/win/e2e/UnixCommand.h"
#include "tests/win/e2e/WindowProbe.h"

namespace {
LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) return -1;
    return static_cast<LRESULT>(result);
}
}  // namespace

bool ClickListEntry(HWND list, int index) {
    const LRESULT top = Ask(list, LB_GETTOPINDEX, 0, 0);
    const LRESULT height = Ask(list, LB_GETITEMHEIGHT, 0, 0);
    if (top < 0 || height <= 0 || index < top) return false;
    POINT point{20, static_cast<int>((index - top) * height + height / 2)};
    RECT client{};
    GetClientRect(list, &client);
    if (point.y >= client.bottom) return false;
    ClientToScreen(list, &point);
    return RealClickAt(point);
}

bool ClickControl(HWND control) { return control && RealClickAt(CentreOf(control)); }

bool WaitForSelection(HWND list, int index, int timeoutMs) {
    return WaitUntil([&] { return ListBoxSelection(list) == index; }, timeoutMs);
}

HWND WaitForVisibleWindow(DWORD processId, const std::string& className, int timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = nullptr;
            for (HWND window : TopLevelWindowsOf(processId))
                if (ClassNameOf(window) == className && IsWindowVisible(window)) found = window;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

POINT CloseBoxPoint(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    // The close box is the right-most button of the caption, within the top 40 pixels.
    for (int y = bounds.top + 2; y < bounds.top + 40; y += 2)
        for (int x = bounds.right - 2; x > bounds.right - 60; x -= 2)
            if (Ask(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                // The middle of the box: step on while the points still answer HTCLOSE.
                int left = x, bottom = y;
                while (Ask(window, WM_NCHITTEST, 0, MAKELPARAM(left - 1, y)) == HTCLOSE) --left;
                while (Ask(window, WM_NCHITTEST, 0, MAKELPARAM(x, bottom + 1)) == HTCLOSE) ++bottom;
                return POINT{(left + x) / 2, (y + bottom) / 2};
            }
    return POINT{-1, -1};
}

bool DragByCaption(HWND window, int dx, int dy) {
    RECT before{};
    GetWindowRect(window, &before);
    POINT grip{-1, -1};
    for (int y = before.top + 2; y < before.top + 40 && grip.x < 0; y += 2)
        if (Ask(window, WM_NCHITTEST, 0, MAKELPARAM(before.left + 80, y)) == HTCAPTION) grip = POINT{before.left + 80, y};
    if (grip.x < 0) return false;
    const auto at = [](int x, int y) { return " mousemove " + std::to_string(x) + " " + std::to_string(y) + " sleep 0.1"; };
    RunUnixCommand("xdotool" + at(grip.x, grip.y) + " mousedown 1 sleep 0.1" + at(grip.x + dx / 2, grip.y + dy / 2) +
                   at(grip.x + dx, grip.y + dy) + " mouseup 1");
    return WaitUntil(
        [&] {
            RECT now{};
            GetWindowRect(window, &now);
            return now.left == before.left + dx && now.top == before.top + dy;
        },
        3000);
}
