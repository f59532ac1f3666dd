// TSpeedButton: own painting (3-D frame, centred transparent glyph) and mouse tracking.
#include "ui/SpeedButton.h"

#include <windowsx.h>

TSpeedButton::TSpeedButton(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 23, 22); }

void TSpeedButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.ClassName = "TSpeedButton";
}

void TSpeedButton::SetGlyph(TBitmapHandle glyph) {
    m_glyph = std::move(glyph);
    const SIZE size = BitmapSize(m_glyph.Get());
    m_glyphWidth = size.cx;
    m_glyphHeight = size.cy;
    Invalidate();
}

void TSpeedButton::SetPressed(bool value) {
    if (value == m_pressed) return;
    m_pressed = value;
    Repaint();
}

void TSpeedButton::PaintTo(HDC dc) const {
    RECT face{0, 0, Width(), Height()};
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (m_pressed ? DFCS_PUSHED : 0));
    if (!m_glyph) return;
    const int shift = m_pressed ? 1 : 0;
    const int x = (Width() - m_glyphWidth) / 2 + shift;
    const int y = (Height() - m_glyphHeight) / 2 + shift;
    if (!Enabled()) {
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(m_glyph.Get()), 0, x, y, m_glyphWidth, m_glyphHeight,
                   DST_BITMAP | DSS_DISABLED);
        return;
    }
    TMemDC source(dc);
    TSelectGuard select(source.Get(), m_glyph.Get());
    const COLORREF transparent = GetPixel(source.Get(), 0, m_glyphHeight - 1);
    DrawWithoutColour(dc, x, y, source.Get(), transparent);
}

// Copies the glyph with every pixel of the transparent colour left out, through a one-bit mask
// (white where the glyph is transparent): the face stays where the mask is white, the glyph
// comes where it is black. Plain GDI, so the program needs no extra library at start-up for it.
void TSpeedButton::DrawWithoutColour(HDC dc, int x, int y, HDC source, COLORREF transparent) const {
    const int w = m_glyphWidth, h = m_glyphHeight;
    TMemDC mask(dc);
    TBitmapHandle maskBitmap(CreateBitmap(w, h, 1, 1, nullptr));
    TSelectGuard selectMask(mask.Get(), maskBitmap.Get());
    const COLORREF sourceBack = SetBkColor(source, transparent);
    BitBlt(mask.Get(), 0, 0, w, h, source, 0, 0, SRCCOPY);
    SetBkColor(source, sourceBack);
    // A one-bit source turns into the target's text colour (0 bits) and background colour (1 bits).
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, x, y, w, h, source, 0, 0, SRCINVERT);
    BitBlt(dc, x, y, w, h, mask.Get(), 0, 0, SRCAND);
    BitBlt(dc, x, y, w, h, source, 0, 0, SRCINVERT);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
}

LRESULT TSpeedButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // No SetFocus: the focus stays where it was.
            m_tracking = true;
            SetCapture(Handle());
            SetPressed(true);
            return 0;
        case WM_MOUSEMOVE:
            if (m_tracking) {
                const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                RECT client;
                GetClientRect(Handle(), &client);
                SetPressed(PtInRect(&client, point) != FALSE);
            }
            return 0;
        case WM_LBUTTONUP:
            if (m_tracking) {
                const bool inside = m_pressed;
                m_tracking = false;
                ReleaseCapture();
                SetPressed(false);
                if (inside) Click();
            }
            return 0;
        case WM_CAPTURECHANGED:
            m_tracking = false;
            SetPressed(false);
            return 0;
        case BM_CLICK:
            if (Enabled()) Click();
            return 0;
        default:
            return TCustomControl::WndProc(message, wParam, lParam);
    }
}
