// libFuzzer target: the tool's full check on arbitrary bytes finds the viewer's section bounds
// (checked against the plain forward search) and reports only offsets inside the file.
#include <cstdlib>
#include <initializer_list>

#include "../SimpleMarkerSearch.h"
#include "authoring/SonpixAudit.h"

namespace {
bool Same(const ByteRange& a, const ByteRange& b) { return a.first == b.first && a.last == b.last; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TSonpixInspection found = InspectSonpix(data, size, TInspectDepth::problems);
    if (found.sonpix != HasSonpixHeader(data, size)) std::abort();
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
