// Scratch folder and file helpers for the picture tests.
#include "PictureTestFiles.h"

#include <cstdint>


#include <stdexcept>

#include "ui/GdiObjects.h"
#include "picture/JpegPixels.h"
#include "tests/support/TestFiles.h"

std::string WriteJpeg(const TScratchFolder& folder, const std::string& name, const TRgbImage& image,
                      bool progressive, int quality) {
    const std::string path = folder / name;
    if (!WriteBytesFile(path, EncodeRgbJpeg(image, quality, progressive))) throw std::runtime_error("write " + path);
    return path;
}

TDecodedJpeg ReadJpeg(const std::string& path) {
    const auto bytes = ReadBytesFile(path);
    if (!bytes) throw std::runtime_error("cannot read " + path);
    return DecodeRgbJpeg(*bytes);
}

TRgbImage BitmapPixels(HBITMAP bitmap) {
    BITMAP description{};
    GetObjectA(bitmap, sizeof description, &description);
    const int width = description.bmWidth, height = std::abs(description.bmHeight);
    const std::size_t stride = BgrStride(width);
    std::vector<std::uint8_t> bgr(stride * height);
    BITMAPINFO info = TopDownBgrInfo(width, height);
    const int lines = GetDIBits(TClientDC(nullptr).Get(), bitmap, 0, height, bgr.data(), &info, DIB_RGB_COLORS);
    if (lines != height) throw std::runtime_error("GetDIBits failed");
    TRgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = bgr.data() + stride * y + x * 3;
            image.Set(x, y, p[2], p[1], p[0]);
        }
    return image;
}
