// Reads JPEG headers and decodes JPEG data at full size into 24-bit blue-green-red rows.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "picture/JpegLimits.h"

struct TJpegHeader {
    int width = 0;
    int height = 0;
    bool progressive = false;
};

// Parses the header of JPEG data (up to the first scan); EJPEG when libjpeg rejects it.
TJpegHeader ReadJpegHeader(const std::uint8_t* data, std::size_t size);

// Where decoded rows go: called once with the picture's size (already checked against the size
// limit), it returns the first row and the distance between rows in bytes.
struct TBgrTarget {
    std::uint8_t* firstRow = nullptr;
    std::size_t stride = 0;
};
using TBgrTargetProvider = std::function<TBgrTarget(int width, int height)>;

// Decodes at full size with the accurate integer inverse DCT and smooth upsampling, colour and
// grey pictures alike, into blue-green-red pixels of 3 bytes or of 4 (the fourth unused). EJPEG
// on a fatal decoder error, a refused size, more than kMaxJpegScans scans or more work than
// TJpegScanWork allows; also when the cancel flag (not owned; null for none) turns true.
void DecodeJpeg(const std::uint8_t* data, std::size_t size, int bytesPerPixel, const TBgrTargetProvider& target,
                const std::atomic<bool>* cancel = nullptr);

// The same decode made reduction (1, 2, 4 or 8) times smaller in each direction, sizes rounded
// up, inside libjpeg's inverse DCT: a preview of a large picture at a fraction of the work and
// memory of the full size. The size limit still applies to the full size.
void DecodeJpegReduced(const std::uint8_t* data, std::size_t size, int bytesPerPixel, unsigned reduction,
                       const TBgrTargetProvider& target);
