// Scratch folder and file helpers for the picture tests.
#include "PictureTestFiles.h"

#include <cstdint>

#include <intrin.h>

#include <stdexcept>

#include "ui/GdiObjects.h"
#include "ui/JpegPixels.h"

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

DWORD GdiObjectCount() {
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) return reported;
    // Wine answers 0 here; it keeps the process's GDI handle table where Windows does, at the
    // PEB's GdiSharedHandleTable (offset 0xF8 on x64): 65536 entries of 24 bytes, a non-zero type
    // byte at offset 14 marking a live object.
    const auto* peb = reinterpret_cast<const std::uint8_t*>(__readgsqword(0x60));
    const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + 0xF8);
    if (!table) return 0;
    DWORD live = 0;
    for (std::size_t i = 0; i < 0x10000; ++i)
        if (table[i * 24 + 14] != 0) ++live;
    return live;
}

std::size_t PrivateBytes() {
    // Committed private memory, summed region by region (Wine reports no PrivateUsage).
    std::size_t committed = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* address = nullptr;
         VirtualQuery(address, &region, sizeof region) == sizeof region;
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) committed += region.RegionSize;
        if (region.RegionSize == 0) break;
    }
    return committed;
}
