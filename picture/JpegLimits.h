// The limits the viewer's JPEG decoder works within, for code that must judge pictures the same way.
#pragma once
#include <cstdint>

#include "ui/JpegDecoder.h"  // kMaxJpegScans

// Largest picture the viewer decodes (the same number as the viewer's own picture-size limit).
constexpr std::int64_t kMaxJpegPixels = 100'000'000;
// Memory libjpeg may take for its own whole-picture buffers before it stops with an error.
constexpr long kJpegLibraryMemory = 1024L * 1024 * 1024;
// Largest JPEG data the decoder is handed (libjpeg's memory source counts in unsigned long).
constexpr std::uint64_t kMaxJpegDataSize = 0x7FFFFFFFu;
