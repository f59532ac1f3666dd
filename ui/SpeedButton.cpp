// TSpeedButton: own painting (3-D frame, centred transparent glyph) and mouse tracking.
#include "ui/SpeedButton.h"

#include "ui/TransparentDraw.h"

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
    DrawWithoutColour(dc, x, y, m_glyphWidth, m_glyphHeight, source.Get(), transparent);
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
