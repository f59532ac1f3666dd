// libFuzzer target: the tool's full check on arbitrary bytes finds the viewer's section bounds
// (checked against the plain forward search), reports only offsets inside the file, and gives the
// same answer read from pieces of the bytes as from the bytes in one block.
#include <algorithm>
#include <cstdlib>
#include <initializer_list>

#include "../SimpleMarkerSearch.h"
#include "authoring/SonpixAudit.h"

namespace {
bool Same(const ByteRange& a, const ByteRange& b) { return a.first == b.first && a.last == b.last; }

// The bytes in three pieces cut where the data say, one of them at most 12 bytes long.
bool SameFromPieces(const std::uint8_t* data, std::size_t size, const TSonpixInspection& whole) {
    const std::size_t first = size / 3, second = std::min(size, first + (size ? data[size / 2] % 13 : 0));
    const std::vector<TByteSpan> pieces = {{data, first}, {data + first, second - first}, {data + second, size - second}};
    const TSonpixInspection cut = InspectSonpix(TSonpixPieces(pieces), TInspectDepth::problems);
    if (cut.sonpix != whole.sonpix || cut.markers.separator != whole.markers.separator ||
        cut.markers.makerPicture != whole.markers.makerPicture || cut.markers.makerText != whole.markers.makerText ||
        cut.makerText != whole.makerText || cut.problems.size() != whole.problems.size())
        return false;
    for (std::size_t i = 0; i < cut.problems.size(); ++i)
        if (cut.problems[i].offset != whole.problems[i].offset || cut.problems[i].text != whole.problems[i].text) return false;
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TSonpixInspection found = InspectSonpix(data, size, TInspectDepth::problems);
    if (found.sonpix != HasSonpixHeader(data, size)) std::abort();
    if (!SameFromPieces(data, size, found)) std::abort();
    if (!found.sonpix) return 0;
    const SonpixSections viewer = ComputeSonpixSections(SimpleMarkerSearch(data, size), size);
    const SonpixSections& s = found.sections;
    if (!Same(s.picture, viewer.picture) || !Same(s.sound, viewer.sound) ||
        s.hasMakerPicture != viewer.hasMakerPicture || s.hasMakerText != viewer.hasMakerText ||
        (s.hasMakerPicture && !Same(s.makerPicture, viewer.makerPicture)) ||
        (s.hasMakerText && !Same(s.makerText, viewer.makerText)))
        std::abort();
    if (s.hasMakerText && found.makerText.size() != static_cast<std::size_t>(viewer.makerText.Size())) std::abort();
    for (const TProblem& problem : found.problems)
        if (problem.offset < 0 || problem.offset > static_cast<std::int64_t>(size) || problem.text.empty()) std::abort();
    return 0;
}
