// Pixels as tests read them back: from the screen, from a window's own device context, or from
// a drawing into a fresh bitmap; rows top first.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "tests/support/Colours.h"

class TPixels {
public:
    // The client area of window as the screen shows it now, other windows on top included.
    static TPixels OfScreen(HWND window);
    // The client area of window as the window's own device context holds it.
    static TPixels OfWindow(HWND window);
    // What draw paints into a fresh bitmap of this size.
    static TPixels OfDrawing(int width, int height, const std::function<void(HDC)>& draw);

    bool Valid() const { return m_width > 0 && m_height > 0 && !m_pixels.empty(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // A pixel as a colour reference; CLR_INVALID outside the area.
    COLORREF ColorAt(int x, int y) const;
    // A pixel by its components; -1000 each outside the area.
    TRgb RgbAt(int x, int y) const;
    bool operator==(const TPixels& other) const {
        return m_width == other.m_width && m_height == other.m_height && m_pixels == other.m_pixels;
    }

private:
    // Copies width x height from source at (x, y), or what draw paints when source is null.
    static TPixels Capture(HDC source, POINT from, int width, int height, const std::function<void(HDC)>& draw);

    int m_width = 0, m_height = 0;
    std::vector<std::uint32_t> m_pixels;  // 0x00RRGGBB
};
