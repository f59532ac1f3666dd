// Drawing a bitmap with one colour left out, through a mask, in plain GDI.
#include "ui/TransparentDraw.h"

#include "sys/GdiObjects.h"

// Copies the picture with every pixel of the transparent colour left out, through a one-bit mask
// (white where the glyph is transparent): the face stays where the mask is white, the picture
// comes where it is black. Plain GDI, so the program needs no extra library at start-up for it.
void DrawWithoutColour(HDC dc, int x, int y, int w, int h, HDC source, COLORREF transparent) {
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
