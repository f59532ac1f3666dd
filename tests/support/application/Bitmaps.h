// Bitmaps for tests of the picture controls.
#pragma once
#include "sys/GdiObjects.h"

// A bitmap of this size compatible with the screen, for a picture control or a glyph.
TBitmapHandle MakeBitmap(int width, int height);
