// Where the sections of a Sonpix file lie: header check, marker search and section bounds.
// Pure functions over a byte span, so they serve both the Windows program and the host tests.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr std::size_t kSonpixHeaderSize = 6;     // "Tolvy" 01
constexpr std::size_t kSonpixMarkerSize = 12;    // "Tolvy(c)jpg" 01 and "Tolvy(c)txt" 01
constexpr std::size_t kSonpixWindowSize = 12;    // bytes examined at each start position
constexpr std::size_t kSonpixFirstPosition = 5;  // the header's last byte; never starts a marker

// The marker bytes, for code that writes Sonpix files or looks at a marker's place.
inline constexpr std::uint8_t kSonpixSeparatorBytes[6] = {'T', 'o', 'l', 'v', 'y', 0x01};  // also the header
inline constexpr std::uint8_t kSonpixMakerPictureBytes[12] = {'T', 'o', 'l', 'v', 'y', '(', 'c', ')', 'j', 'p', 'g', 0x01};
inline constexpr std::uint8_t kSonpixMakerTextBytes[12] = {'T', 'o', 'l', 'v', 'y', '(', 'c', ')', 't', 'x', 't', 0x01};

// Positions of the winning (highest) occurrence of each marker kind, or kNotFound.
struct SonpixMarkers {
    static constexpr std::int64_t kNotFound = -1;
    std::int64_t separator = kNotFound;
    std::int64_t makerPicture = kNotFound;
    std::int64_t makerText = kNotFound;
};

// Inclusive byte range first..last; empty when last < first.
struct ByteRange {
    std::int64_t first = 0;
    std::int64_t last = -1;
    std::int64_t Size() const { return last < first ? 0 : last - first + 1; }
};

struct SonpixSections {
    ByteRange picture;
    ByteRange sound;
    bool hasMakerPicture = false;
    ByteRange makerPicture;
    bool hasMakerText = false;
    ByteRange makerText;
};

// True when the first six bytes are the signature word followed by byte 01.
bool HasSonpixHeader(const std::uint8_t* data, std::size_t size);

// Examines every start position 5 .. size-13 and keeps the highest position of each kind.
// Scans from the end backwards with SSE2 and stops once all three kinds are known, which
// gives the same answer as the forward scan since only the last occurrence counts.
SonpixMarkers FindSonpixMarkers(const std::uint8_t* data, std::size_t size);

// The same search over start positions lowest..highest of data only, for a file whose bytes are
// not all in one block: every window of 12 bytes from those positions must lie in data. Each
// marker found is recorded at its position plus offset (where data lies in the whole file) when
// found has none of its kind yet; true once all three kinds are known. Searching the file's
// blocks from its end backwards thus gives FindSonpixMarkers' answer.
bool SearchSonpixMarkers(const std::uint8_t* data, std::int64_t lowest, std::int64_t highest, std::int64_t offset,
                         SonpixMarkers& found);

// The kind of marker whose window of 12 bytes is at window, recorded at position p when found
// has none of its kind yet; true once all three kinds are known.
bool ClassifySonpixWindow(const std::uint8_t* window, std::int64_t p, SonpixMarkers& found);

// Section bounds for a file of the given size with the given winning markers.
SonpixSections ComputeSonpixSections(const SonpixMarkers& markers, std::size_t size);
