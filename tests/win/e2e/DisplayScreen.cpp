// Reading the screen: the icon of a message box, red pixels.
#include "tests/win/e2e/DisplayScreen.h"

HWND MessageBoxIconControl(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
        if ((style & WS_VISIBLE) && (style & SS_TYPEMASK) == SS_ICON) return child;
    }
    return nullptr;
}

bool ShowsRed(const TScreenPixels& pixels) {
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            const TRgb c = pixels.At(x, y);
            if (c.r >= 160 && c.g <= 90 && c.b <= 90) return true;
        }
    return false;
}
