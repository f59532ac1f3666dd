// The limits the JPEG decoder works within, in one place for the viewer's decoder and for the
// command-line tool's check, which must judge pictures exactly as the viewer does.
#pragma once
#include <cstdint>

// Largest picture the program decodes: 100 megapixels (300 MB of pixels). A JPEG header may
// declare up to 65500 x 65500 pixels in a few bytes; such a picture is refused before any memory
// for it is taken.
constexpr std::int64_t kMaxJpegPixels = 100'000'000;

// Most scans a picture may have. Ordinary progressive files have about ten; a file made of
// thousands of tiny scans would otherwise keep the decoder busy for minutes.
constexpr int kMaxJpegScans = 1000;

// Memory libjpeg may take for its own whole-picture buffers (progressive coefficients); beyond it
// libjpeg stops with an error instead of asking the system for more.
constexpr long kJpegLibraryMemory = 1024L * 1024 * 1024;

// Largest JPEG data handed to libjpeg, whose memory source counts in 32-bit unsigned long.
constexpr std::uint64_t kMaxJpegDataSize = 0x7FFFFFFFu;
