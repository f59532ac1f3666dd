// The memory layout of top-down device-independent bitmaps of 3 or 4 bytes per pixel.
#pragma once
#include <windows.h>

#include <cstddef>

// Bytes of one row of 3 (blue-green-red) or 4 (blue-green-red-unused) bytes per pixel, padded to a
// multiple of four as bitmaps need.
std::size_t BgrStride(int width, int bytesPerPixel = 3);

// Describes a top-down 24-bit or 32-bit bitmap of the given size.
BITMAPINFO TopDownBgrInfo(int width, int height, int bytesPerPixel = 3);
