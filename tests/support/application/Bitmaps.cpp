// Bitmaps for tests of the picture controls.
#include "tests/support/application/Bitmaps.h"

TBitmapHandle MakeBitmap(int width, int height) {
    TClientDC screen(nullptr);
    return TBitmapHandle(CreateCompatibleBitmap(screen.Get(), width, height));
}
