// What a window shows, read back from its device context, and where the text colour is in it.
#pragma once
#include <windows.h>

#include "tests/support/Pixels.h"

class TPanelShot {
public:
    // Reads the client area of window as its own device context holds it now.
    explicit TPanelShot(HWND window) : m_pixels(TPixels::OfWindow(window)), m_width(m_pixels.Width()), m_height(m_pixels.Height()) {}
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF At(int x, int y) const { return m_pixels.ColorAt(x, y); }
    // Bounds of the pixels of exactly this colour inside area; empty (0,0,0,0) when there is none.
    RECT Extent(COLORREF colour, const RECT& area) const;
    RECT Extent(COLORREF colour) const { return Extent(colour, RECT{0, 0, m_width, m_height}); }
    bool Shows(COLORREF colour, const RECT& area) const;
    bool operator==(const TPanelShot& other) const { return m_pixels == other.m_pixels; }

private:
    TPixels m_pixels;
    int m_width, m_height;
};
