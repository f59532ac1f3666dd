// TStaticText: a window of this layer that draws its caption with DrawTextA and sizes itself.
#include "ui/StaticText.h"

#include "sys/GdiObjects.h"

namespace {
const UINT kTextFormat = DT_LEFT | DT_EXPANDTABS;  // line breaks kept, '&' handled as access key
const int kMargin = 2;                              // on each side, as the label's design size has it
}  // namespace

TStaticText::TStaticText(TComponent* owner) : TCustomControl(owner) { AdjustBounds(); }

void TStaticText::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.ClassName = "TStaticText";
}

void TStaticText::SetAutoSize(bool value) {
    if (value == m_autoSize) return;
    m_autoSize = value;
    AdjustBounds();
}

SIZE TStaticText::TextExtent() const {
    TClientDC screen(nullptr);
    TSelectGuard font(screen.Get(), Font().Handle());
    RECT rect{0, 0, 0, 0};
    DrawTextA(screen.Get(), Caption().c_str(), static_cast<int>(Caption().size()), &rect, kTextFormat | DT_CALCRECT);
    return SIZE{rect.right - rect.left + 2 * kMargin, rect.bottom - rect.top + 2 * kMargin};
}

void TStaticText::AdjustBounds() {
    if (!m_autoSize) return;
    const SIZE size = TextExtent();
    SetBounds(Left(), Top(), size.cx, size.cy);
}

void TStaticText::Changed(TChange change) {
    TWinControl::Changed(change);
    if (change == TChange::Caption || change == TChange::Font) {
        AdjustBounds();
        Invalidate();
    }
}

void TStaticText::PaintTo(HDC dc) const {
    RECT client{0, 0, Width(), Height()};
    FillRect(dc, &client, BackgroundBrush());
    // The DC belongs to the caller: font, background mode and text colour are put back.
    TSavedDCState saved(dc);
    SelectObject(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : clBtnShadow));
    DrawTextA(dc, Caption().c_str(), static_cast<int>(Caption().size()), &client, kTextFormat);
}

