// The folder glyph of folder fields ("FOLDEREDITBMP"): a 16-colour 14 x 12 bitmap drawn by the
// program, and the one image list that every folder field of the process shares.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "sys/GdiObjects.h"

constexpr char kFolderEditBitmapName[] = "FOLDEREDITBMP";
constexpr int kFolderEditGlyphWidth = 14;
constexpr int kFolderEditGlyphHeight = 12;
// Pixels of this colour are transparent.
constexpr COLORREF kFolderEditTransparent = RGB(255, 0, 255);

// A new 4-bit device-independent bitmap of the glyph, magenta where it is transparent.
TBitmapHandle MakeFolderEditBitmap();
// The shared image list (14 x 12, masked by magenta) holding the glyph as image 0. Made on the
// first call, kept until the process ends; null only when the platform refuses it.
HIMAGELIST FolderEditImages();
