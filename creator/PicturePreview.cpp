// FittedPreview: decode, reduced as far as the preview allows, into a bitmap-shaped buffer, then
// stretch into a bitmap of the fitted size.
#include "creator/PicturePreview.h"

#include <windows.h>

#include "creator/CreatorRules.h"
#include "picture/JpegDecoder.h"
#include "picture/JpegError.h"
#include "picture/JpegPixels.h"
#include "sys/BitmapLayout.h"

TBitmapHandle FittedPreview(const std::vector<std::uint8_t>& jpeg, int boxWidth, int boxHeight) {
    // A 24-megapixel photograph decoded at full size for a 400 x 300 box would cost a quarter of a
    // second and 72 MB; reduced inside the decoder it costs a small part of both.
    const TJpegHeader header = ReadJpegHeader(jpeg.data(), jpeg.size());
    const TFitSize size = PreviewSize(header.width, header.height, boxWidth, boxHeight);
    if (size.width == 0 || size.height == 0) throw EJPEG("The picture has no pixels");
    TBgrImage pixels;
    DecodeJpegReduced(jpeg.data(), jpeg.size(), 3, PreviewReduction(header.width, header.height, size),
                      [&pixels](int width, int height) {
                          pixels = TBgrImage(width, height, 3);
                          return TBgrTarget{pixels.Bits(), pixels.Stride()};
                      });

    const BITMAPINFO target = TopDownBgrInfo(size.width, size.height, 3);
    void* bits = nullptr;
    TBitmapHandle bitmap(CreateDIBSection(nullptr, &target, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap)
        throw EJPEG("Cannot create a bitmap of " + std::to_string(size.width) + " x " + std::to_string(size.height) +
                    " pixels");
    {
        // The bitmap leaves the memory DC before the image control takes it.
        TMemDC memory(nullptr);
        TSelectGuard select(memory.Get(), bitmap.Get());
        SetStretchBltMode(memory.Get(), COLORONCOLOR);
        const BITMAPINFO source = pixels.Info();
        StretchDIBits(memory.Get(), 0, 0, size.width, size.height, 0, 0, pixels.Width(), pixels.Height(),
                      pixels.Bits(), &source, DIB_RGB_COLORS, SRCCOPY);
    }
    return bitmap;
}
