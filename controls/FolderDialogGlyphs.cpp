// The dialog's glyphs, painted with GDI shapes onto a magenta background.
#include "controls/FolderDialogGlyphs.h"

namespace {
const COLORREF kBackground = RGB(255, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kFolderYellow = RGB(255, 255, 0);
const COLORREF kFolderDark = RGB(128, 128, 0);
const COLORREF kHighlightBlue = RGB(0, 128, 255);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kSilver = RGB(192, 192, 192);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGreen = RGB(0, 160, 0);

// Fills and outlines a polygon in one go, leaving the DC as it was.
void Shape(HDC dc, const POINT* points, int count, COLORREF fill, COLORREF outline) {
    TBrushHandle brush(CreateSolidBrush(fill));
    TPenHandle pen(CreatePen(PS_SOLID, 1, outline));
    TSelectGuard selectBrush(dc, brush.Get());
    TSelectGuard selectPen(dc, pen.Get());
    Polygon(dc, points, count);
}

void Box(HDC dc, int left, int top, int right, int bottom, COLORREF fill, COLORREF outline) {
    const POINT points[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    Shape(dc, points, 4, fill, outline);
}

void Folder(HDC dc, bool open, COLORREF front) {
    const POINT tab[] = {{1, 3}, {6, 3}, {7, 4}, {7, 5}, {1, 5}};
    Shape(dc, tab, 5, kFolderYellow, kBlack);
    if (!open) {
        Box(dc, 1, 5, 14, 13, kFolderYellow, kBlack);
        return;
    }
    Box(dc, 1, 5, 13, 13, kFolderDark, kBlack);
    const POINT lid[] = {{3, 8}, {15, 8}, {13, 13}, {1, 13}};
    Shape(dc, lid, 4, front, kBlack);
}

void Drive(HDC dc, TFolderDialogGlyph glyph) {
    switch (glyph) {
        case fgFloppy:
            Box(dc, 2, 1, 13, 13, kGrey, kBlack);
            Box(dc, 4, 1, 11, 5, kSilver, kBlack);
            Box(dc, 4, 8, 11, 13, kWhite, kBlack);
            break;
        case fgHard:
        case fgNetwork: {
            Box(dc, 1, 4, 14, 9, kSilver, kBlack);
            Box(dc, 11, 6, 12, 7, kGreen, kGreen);
            if (glyph == fgNetwork) {
                Box(dc, 7, 9, 8, 12, kBlack, kBlack);
                Box(dc, 2, 12, 13, 13, kBlack, kBlack);
            }
            break;
        }
        case fgCdRom: {
            TBrushHandle disc(CreateSolidBrush(kSilver));
            TPenHandle pen(CreatePen(PS_SOLID, 1, kBlack));
            TSelectGuard selectBrush(dc, disc.Get());
            TSelectGuard selectPen(dc, pen.Get());
            Ellipse(dc, 1, 0, 15, 14);
            Box(dc, 6, 5, 8, 7, kWhite, kBlack);
            break;
        }
        case fgRam:
            Box(dc, 2, 3, 13, 10, kGreen, kBlack);
            for (int x = 3; x < 13; x += 2) Box(dc, x, 10, x + 1, 12, kSilver, kSilver);
            break;
        default:
            break;
    }
}
}  // namespace

TBitmapHandle MakeFolderDialogGlyph(TFolderDialogGlyph glyph) {
    TClientDC screen(nullptr);
    TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), kDialogGlyphWidth, kDialogGlyphHeight));
    if (!bitmap) return bitmap;
    TMemDC memory(screen.Get());
    {
        TSelectGuard select(memory.Get(), bitmap.Get());
        TBrushHandle background(CreateSolidBrush(kBackground));
        const RECT all{0, 0, kDialogGlyphWidth, kDialogGlyphHeight};
        FillRect(memory.Get(), &all, background.Get());
        switch (glyph) {
            case fgOpenFolder: Folder(memory.Get(), true, kFolderYellow); break;
            case fgCurrentFolder: Folder(memory.Get(), true, kHighlightBlue); break;
            case fgClosedFolder: Folder(memory.Get(), false, kFolderYellow); break;
            default: Drive(memory.Get(), glyph); break;
        }
    }
    return bitmap;
}
