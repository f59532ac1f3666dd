// Window pixels read back through BitBlt from the window's own device context.
#include "tests/win/controls/PanelShot.h"

#include <algorithm>

#include "ui/BitmapLayout.h"
#include "ui/GdiObjects.h"

TPanelShot::TPanelShot(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    m_width = client.right;
    m_height = client.bottom;
    const BITMAPINFO info = TopDownBgrInfo(m_width, m_height, 4);
    void* bits = nullptr;
    TClientDC source(window);
    TBitmapHandle bitmap(CreateDIBSection(source.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    TMemDC memory(source.Get());
    {
        TSelectGuard select(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, m_width, m_height, source.Get(), 0, 0, SRCCOPY);
        GdiFlush();
    }
    const auto* p = static_cast<const std::uint32_t*>(bits);
    if (p) m_pixels.assign(p, p + static_cast<std::size_t>(m_width) * m_height);
}

COLORREF TPanelShot::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height || m_pixels.empty()) return CLR_INVALID;
    const std::uint32_t p = m_pixels[static_cast<std::size_t>(y) * m_width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

RECT TPanelShot::Extent(COLORREF colour, const RECT& area) const {
    RECT found{m_width, m_height, -1, -1};
    for (int y = std::max(0L, area.top); y < std::min<long>(m_height, area.bottom); ++y)
        for (int x = std::max(0L, area.left); x < std::min<long>(m_width, area.right); ++x)
            if (At(x, y) == colour) {
                found.left = std::min<long>(found.left, x);
                found.top = std::min<long>(found.top, y);
                found.right = std::max<long>(found.right, x + 1);
                found.bottom = std::max<long>(found.bottom, y + 1);
            }
    if (found.right < 0) return RECT{0, 0, 0, 0};
    return found;
}

bool TPanelShot::Shows(COLORREF colour, const RECT& area) const {
    const RECT e = Extent(colour, area);
    return e.right > e.left;
}
