// The picture size limit and the count of decoding work.
#include "picture/JpegLimits.h"

#include <algorithm>
#include <string>

#include "picture/JpegError.h"

void CheckJpegPictureSize(std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0) throw EJPEG("JPEG picture has no pixels");
    if (width * height > kMaxJpegPixels)
        throw EJPEG("JPEG picture too large (" + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels; at most " + std::to_string(kMaxJpegPixels / 1'000'000) + " megapixels are shown)");
}

TJpegScanWork::TJpegScanWork(std::uint64_t pixels)
    : m_limit(std::min(kCeiling, std::max(kFloor, pixels * kPerPixel))) {}

void TJpegScanWork::AddScan(std::uint64_t blocks, int first, int last) {
    const std::uint64_t band = last >= first && first >= 0 ? static_cast<std::uint64_t>(last - first + 1) : 1;
    m_total += blocks * (kBlockCost + band);
    if (m_total > m_limit) throw EJPEG("JPEG picture needs too much decoding work (its scans pass over the picture too often)");
}
