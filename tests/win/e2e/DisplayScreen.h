// Reading what the viewer really put on the screen: pixels of a window's client area, colours.
#pragma once
#include <windows.h>

#include <string>

#include "tests/support/Colours.h"
#include "tests/support/Pixels.h"

// A copy of the screen pixels that a window's client area covers, so it holds exactly what a user
// sees there (other windows on top included); pixels by client coordinates of the window.
class TScreenPixels : public TPixels {
public:
    explicit TScreenPixels(HWND window) : TPixels(OfScreen(window)) {}
    TRgb At(int x, int y) const { return RgbAt(x, y); }
};

// The shown icon control of a message box of another process; null when it has none.
HWND MessageBoxIconControl(HWND box);
// Whether any pixel of the area is clearly red (the stop icon is a red disc; the other
// standard icons are blue or yellow).
bool ShowsRed(const TScreenPixels& pixels);
