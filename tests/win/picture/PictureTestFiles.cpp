// Scratch folder and file helpers for the picture tests.
#include "PictureTestFiles.h"

#include <algorithm>
#include <random>

#include <cstdint>
#include <stdexcept>

#include "picture/JpegPixels.h"
#include "sys/GdiObjects.h"
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

// Truncations at many lengths, random byte flips and damaged markers of a few good files.
std::vector<TBytes> DamagedFiles() {
    const TBytes originals[] = {
        EncodeRgbJpeg(MakeSunset(96, 64), 85, false),
        EncodeRgbJpeg(MakeLighthouse(48, 80), 70, true),
        EncodeRgbJpeg(MakeCheckerboard(33, 21, 4), 95, false),
    };
    std::mt19937 random(1234567);
    std::vector<TBytes> damaged;
    for (const TBytes& original : originals) {
        // Cut at every length through the headers and at spread-out lengths in the data.
        for (std::size_t length = 0; length < original.size(); length += length < 700 ? 3 : 37)
            damaged.emplace_back(original.begin(), original.begin() + length);
        for (int i = 0; i < 150; ++i) {
            TBytes flipped = original;
            const int flips = 1 + static_cast<int>(random() % 6);
            for (int f = 0; f < flips; ++f) flipped[random() % flipped.size()] ^= static_cast<std::uint8_t>(1 + random() % 255);
            damaged.push_back(std::move(flipped));
        }
        const std::vector<std::size_t> markers = MarkerOffsets(original);
        for (std::size_t m = 0; m < markers.size() && m < 40; ++m) {
            const std::size_t at = markers[m];
            TBytes wrongCode = original;
            wrongCode[at + 1] = static_cast<std::uint8_t>(0xC0 + random() % 0x3F);
            damaged.push_back(std::move(wrongCode));
            if (at + 3 < original.size()) {
                TBytes wrongLength = original;
                wrongLength[at + 2] = static_cast<std::uint8_t>(random());
                wrongLength[at + 3] = static_cast<std::uint8_t>(random());
                damaged.push_back(std::move(wrongLength));
                TBytes shortSegment = original;
                shortSegment[at + 2] = 0;
                shortSegment[at + 3] = static_cast<std::uint8_t>(random() % 3);
                damaged.push_back(std::move(shortSegment));
            }
            TBytes withoutSegment = original;  // the marker and the next 20 bytes gone
            withoutSegment.erase(withoutSegment.begin() + at,
                                 withoutSegment.begin() + std::min(original.size(), at + 22));
            damaged.push_back(std::move(withoutSegment));
        }
    }
    return damaged;
}
