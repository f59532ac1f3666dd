// Reading what the viewer really put on the screen: pixels of a window's client area, colours.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/Colours.h"


// A copy of the screen pixels that a window's client area covers, taken with GetDC(nullptr) and
// BitBlt, so it holds exactly what a user sees there (other windows on top included).
class TScreenPixels {
public:
    explicit TScreenPixels(HWND window);
    bool Valid() const { return m_width > 0 && m_height > 0 && !m_pixels.empty(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // A pixel by client coordinates of the window.
    TRgb At(int x, int y) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;  // 0x00RRGGBB, rows top first
};

// The shown icon control of a message box of another process; null when it has none.
HWND MessageBoxIconControl(HWND box);
// Whether any pixel of the area is clearly red (the stop icon is a red disc; the other
// standard icons are blue or yellow).
bool ShowsRed(const TScreenPixels& pixels);
