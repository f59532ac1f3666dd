// Painting of self-drawn controls.
#include "ui/CustomControl.h"

#include "sys/GdiObjects.h"

LRESULT TCustomControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            TPaintDC paint(Handle());
            PaintTo(paint.Get());
            return 0;
        }
        case WM_PRINTCLIENT:
            PaintTo(reinterpret_cast<HDC>(wParam));
            return 0;
        default:
            return TWinControl::WndProc(message, wParam, lParam);
    }
}
