// The limits the JPEG decoder works within (picture size, scans, decoding work, memory), free of
// any platform and in one place for the viewer's decoder and for the command-line tool's check,
// which must judge pictures exactly as the viewer does.
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

// Raises EJPEG when a picture of this size must not be decoded or held.
void CheckJpegPictureSize(std::int64_t width, std::int64_t height);

// The work of taking in the scans of a picture, counted scan by scan before the scan is read.
// A scan costs one unit for every coefficient of its band in every 8 x 8 block it passes over,
// plus kBlockCost units per block for passing over it at all: measured under Wine on this
// project's machines, a block costs the decoder about 19 ns whatever its band, a coefficient
// about 0.4 ns, so a unit is about 0.4 ns.
class TJpegScanWork {
public:
    static constexpr std::uint64_t kBlockCost = 48;
    // Most work a picture may take grows with its size, kPerPixel units per pixel, between
    // kFloor (about 0.2 s) and kCeiling (about 1 s). The heaviest ordinary pictures, progressive
    // in full colour (no reduced colour resolution) with the usual ten scans, need about 18
    // units per pixel: 1.75 billion for 100 megapixels. Even a plan that sends every coefficient
    // in a scan of its own (74 units per pixel with the usual reduced colour resolution) fits up
    // to about 33 megapixels. A picture whose scans go over it again and again is refused before
    // its time runs away.
    static constexpr std::uint64_t kPerPixel = 80;
    static constexpr std::uint64_t kFloor = 500'000'000ull;
    static constexpr std::uint64_t kCeiling = 2'500'000'000ull;

    explicit TJpegScanWork(std::uint64_t pixels);
    std::uint64_t Limit() const { return m_limit; }

    // Adds a scan over `blocks` blocks with the spectral band first..last (0..63); EJPEG when the
    // total passes the limit.
    void AddScan(std::uint64_t blocks, int first, int last);
    std::uint64_t Total() const { return m_total; }

private:
    std::uint64_t m_limit;
    std::uint64_t m_total = 0;
};
