// A deliberately plain forward marker search, window by window, to check the fast one against.
#pragma once
#include <cstring>

#include "container/SonpixLayout.h"

inline SonpixMarkers SimpleMarkerSearch(const std::uint8_t* data, std::size_t size) {
    SonpixMarkers found;
    if (size < 18) return found;
    for (std::size_t p = 5; p <= size - 13; ++p) {
        const std::uint8_t* w = data + p;
        if (std::memcmp(w, "Tolvy", 5) != 0) continue;
        if (w[5] == '(' && w[6] == 'c' && w[7] == ')') {
            if (std::memcmp(w + 8, "jpg\x01", 4) == 0) found.makerPicture = static_cast<std::int64_t>(p);
            else if (std::memcmp(w + 8, "txt\x01", 4) == 0) found.makerText = static_cast<std::int64_t>(p);
        } else if (w[5] == 0x01) {
            found.separator = static_cast<std::int64_t>(p);
        }
    }
    return found;
}
