// A 24-bit picture in memory, laid out as a top-down device-independent bitmap.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "picture/JpegLimits.h"
#include "sys/BitmapLayout.h"

// Blue-green-red pixel rows of 3 or 4 bytes per pixel, top row first, each BgrStride bytes long:
// the memory layout of a top-down bitmap. Copies copy the pixels.
class TBgrImage {
public:
    TBgrImage() = default;
    // Takes uninitialised memory for the pixels; EJPEG when the size is refused or memory runs out.
    TBgrImage(int width, int height, int bytesPerPixel = 3);
    TBgrImage(const TBgrImage& other);
    TBgrImage& operator=(const TBgrImage& other);
    TBgrImage(TBgrImage&&) noexcept = default;
    TBgrImage& operator=(TBgrImage&&) noexcept = default;

    bool Empty() const { return !m_bits; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int BytesPerPixel() const { return m_bytesPerPixel; }
    BITMAPINFO Info() const { return TopDownBgrInfo(m_width, m_height, m_bytesPerPixel); }
    std::size_t Stride() const { return m_stride; }
    std::uint8_t* Bits() { return m_bits.get(); }
    const std::uint8_t* Bits() const { return m_bits.get(); }
    std::uint8_t* Row(int y) { return m_bits.get() + m_stride * static_cast<std::size_t>(y); }
    const std::uint8_t* Row(int y) const { return m_bits.get() + m_stride * static_cast<std::size_t>(y); }

private:
    int m_width = 0;
    int m_height = 0;
    int m_bytesPerPixel = 3;
    std::size_t m_stride = 0;
    std::unique_ptr<std::uint8_t[]> m_bits;  // owned, m_stride * m_height bytes
};
