// The folder glyph as a pixel map, its bitmap, and the process-wide image list made from it.
#include "controls/FolderEditGlyph.h"

#include <cstring>

namespace {
// One letter per pixel, top row first: M magenta (transparent), K black, Y yellow, W white,
// N dark blue, G grey.
const char* const kFolderPixels[kFolderEditGlyphHeight] = {
    "MMMMMMMMMMMMMM",
    "MMKKKKMMMMMMMM",
    "MKYWYWKMMMMMMM",
    "KKKKKKKKKKKKMM",
    "KYWYWYWYWYWKGM",
    "KWYWYWYWYWYKGM",
    "KYWYWYNNYWYKGM",
    "KWYWYWNNWYWKGM",
    "KYWYWYWYWYWKGM",
    "KWYWYWYWYWYKGM",
    "KKKKKKKKKKKKGM",
    "MGGGGGGGGGGGGM",
};

// The 16 colours of the bitmap's table, in the order of the standard 16-colour palette.
const RGBQUAD kPalette[16] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},   {0, 128, 0, 0},   {0, 128, 128, 0},
    {128, 0, 0, 0},     {128, 0, 128, 0}, {128, 128, 0, 0}, {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0},   {0, 255, 0, 0},   {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0}, {255, 255, 0, 0}, {255, 255, 255, 0},
};

// Palette index of a pixel letter (RGBQUAD is blue, green, red).
BYTE PaletteIndex(char letter) {
    switch (letter) {
        case 'K': return 0;
        case 'N': return 4;    // red 0, green 0, blue 128
        case 'G': return 8;    // grey 128
        case 'Y': return 11;   // red 255, green 255, blue 0
        case 'M': return 13;   // magenta
        case 'W': return 15;
        default: return 13;
    }
}

// Destroys the shared image list when the process ends.
struct TSharedImages {
    HIMAGELIST list = nullptr;  // owned
    ~TSharedImages() {
        if (list) ImageList_Destroy(list);
    }
};
}  // namespace

TBitmapHandle MakeFolderEditBitmap() {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[16];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = kFolderEditGlyphWidth;
    info.header.biHeight = -kFolderEditGlyphHeight;  // top row first
    info.header.biPlanes = 1;
    info.header.biBitCount = 4;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = 16;
    std::memcpy(info.colours, kPalette, sizeof kPalette);
    void* bits = nullptr;
    TBitmapHandle bitmap(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return TBitmapHandle();
    const int stride = ((kFolderEditGlyphWidth * 4 + 31) / 32) * 4;
    auto* rows = static_cast<BYTE*>(bits);
    for (int y = 0; y < kFolderEditGlyphHeight; ++y) {
        BYTE* row = rows + y * stride;
        std::memset(row, 0, stride);
        for (int x = 0; x < kFolderEditGlyphWidth; ++x) {
            const BYTE index = PaletteIndex(kFolderPixels[y][x]);
            row[x / 2] |= (x % 2 == 0) ? static_cast<BYTE>(index << 4) : index;
        }
    }
    GdiFlush();
    return bitmap;
}

HIMAGELIST FolderEditImages() {
    static TSharedImages shared;
    if (shared.list) return shared.list;
    TBitmapHandle bitmap = MakeFolderEditBitmap();
    if (!bitmap) return nullptr;
    HIMAGELIST list = ImageList_Create(kFolderEditGlyphWidth, kFolderEditGlyphHeight, ILC_COLOR4 | ILC_MASK, 1, 0);
    if (!list) return nullptr;
    if (ImageList_AddMasked(list, bitmap.Get(), kFolderEditTransparent) < 0) {
        ImageList_Destroy(list);
        return nullptr;
    }
    shared.list = list;
    return list;
}
