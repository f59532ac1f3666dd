// Pixel buffers for decoded pictures.
#include "picture/JpegPixels.h"

#include <cstring>
#include <new>
#include <string>

#include "picture/JpegError.h"

TBgrImage::TBgrImage(int width, int height, int bytesPerPixel) {
    CheckJpegPictureSize(width, height);
    const std::size_t stride = BgrStride(width, bytesPerPixel);
    m_bits.reset(new (std::nothrow) std::uint8_t[stride * static_cast<std::size_t>(height)]);
    if (!m_bits)
        throw EJPEG("Not enough memory for a JPEG picture of " + std::to_string(width) + " x " +
                    std::to_string(height) + " pixels");
    m_width = width;
    m_height = height;
    m_bytesPerPixel = bytesPerPixel;
    m_stride = stride;
}

TBgrImage::TBgrImage(const TBgrImage& other) {
    if (other.Empty()) return;
    TBgrImage copy(other.m_width, other.m_height, other.m_bytesPerPixel);
    std::memcpy(copy.Bits(), other.Bits(), other.m_stride * static_cast<std::size_t>(other.m_height));
    *this = std::move(copy);
}

TBgrImage& TBgrImage::operator=(const TBgrImage& other) {
    if (this != &other) *this = TBgrImage(other);
    return *this;
}
