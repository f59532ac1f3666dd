// Screen pixels of a window's client area, read back through the screen's device context.
#include "tests/win/e2e/DisplayScreen.h"

#include <cstdlib>

namespace {
// Owned GDI handles of one capture, released in reverse order.
struct TCaptureDCs {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    ~TCaptureDCs() {
        if (old) SelectObject(memory, old);
        if (bitmap) DeleteObject(bitmap);
        if (memory) DeleteDC(memory);
        if (screen) ReleaseDC(nullptr, screen);
    }
};
}  // namespace

TScreenPixels::TScreenPixels(HWND window) {
    RECT client{};
    if (!window || !GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) return;
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    TCaptureDCs dcs;
    if (!dcs.screen || !dcs.memory) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dcs.bitmap = CreateDIBSection(dcs.screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dcs.bitmap || !bits) return;
    dcs.old = SelectObject(dcs.memory, dcs.bitmap);
    if (!BitBlt(dcs.memory, 0, 0, client.right, client.bottom, dcs.screen, origin.x, origin.y, SRCCOPY)) return;
    GdiFlush();
    m_width = client.right;
    m_height = client.bottom;
    const auto* source = static_cast<const std::uint32_t*>(bits);
    m_pixels.assign(source, source + static_cast<std::size_t>(m_width) * m_height);
}

TRgb TScreenPixels::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return {-1000, -1000, -1000};
    const std::uint32_t p = m_pixels[static_cast<std::size_t>(y) * m_width + x];
    return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
}

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
