// The main window's pictures drawn by the program itself: the four 15 x 15 glyphs and the banner.
#pragma once
#include <string>

#include "sys/GdiObjects.h"

const int kGlyphSize = 15;
const int kBannerWidth = 287;
const int kBannerHeight = 57;

// The viewer's maker, as the caption and the banner credit it.
extern const char kMakerCredit[];

TBitmapHandle MakeComputerGlyph();
TBitmapHandle MakeQuestionGlyph();
TBitmapHandle MakeNotePadGlyph();
TBitmapHandle MakePlayGlyph();
// The viewer's name and the maker's credit in bold black letters on grey.
TBitmapHandle MakeBanner();
