// Pixel art for the glyphs (one letter per pixel, bottom-left pixel transparent) and the banner.
#include "app/ViewerArt.h"

#include <windows.h>

#include <cstring>

#include "sys/BitmapLayout.h"

const char kMakerCredit[] = "Мастерская Сонпик";

namespace {
struct TPaletteEntry {
    char Key;
    COLORREF Color;
};

// '.' is the glyph's transparent colour; a speed button leaves pixels of the bottom-left colour out.
const TPaletteEntry kPalette[] = {
    {'.', RGB(255, 0, 255)}, {'K', RGB(0, 0, 0)},     {'W', RGB(255, 255, 255)}, {'S', RGB(192, 192, 192)},
    {'G', RGB(128, 128, 128)}, {'B', RGB(0, 0, 128)},  {'C', RGB(0, 255, 255)},   {'Y', RGB(255, 255, 0)},
    {'O', RGB(128, 128, 0)},  {'N', RGB(0, 128, 0)},   {'L', RGB(0, 255, 0)},     {'R', RGB(255, 0, 0)},
};

COLORREF PaletteColor(char key) {
    for (const TPaletteEntry& entry : kPalette)
        if (entry.Key == key) return entry.Color;
    return RGB(255, 0, 255);
}

// A 24-bit DIB section with its pixel bits, top-down.
TBitmapHandle MakeDib(int width, int height, void** bits) {
    const BITMAPINFO info = TopDownBgrInfo(width, height, 3);
    return TBitmapHandle(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

TBitmapHandle GlyphFromRows(const char* const rows[kGlyphSize]) {
    void* bits = nullptr;
    TBitmapHandle bitmap = MakeDib(kGlyphSize, kGlyphSize, &bits);
    if (!bitmap || !bits) return bitmap;
    const int stride = (kGlyphSize * 3 + 3) & ~3;
    auto* bytes = static_cast<unsigned char*>(bits);
    for (int y = 0; y < kGlyphSize; ++y) {
        const size_t length = std::strlen(rows[y]);
        for (int x = 0; x < kGlyphSize; ++x) {
            const COLORREF color = PaletteColor(static_cast<size_t>(x) < length ? rows[y][x] : '.');
            unsigned char* pixel = bytes + y * stride + x * 3;
            pixel[0] = GetBValue(color);
            pixel[1] = GetGValue(color);
            pixel[2] = GetRValue(color);
        }
    }
    GdiFlush();
    return bitmap;
}
}  // namespace

TBitmapHandle MakeComputerGlyph() {
    static const char* const rows[kGlyphSize] = {
        "...............",
        ".KKKKKKKKKKKKK.",
        ".KSSSSSSSSSSSK.",
        ".KSBBBBBBBBBSK.",
        ".KSBCCCCCCCBSK.",
        ".KSBCWCCCCCBSK.",
        ".KSBCCCCCCCBSK.",
        ".KSBCCCCCCCBSK.",
        ".KSBBBBBBBBBSK.",
        ".KSSSSSSSSSSSK.",
        ".KKKKKKKKKKKKK.",
        "......KKK......",
        "...KKKKKKKKK...",
        "..KSSSSSSSLSK..",
        "..KKKKKKKKKKK..",
    };
    return GlyphFromRows(rows);
}

TBitmapHandle MakeQuestionGlyph() {
    static const char* const rows[kGlyphSize] = {
        "....KKKKKK.....",
        "...KYYYYYYK....",
        "..KYYYKKYYYK...",
        "..KYYK..KYYK...",
        "..KKK...KYYK...",
        ".......KYYK....",
        "......KYYK.....",
        ".....KYYK......",
        ".....KYYK......",
        ".....KKKK......",
        "...............",
        ".....KKKK......",
        ".....KYYK......",
        ".....KKKK......",
        "...............",
    };
    return GlyphFromRows(rows);
}

TBitmapHandle MakeNotePadGlyph() {
    static const char* const rows[kGlyphSize] = {
        "...............",
        "..K.K.K.K.K....",
        ".KGKGKGKGKGKK..",
        ".KWWWWWWWWWWK..",
        ".KWBBBBBBBWWK..",
        ".KWWWWWWWWWWK..",
        ".KWBBBBBBWWWK..",
        ".KWWWWWWWWWWK..",
        ".KWBBBBBBBWWK..",
        ".KWWWWWWWWWWK..",
        ".KWBBBBBWWWWK..",
        ".KWWWWWWWWWWK..",
        ".KWWWWWWWWWWK..",
        ".KKKKKKKKKKKK..",
        "...............",
    };
    return GlyphFromRows(rows);
}

TBitmapHandle MakePlayGlyph() {
    static const char* const rows[kGlyphSize] = {
        "...............",
        "....K..........",
        "....KK.........",
        "....KLK........",
        "....KLLK.......",
        "....KLLLK......",
        "....KLLLLK.....",
        "....KLLLLLK....",
        "....KLLLLK.....",
        "....KLLLK......",
        "....KLLK.......",
        "....KLK........",
        "....KK.........",
        "....K..........",
        "...............",
    };
    return GlyphFromRows(rows);
}

TBitmapHandle MakeBanner() {
    void* bits = nullptr;
    TBitmapHandle banner = MakeDib(kBannerWidth, kBannerHeight, &bits);
    if (!banner) return banner;
    TMemDC dc(nullptr);
    TSelectGuard selectBitmap(dc.Get(), banner.Get());
    RECT all{0, 0, kBannerWidth, kBannerHeight};
    TBrushHandle grey(CreateSolidBrush(RGB(192, 192, 192)));
    FillRect(dc.Get(), &all, grey.Get());
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), RGB(0, 0, 0));

    TFontHandle nameFont(CreateFontA(-19, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Tahoma"));
    TFontHandle creditFont(CreateFontA(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Tahoma"));
    {
        TSelectGuard selectFont(dc.Get(), nameFont.Get());
        RECT line{0, 6, kBannerWidth, 30};
        DrawTextA(dc.Get(), "Сонпик Просмотрщик 1.2", -1, &line, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    }
    {
        TSelectGuard selectFont(dc.Get(), creditFont.Get());
        RECT line{0, 32, kBannerWidth, 52};
        DrawTextA(dc.Get(), kMakerCredit, -1, &line, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    }
    GdiFlush();
    return banner;
}
