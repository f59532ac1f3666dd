// libFuzzer target: the fast marker search and the section bounds against the plain search.
#include <cstdlib>
#include <initializer_list>

#include "../SimpleMarkerSearch.h"
#include "container/SonpixLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SonpixMarkers fast = FindSonpixMarkers(data, size);
    const SonpixMarkers slow = SimpleMarkerSearch(data, size);
    if (fast.separator != slow.separator || fast.makerPicture != slow.makerPicture ||
        fast.makerText != slow.makerText)
        std::abort();
    const SonpixSections s = ComputeSonpixSections(fast, size);
    // Every non-empty section lies inside the file.
    for (const ByteRange& r : {s.picture, s.sound, s.makerPicture, s.makerText}) {
        if (r.Size() > 0 && (r.first < 0 || r.last >= static_cast<std::int64_t>(size))) std::abort();
    }
    return 0;
}
