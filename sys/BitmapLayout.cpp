// Row sizes and headers of top-down 24-bit and 32-bit bitmaps.
#include "sys/BitmapLayout.h"

std::size_t BgrStride(int width, int bytesPerPixel) {
    return (static_cast<std::size_t>(width) * bytesPerPixel + 3) & ~static_cast<std::size_t>(3);
}

BITMAPINFO TopDownBgrInfo(int width, int height, int bytesPerPixel) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: the first row in memory is the top row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bytesPerPixel * 8);
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(BgrStride(width, bytesPerPixel) * static_cast<std::size_t>(height));
    return info;
}
