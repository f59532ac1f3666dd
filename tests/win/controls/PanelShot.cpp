// Where a colour shows in a window's pixels.
#include "tests/win/controls/PanelShot.h"

#include <algorithm>

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
