// TEditButton: the field's button, drawn raised with its left edge blended into the field.
#include "controls/EditButton.h"

TEditButton::TEditButton(TComponent* owner) : TGlyphSpeedButton(owner) {}

void TEditButton::CreateParams(TCreateParams& params) {
    TGlyphSpeedButton::CreateParams(params);
    params.ClassName = "TEditButton";
}

void TEditButton::PaintTo(HDC dc) const {
    TGlyphSpeedButton::PaintTo(dc);
    if (Pressed() || Flat()) return;
    // Column 0 in the face colour (rows 0 to height - 2), column 1 in the highlight colour
    // (rows 1 to height - 3): the button then reads as part of the field.
    const RECT face{0, 0, 1, Height() - 1};
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    const RECT highlight{1, 1, 2, Height() - 2};
    FillRect(dc, &highlight, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
}

LRESULT TEditButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CONTEXTMENU:
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (OnMouseDown) OnMouseDown(this);
            break;
        default:
            break;
    }
    return TGlyphSpeedButton::WndProc(message, wParam, lParam);
}
