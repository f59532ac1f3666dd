// FitPictureFile: load, scale into a screen-format bitmap, take its pixels over and save.
#include "picture/FitPicture.h"

#include <windows.h>

#include "picture/FitScale.h"
#include "picture/JpegImage.h"
#include "sys/GdiObjects.h"
#include "sys/mysys.h"

void FitPictureFile(const std::string& Source, const std::string& Target, int MaxWidth, int MaxHeight) {
    if (!FileExists(Source)) return;
    DeleteFileQuietly(Target);

    TJPEGImage jpeg;
    jpeg.LoadFromFile(Source);
    const int W = jpeg.Width();
    const int H = jpeg.Height();
    if (W == 0 || H == 0) return;
    const TFitSize size = FitScale(W, H, MaxWidth, MaxHeight);
    if (size.width == 0 || size.height == 0) return;

    TClientDC screen(nullptr);
    TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), size.width, size.height));
    if (!bitmap)
        throw EJPEG("Cannot create a bitmap of " + std::to_string(size.width) + " x " +
                    std::to_string(size.height) + " pixels");
    {
        // The bitmap must be out of the memory DC again before its pixels are read.
        TMemDC memory(screen.Get());
        TSelectGuard select(memory.Get(), bitmap.Get());
        jpeg.StretchDraw(memory.Get(), RECT{0, 0, size.width, size.height});
    }
    jpeg.AssignBitmap(bitmap.Get());
    jpeg.SaveToFile(Target);
}
