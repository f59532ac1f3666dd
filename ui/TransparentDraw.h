// Drawing a bitmap with one colour left out (glyphs with a transparent colour).
#pragma once
#include <windows.h>

// Copies w x h pixels of the bitmap selected into source to (x, y) of dc, leaving out every pixel
// of the transparent colour. Plain GDI, so the program needs no extra library at start-up for it.
// The colours of both DCs are put back.
void DrawWithoutColour(HDC dc, int x, int y, int w, int h, HDC source, COLORREF transparent);
