// Header check, backward SSE2 marker search and section bounds of a Sonpix file.
#include "SonpixLayout.h"

#include <emmintrin.h>

#include <cstring>

namespace {

constexpr std::uint8_t kSignature[5] = {'T', 'o', 'l', 'v', 'y'};
constexpr std::uint8_t kCopyright[3] = {'(', 'c', ')'};
constexpr std::uint8_t kJpgTail[4] = {'j', 'p', 'g', 0x01};
constexpr std::uint8_t kTxtTail[4] = {'t', 'x', 't', 0x01};

}  // namespace

bool ClassifySonpixWindow(const std::uint8_t* window, std::int64_t p, SonpixMarkers& found) {
    if (std::memcmp(window, kSignature, 5) != 0) return false;
    if (std::memcmp(window + 5, kCopyright, 3) == 0) {
        if (std::memcmp(window + 8, kJpgTail, 4) == 0) {
            if (found.makerPicture == SonpixMarkers::kNotFound) found.makerPicture = p;
        } else if (std::memcmp(window + 8, kTxtTail, 4) == 0) {
            if (found.makerText == SonpixMarkers::kNotFound) found.makerText = p;
        }
    } else if (window[5] == 0x01) {
        if (found.separator == SonpixMarkers::kNotFound) found.separator = p;
    }
    return found.separator != SonpixMarkers::kNotFound &&
           found.makerPicture != SonpixMarkers::kNotFound &&
           found.makerText != SonpixMarkers::kNotFound;
}

namespace {

inline __m128i Load(const std::uint8_t* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }
inline __m128i Equal(const std::uint8_t* at, std::uint8_t value) {
    return _mm_cmpeq_epi8(Load(at), _mm_set1_epi8(static_cast<char>(value)));
}

// Cheap filter: bit i set when position base+i holds the signature's first letter and
// base+i+4 its last. Random data almost never passes; runs of one letter never do.
inline unsigned FirstLastMask(const std::uint8_t* base) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(Equal(base, kSignature[0]), Equal(base + 4, kSignature[4]))));
}

// Exact filter: bit i set when a signature word starts at base+i and is followed by byte 01
// or by "(c)", the only windows that can record anything.
inline unsigned MarkerMask(const std::uint8_t* base) {
    __m128i word = Equal(base, kSignature[0]);
    for (int k = 1; k < 5; ++k) word = _mm_and_si128(word, Equal(base + k, kSignature[k]));
    const __m128i separator = Equal(base + 5, 0x01);
    const __m128i copyright =
        _mm_and_si128(Equal(base + 5, '('), _mm_and_si128(Equal(base + 6, 'c'), Equal(base + 7, ')')));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(word, _mm_or_si128(separator, copyright))));
}

// Visits the candidates of one 16-position block, highest first.
bool VisitBlock(const std::uint8_t* data, std::int64_t base, unsigned mask, std::int64_t offset, SonpixMarkers& found) {
    while (mask != 0) {
        const int bit = 31 - __builtin_clz(mask);
        mask &= ~(1u << bit);
        const std::int64_t p = base + bit;
        if (ClassifySonpixWindow(data + p, p + offset, found)) return true;
    }
    return false;
}

}  // namespace

bool HasSonpixHeader(const std::uint8_t* data, std::size_t size) {
    return size >= kSonpixHeaderSize && std::memcmp(data, kSignature, 5) == 0 && data[5] == 0x01;
}

SonpixMarkers FindSonpixMarkers(const std::uint8_t* data, std::size_t size) {
    SonpixMarkers found;
    if (size < kSonpixFirstPosition + kSonpixWindowSize + 1) return found;
    SearchSonpixMarkers(data, static_cast<std::int64_t>(kSonpixFirstPosition),
                        static_cast<std::int64_t>(size - kSonpixWindowSize - 1), 0, found);
    return found;
}

bool SearchSonpixMarkers(const std::uint8_t* data, std::int64_t lowest, std::int64_t highest, std::int64_t offset,
                         SonpixMarkers& found) {
    // Blocks of 64 positions, from the top down; every load stays within the window of the
    // highest position (at most 7 bytes past it, within its 12).
    std::int64_t top = highest;  // highest position not yet examined
    while (top - 63 >= lowest) {
        const std::int64_t base = top - 63;
        const std::uint8_t* at = data + base;
        if ((FirstLastMask(at) | FirstLastMask(at + 16) | FirstLastMask(at + 32) | FirstLastMask(at + 48)) != 0) {
            if (VisitBlock(data, base + 48, MarkerMask(at + 48), offset, found) ||
                VisitBlock(data, base + 32, MarkerMask(at + 32), offset, found) ||
                VisitBlock(data, base + 16, MarkerMask(at + 16), offset, found) ||
                VisitBlock(data, base, MarkerMask(at), offset, found))
                return true;
        }
        top = base - 1;
    }
    for (std::int64_t p = top; p >= lowest; --p) {
        if (ClassifySonpixWindow(data + p, p + offset, found)) return true;
    }
    return false;
}

SonpixSections ComputeSonpixSections(const SonpixMarkers& markers, std::size_t size) {
    const std::int64_t length = static_cast<std::int64_t>(size);
    const bool hasSeparator = markers.separator != SonpixMarkers::kNotFound;
    SonpixSections s;
    s.hasMakerPicture = markers.makerPicture != SonpixMarkers::kNotFound;
    s.hasMakerText = markers.makerText != SonpixMarkers::kNotFound;

    // Without a separator the picture is empty and the sound starts at byte 0, header included.
    s.picture = {static_cast<std::int64_t>(kSonpixHeaderSize), hasSeparator ? markers.separator - 1 : 0};
    s.sound.first = hasSeparator ? markers.separator + static_cast<std::int64_t>(kSonpixHeaderSize) : 0;
    if (s.hasMakerPicture)
        s.sound.last = markers.makerPicture - 1;
    else if (s.hasMakerText)
        s.sound.last = markers.makerText - 1;
    else
        s.sound.last = length - 1;

    if (s.hasMakerPicture) {
        s.makerPicture.first = markers.makerPicture + static_cast<std::int64_t>(kSonpixMarkerSize);
        s.makerPicture.last = s.hasMakerText ? markers.makerText - 1 : length - 1;
    }
    if (s.hasMakerText) {
        s.makerText = {markers.makerText + static_cast<std::int64_t>(kSonpixMarkerSize), length - 1};
    }
    return s;
}
