// The structural ends of JPEG and RIFF data, for telling a section's intended end from where a marker cut it.
#include "authoring/ContentExtent.h"

#include <cstring>

std::int64_t JpegExtentEnd(const std::uint8_t* data, std::size_t size, std::int64_t first) {
    bool cutShort = false;
    return JpegExtentEnd(data, size, first, cutShort);
}

std::int64_t JpegExtentEnd(const std::uint8_t* data, std::size_t size, std::int64_t first, bool& cutShort) {
    const std::int64_t end = static_cast<std::int64_t>(size);
    // Every way out for want of bytes passes here; the others are verdicts on the data.
    cutShort = true;
    if (first < 0) return cutShort = false, kExtentUnknown;
    if (first + 2 > end) return kExtentUnknown;
    cutShort = false;
    if (data[first] != 0xFF || data[first + 1] != 0xD8) return kExtentUnknown;
    std::int64_t at = first + 2;
    while (at + 1 < end) {
        if (data[at] != 0xFF) return kExtentUnknown;  // a verdict
        while (at + 1 < end && data[at + 1] == 0xFF) ++at;  // fill bytes before a marker
        if (at + 1 >= end) break;
        const std::uint8_t code = data[at + 1];
        at += 2;
        if (code == 0xD9) return at;                                // end of image
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7)) continue;  // markers without a segment
        if (at + 2 > end) break;
        const std::int64_t length = (data[at] << 8) | data[at + 1];
        if (length < 2) return kExtentUnknown;  // a verdict
        at += length;
        if (code != 0xDA) continue;
        // Entropy-coded data run to the next marker other than a stuffed zero or a restart marker.
        while (at + 1 < end) {
            const std::uint8_t* next = static_cast<const std::uint8_t*>(std::memchr(data + at, 0xFF, static_cast<std::size_t>(end - at - 1)));
            if (!next) return cutShort = true, kExtentUnknown;
            at = next - data;
            const std::uint8_t after = data[at + 1];
            if (after == 0x00 || (after >= 0xD0 && after <= 0xD7)) {
                at += 2;
                continue;
            }
            break;  // a real marker (or fill bytes before one)
        }
    }
    cutShort = true;
    return kExtentUnknown;
}

std::int64_t WavExtentEnd(const std::uint8_t* data, std::size_t size, std::int64_t first) {
    const std::int64_t end = static_cast<std::int64_t>(size);
    if (first < 0 || first + 12 > end) return kExtentUnknown;
    const std::uint8_t* p = data + first;
    if (std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) return kExtentUnknown;
    const std::uint32_t declared = static_cast<std::uint32_t>(p[4]) | (static_cast<std::uint32_t>(p[5]) << 8) |
                                   (static_cast<std::uint32_t>(p[6]) << 16) | (static_cast<std::uint32_t>(p[7]) << 24);
    return first + 8 + static_cast<std::int64_t>(declared);
}
