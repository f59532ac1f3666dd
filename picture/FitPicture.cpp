// FitPictureFile and FitPictureBytes: load, scale into a screen-format bitmap, take its pixels over and save.
#include "picture/FitPicture.h"

#include <windows.h>

#include <utility>

#include "picture/FitScale.h"
#include "picture/JpegImage.h"
#include "sys/FileBytes.h"
#include "sys/GdiObjects.h"
#include "sys/mysys.h"

std::optional<std::vector<std::uint8_t>> FitPictureBytes(std::vector<std::uint8_t> Source, int MaxWidth, int MaxHeight,
                                                         const std::atomic<bool>* cancel) {
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(std::move(Source));
    const int W = jpeg.Width();
    const int H = jpeg.Height();
    if (W == 0 || H == 0) return std::nullopt;
    const TFitSize size = FitScale(W, H, MaxWidth, MaxHeight);
    if (size.width == 0 || size.height == 0) return std::nullopt;

    TClientDC screen(nullptr);
    TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), size.width, size.height));
    if (!bitmap)
        throw EJPEG("Cannot create a bitmap of " + std::to_string(size.width) + " x " +
                    std::to_string(size.height) + " pixels");
    {
        // The bitmap must be out of the memory DC again before its pixels are read.
        TMemDC memory(screen.Get());
        TSelectGuard select(memory.Get(), bitmap.Get());
        jpeg.StretchDraw(memory.Get(), RECT{0, 0, size.width, size.height}, cancel);
    }
    jpeg.AssignBitmap(bitmap.Get());
    return jpeg.SaveToBytes();
}

void FitPictureFile(const std::string& Source, const std::string& Target, int MaxWidth, int MaxHeight) {
    if (!FileExists(Source)) return;
    DeleteFileQuietly(Target);
    const std::optional<std::vector<std::uint8_t>> fitted = FitPictureBytes(ReadFileBytes(Source), MaxWidth, MaxHeight);
    if (fitted) WriteFileBytes(Target, *fitted);
}
