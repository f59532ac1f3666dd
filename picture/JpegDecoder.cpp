// Full-size JPEG decoding through libjpeg, with its memory, scan count and error exits kept in check.
#include "picture/JpegDecoder.h"

#include <vector>

#include "picture/JpegDecompressor.h"
#include "picture/JpegLimits.h"

namespace {

// Ink to light: a CMYK pixel as the red, green and blue a print of it reflects. Files with
// Adobe's marker (all YCCK files and the CMYK files that Adobe's and most other programs write)
// store every ink inverted, 255 meaning none; others store the ink itself.
void CmykRowToBgr(const JSAMPLE* cmyk, std::uint8_t* bgr, int width, int bytesPerPixel, bool inverted) {
    for (int x = 0; x < width; ++x, cmyk += 4, bgr += bytesPerPixel) {
        unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        // Each value is now the light the ink lets through; two layers multiply.
        bgr[0] = static_cast<std::uint8_t>((y * k + 127) / 255);
        bgr[1] = static_cast<std::uint8_t>((m * k + 127) / 255);
        bgr[2] = static_cast<std::uint8_t>((c * k + 127) / 255);
        if (bytesPerPixel == 4) bgr[3] = 0;
    }
}

// Reads the rows of a four-colour picture one by one and converts them into the target.
void ReadCmykRows(jpeg_decompress_struct& info, const TBgrTarget& rows, int bytesPerPixel) {
    const bool inverted = info.saw_Adobe_marker != FALSE;
    std::vector<JSAMPLE> line(static_cast<std::size_t>(info.output_width) * 4);
    JSAMPROW lineRow = line.data();
    while (info.output_scanline < info.output_height) {
        const JDIMENSION y = info.output_scanline;
        if (jpeg_read_scanlines(&info, &lineRow, 1) != 1) continue;
        CmykRowToBgr(line.data(), rows.firstRow + rows.stride * static_cast<std::size_t>(y),
                     static_cast<int>(info.output_width), bytesPerPixel, inverted);
    }
}

// The decode at 1/reduction of the full size (1 for full size).
void DecodeAtReduction(const std::uint8_t* data, std::size_t size, int bytesPerPixel, unsigned reduction,
                       const TBgrTargetProvider& target, const std::atomic<bool>* cancel) {
    TJpegDecompressor decompressor(data, size, cancel);
    jpeg_decompress_struct& info = decompressor.Info();
    decompressor.ReadHeader();
    CheckJpegPictureSize(info.image_width, info.image_height);
    // Four-colour pictures come as ink and are turned into light here.
    const bool fourColour = decompressor.FourColour();
    decompressor.StartDecode(bytesPerPixel, reduction);

    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    const TBgrTarget rows = target(width, height);
    if (fourColour) {
        ReadCmykRows(info, rows, bytesPerPixel);
        return;
    }
    std::vector<JSAMPROW> rowPointers(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) rowPointers[y] = rows.firstRow + rows.stride * static_cast<std::size_t>(y);

    // Rows come straight into the target; a truncated file yields grey rows with a warning.
    while (info.output_scanline < info.output_height) {
        const JDIMENSION done = info.output_scanline;
        jpeg_read_scanlines(&info, rowPointers.data() + done, info.output_height - done);
    }
    // The rest of the file (normally just the end marker) is not read: the pixels are complete.
}

}  // namespace

TJpegHeader ReadJpegHeader(const std::uint8_t* data, std::size_t size) {
    TJpegDecompressor decompressor(data, size);
    decompressor.ReadHeader();
    const jpeg_decompress_struct& info = decompressor.Info();
    TJpegHeader header;
    header.width = static_cast<int>(info.image_width);
    header.height = static_cast<int>(info.image_height);
    header.progressive = info.progressive_mode != FALSE;
    return header;
}

void DecodeJpeg(const std::uint8_t* data, std::size_t size, int bytesPerPixel, const TBgrTargetProvider& target,
                const std::atomic<bool>* cancel) {
    DecodeAtReduction(data, size, bytesPerPixel, 1, target, cancel);
}

void DecodeJpegReduced(const std::uint8_t* data, std::size_t size, int bytesPerPixel, unsigned reduction,
                       const TBgrTargetProvider& target) {
    DecodeAtReduction(data, size, bytesPerPixel, reduction, target, nullptr);
}
