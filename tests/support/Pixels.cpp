// Pixels read back through a 32-bit top-down section and BitBlt (or a drawing into it).
#include "tests/support/Pixels.h"

namespace {
// The GDI objects of one capture, released in reverse order.
struct TCaptureObjects {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    ~TCaptureObjects() {
        if (old) SelectObject(memory, old);
        if (bitmap) DeleteObject(bitmap);
        if (memory) DeleteDC(memory);
        if (screen) ReleaseDC(nullptr, screen);
    }
};

RECT ClientOf(HWND window) {
    RECT client{};
    if (window) GetClientRect(window, &client);
    return client;
}
}  // namespace

TPixels TPixels::Capture(HDC source, POINT from, int width, int height, const std::function<void(HDC)>& draw) {
    TPixels pixels;
    if (width <= 0 || height <= 0) return pixels;
    TCaptureObjects objects;
    if (!objects.screen || !objects.memory) return pixels;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    objects.bitmap = CreateDIBSection(objects.screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!objects.bitmap || !bits) return pixels;
    objects.old = SelectObject(objects.memory, objects.bitmap);
    if (source) {
        if (!BitBlt(objects.memory, 0, 0, width, height, source, from.x, from.y, SRCCOPY)) return pixels;
    } else {
        draw(objects.memory);
    }
    GdiFlush();
    pixels.m_width = width;
    pixels.m_height = height;
    const auto* first = static_cast<const std::uint32_t*>(bits);
    pixels.m_pixels.assign(first, first + static_cast<std::size_t>(width) * height);
    for (std::uint32_t& p : pixels.m_pixels) p &= 0xFFFFFF;
    return pixels;
}

TPixels TPixels::OfScreen(HWND window) {
    const RECT client = ClientOf(window);
    POINT origin{0, 0};
    if (window) ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    TPixels pixels = Capture(screen, origin, client.right, client.bottom, nullptr);
    ReleaseDC(nullptr, screen);
    return pixels;
}

TPixels TPixels::OfWindow(HWND window) {
    const RECT client = ClientOf(window);
    HDC own = GetDC(window);
    TPixels pixels = Capture(own, POINT{0, 0}, client.right, client.bottom, nullptr);
    ReleaseDC(window, own);
    return pixels;
}

TPixels TPixels::OfDrawing(int width, int height, const std::function<void(HDC)>& draw) {
    return Capture(nullptr, POINT{0, 0}, width, height, draw);
}

COLORREF TPixels::ColorAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height || m_pixels.empty()) return CLR_INVALID;
    const std::uint32_t p = m_pixels[static_cast<std::size_t>(y) * m_width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

TRgb TPixels::RgbAt(int x, int y) const {
    const COLORREF c = ColorAt(x, y);
    if (c == CLR_INVALID) return {-1000, -1000, -1000};
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}
