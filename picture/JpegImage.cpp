// TJPEGImage: loading, stretched drawing, bitmap hand-over and saving of JPEG pictures.
#include "picture/JpegImage.h"

#include <cstring>
#include <new>
#include <utility>

#include "picture/JpegDecoder.h"
#include "picture/JpegEncoder.h"
#include "sys/FileBytes.h"

namespace {

// Sets a DC's stretch mode for one drawing and puts the previous mode back afterwards.
class TStretchModeGuard {
public:
    TStretchModeGuard(HDC dc, int mode) : m_dc(dc), m_old(SetStretchBltMode(dc, mode)) {}
    ~TStretchModeGuard() {
        if (m_old) SetStretchBltMode(m_dc, m_old);
    }
    TStretchModeGuard(const TStretchModeGuard&) = delete;
    TStretchModeGuard& operator=(const TStretchModeGuard&) = delete;

private:
    HDC m_dc;
    int m_old;
};

// Plain colour-on-colour copying drops or repeats rows and columns. On palette targets the
// platform's halftone mode is used instead, since a 24-bit picture has more colours than they show.
int StretchModeFor(HDC dc) {
    const int bitsPerPixel = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
    return bitsPerPixel <= 8 ? HALFTONE : COLORONCOLOR;
}

// Stretches top-down rows of 3 or 4 bytes a pixel over the rectangle.
void StretchRows(HDC dc, const RECT& r, const std::uint8_t* bits, int width, int height, int bytesPerPixel) {
    const int mode = StretchModeFor(dc);
    TStretchModeGuard modeGuard(dc, mode);
    POINT oldOrigin;
    if (mode == HALFTONE) SetBrushOrgEx(dc, 0, 0, &oldOrigin);
    const BITMAPINFO info = TopDownBgrInfo(width, height, bytesPerPixel);
    const int lines = StretchDIBits(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, width, height, bits,
                                    &info, DIB_RGB_COLORS, SRCCOPY);
    if (mode == HALFTONE) SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    if (lines == 0 || lines == static_cast<int>(GDI_ERROR)) throw EJPEG("Cannot draw the JPEG picture");
}

void StretchPixels(HDC dc, const RECT& r, const TBgrImage& pixels) {
    StretchRows(dc, r, pixels.Bits(), pixels.Width(), pixels.Height(), pixels.BytesPerPixel());
}

}  // namespace

std::uint8_t* TDecodeScratch::Reserve(std::size_t bytes) {
    if (bytes <= m_capacity && m_bits) return m_bits.get();
    Release();
    m_bits.reset(new (std::nothrow) std::uint8_t[bytes]);
    if (!m_bits) throw EJPEG("Not enough memory for a JPEG picture of " + std::to_string(bytes) + " bytes");
    m_capacity = bytes;
    return m_bits.get();
}

void TJPEGImage::LoadFromFile(const std::string& path) { LoadFromBytes(ReadFileBytes(path)); }

void TJPEGImage::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    TJpegHeader header;
    if (!bytes.empty()) header = ReadJpegHeader(bytes.data(), bytes.size());
    m_jpeg = std::move(bytes);
    m_pixels = TBgrImage();
    m_width = header.width;
    m_height = header.height;
    m_progressive = header.progressive;
}

TBgrImage TJPEGImage::DecodedPixels(const std::atomic<bool>* cancel) const {
    if (!m_pixels.Empty()) return m_pixels;
    TBgrImage pixels;
    DecodeJpeg(
        m_jpeg.data(), m_jpeg.size(), 3,
        [&pixels](int width, int height) {
            pixels = TBgrImage(width, height, 3);
            return TBgrTarget{pixels.Bits(), pixels.Stride()};
        },
        cancel);
    return pixels;
}

TJPEGImage::TScratchPixels TJPEGImage::DecodeIntoScratch(TDecodeScratch& scratch,
                                                         const std::atomic<bool>* cancel) const {
    TScratchPixels pixels;
    DecodeJpeg(
        m_jpeg.data(), m_jpeg.size(), 3,
        [&pixels, &scratch](int width, int height) {
            const std::size_t stride = BgrStride(width, 3);
            std::uint8_t* bits = scratch.Reserve(stride * static_cast<std::size_t>(height));
            pixels.bits = bits;
            pixels.width = width;
            pixels.height = height;
            return TBgrTarget{bits, stride};
        },
        cancel);
    return pixels;
}

