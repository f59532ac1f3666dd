// FitPictureFile and FitPictureBytes: load, scale into a screen-format bitmap, take its pixels over and save.
#include "picture/FitPicture.h"

#include <windows.h>

#include <utility>

#include "picture/FitScale.h"
#include "picture/JpegImage.h"
#include "sys/FileBytes.h"
#include "sys/GdiObjects.h"
#include "sys/mysys.h"

namespace {

// The fit of the loaded picture; Source's memory goes back to `source` when one is given.
std::optional<std::vector<std::uint8_t>> FitLoaded(TJPEGImage& jpeg, int MaxWidth, int MaxHeight,
                                                   const std::atomic<bool>* cancel, TDecodeScratch* scratch,
                                                   std::vector<std::uint8_t>* source) {
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
        jpeg.StretchDraw(memory.Get(), RECT{0, 0, size.width, size.height}, cancel, scratch);
    }
    if (source) *source = jpeg.ReleaseLoadedBytes();
    jpeg.AssignBitmap(bitmap.Get());
    return jpeg.SaveToBytes();
}

}  // namespace

std::optional<std::vector<std::uint8_t>> FitPictureBytes(std::vector<std::uint8_t> Source, int MaxWidth, int MaxHeight,
                                                         const std::atomic<bool>* cancel) {
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(std::move(Source));
    return FitLoaded(jpeg, MaxWidth, MaxHeight, cancel, nullptr, nullptr);
}

std::optional<std::vector<std::uint8_t>> FitPictureBytes(std::vector<std::uint8_t>& Source, int MaxWidth, int MaxHeight,
                                                         const std::atomic<bool>* cancel, TDecodeScratch& scratch) {
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(std::move(Source));
    // Source's memory comes back on every way out, the early ones and the errors included.
    struct TGiveBack {
        TJPEGImage& jpeg;
        std::vector<std::uint8_t>& source;
        ~TGiveBack() {
            if (source.capacity() == 0) source = jpeg.ReleaseLoadedBytes();
        }
    } giveBack{jpeg, Source};
    return FitLoaded(jpeg, MaxWidth, MaxHeight, cancel, &scratch, &Source);
}

void FitPictureFile(const std::string& Source, const std::string& Target, int MaxWidth, int MaxHeight) {
    if (!FileExists(Source)) return;
    DeleteFileQuietly(Target);
    const std::optional<std::vector<std::uint8_t>> fitted = FitPictureBytes(ReadFileBytes(Source), MaxWidth, MaxHeight);
    if (fitted) WriteFileBytes(Target, *fitted);
}
