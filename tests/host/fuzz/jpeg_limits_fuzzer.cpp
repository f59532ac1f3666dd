// libFuzzer target: JPEG header reading, the size limit and the scan and work limits on any bytes.
// Every failure must arrive as EJPEG; a picture small enough to hold is decoded in full, so that
// the scan counting runs over every scan of the file.
#include <cstdlib>
#include <memory>
#include <vector>

#include "picture/JpegDecoder.h"
#include "picture/JpegError.h"

namespace {
// Pictures larger than this are only header-checked: decoding them would slow the fuzzing down
// without reaching any other code.
constexpr long long kMostPixelsDecoded = 1 << 20;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    TJpegHeader header;
    try {
        header = ReadJpegHeader(data, size);
    } catch (const EJPEG&) {
        return 0;
    }
    if (header.width <= 0 || header.height <= 0) std::abort();  // libjpeg refuses empty frames itself
    if (static_cast<long long>(header.width) * header.height > kMostPixelsDecoded) {
        try {
            CheckJpegPictureSize(header.width, header.height);
        } catch (const EJPEG&) {
        }
        return 0;
    }
    for (const int bytesPerPixel : {3, 4}) {
        std::vector<std::uint8_t> pixels;
        try {
            DecodeJpeg(data, size, bytesPerPixel, [&](int width, int height) {
                if (width != header.width || height != header.height) std::abort();
                const std::size_t stride = (static_cast<std::size_t>(width) * bytesPerPixel + 3) & ~std::size_t(3);
                pixels.assign(stride * static_cast<std::size_t>(height), 0xA5);
                return TBgrTarget{pixels.data(), stride};
            });
        } catch (const EJPEG&) {
        }
    }
    return 0;
}