void TJPEGImage::StretchDraw(HDC dc, const RECT& r, const std::atomic<bool>* cancel, TDecodeScratch* scratch) const {
    if (Empty()) return;
    if (!m_pixels.Empty()) {
        StretchPixels(dc, r, m_pixels);
        return;
    }
    // The full-size pixels, drawn from the scratch's memory when there is one.
    const auto stretchDecoded = [this, cancel, scratch](HDC target, const RECT& area) {
        if (!scratch) {
            StretchPixels(target, area, DecodedPixels(cancel));
            return;
        }
        const TScratchPixels pixels = DecodeIntoScratch(*scratch, cancel);
        StretchRows(target, area, pixels.bits, pixels.width, pixels.height, 3);
    };
    if (StretchModeFor(dc) == HALFTONE) {
        stretchDecoded(dc, r);
        return;
    }
    // The picture is decoded in 24-bit colour, as cheap as a decode gets, and stretched onto a
    // 24-bit bitmap of the target's size: with source and target in one format the platform's
    // stretch reads only the pixels it keeps (handed a target in another format it would first
    // convert the whole picture). The small result then goes to the target unchanged.
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return;
    const BITMAPINFO stretchedInfo = TopDownBgrInfo(width, height, 3);
    void* stretchedBits = nullptr;
    TBitmapHandle stretched(CreateDIBSection(dc, &stretchedInfo, DIB_RGB_COLORS, &stretchedBits, nullptr, 0));
    if (!stretched)
        throw EJPEG("Cannot create a bitmap of " + std::to_string(width) + " x " + std::to_string(height) + " pixels");
    TMemDC memory(dc);
    TSelectGuard select(memory.Get(), stretched.Get());
    stretchDecoded(memory.Get(), RECT{0, 0, width, height});
    if (!BitBlt(dc, r.left, r.top, width, height, memory.Get(), 0, 0, SRCCOPY)) throw EJPEG("Cannot draw the JPEG picture");
}

void TJPEGImage::AssignBitmap(HBITMAP bitmap) {
    if (!bitmap) {
        *this = TJPEGImage();
        return;
    }
    BITMAP description{};
    if (!GetObjectA(bitmap, sizeof description, &description)) throw EJPEG("Not a bitmap");
    const int width = description.bmWidth;
    const int height = description.bmHeight < 0 ? -description.bmHeight : description.bmHeight;
    TBgrImage pixels(width, height);
    BITMAPINFO info = TopDownBgrInfo(width, height);
    TClientDC screen(nullptr);
    if (GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(height), pixels.Bits(), &info, DIB_RGB_COLORS) !=
        height)
        throw EJPEG("Cannot read the pixels of a bitmap");
    m_pixels = std::move(pixels);
    m_jpeg.clear();
    m_jpeg.shrink_to_fit();
    m_width = width;
    m_height = height;
}

std::vector<std::uint8_t> TJPEGImage::ReleaseLoadedBytes() {
    std::vector<std::uint8_t> bytes = std::move(m_jpeg);
    m_jpeg.clear();
    m_pixels = TBgrImage();
    m_width = 0;
    m_height = 0;
    return bytes;
}

void TJPEGImage::SaveToFile(const std::string& path) const { WriteFileBytes(path, SaveToBytes()); }

std::vector<std::uint8_t> TJPEGImage::SaveToBytes() const {
    if (Empty()) return {};
    return EncodeJpeg(DecodedPixels(), m_progressive);
}

TBitmapHandle TJPEGImage::ToBitmap(const std::atomic<bool>* cancel) const {
    if (Empty()) return TBitmapHandle();
    TBitmapHandle bitmap;
    std::uint8_t* bits = nullptr;
    // Creates the section once the decoder knows the size, and lets it write the rows straight in.
    auto makeSection = [&bitmap, &bits](int width, int height) {
        CheckJpegPictureSize(width, height);
        const BITMAPINFO info = TopDownBgrInfo(width, height);
        void* sectionBits = nullptr;
        bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &sectionBits, nullptr, 0));
        if (!bitmap || !sectionBits)
            throw EJPEG("Not enough memory for a bitmap of " + std::to_string(width) + " x " +
                        std::to_string(height) + " pixels");
        bits = static_cast<std::uint8_t*>(sectionBits);
        return TBgrTarget{bits, BgrStride(width)};
    };
    if (!m_pixels.Empty()) {
        makeSection(m_pixels.Width(), m_pixels.Height());
        std::memcpy(bits, m_pixels.Bits(), m_pixels.Stride() * static_cast<std::size_t>(m_pixels.Height()));
    } else {
        DecodeJpeg(m_jpeg.data(), m_jpeg.size(), 3, makeSection, cancel);
    }
    GdiFlush();
    return bitmap;
}
