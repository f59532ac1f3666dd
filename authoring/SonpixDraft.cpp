// Laying a Sonpix file out from its parts, and reading the result back as the viewer does.
#include "authoring/SonpixDraft.h"

#include <string>

#include "authoring/SonpixAudit.h"

namespace {

void Append(TSonpixDraft& draft, const std::uint8_t* bytes, std::size_t count) {
    draft.pieces.push_back({bytes, count});
    draft.size += count;
}

std::int64_t End(const TSonpixDraft& draft) { return static_cast<std::int64_t>(draft.size); }

void Place(TSonpixDraft& draft, const TSonpixPart& part) {
    draft.placed.push_back({&part, End(draft)});
    Append(draft, part.bytes.data(), part.bytes.size());
}

// Says which part holds the byte at offset, in that part's own offsets.
std::string Locate(const TSonpixDraft& draft, std::int64_t offset) {
    for (const TPlacedPart& placed : draft.placed) {
        const std::int64_t size = static_cast<std::int64_t>(placed.part->bytes.size());
        if (offset >= placed.at && offset < placed.at + size)
            return placed.part->name + " (its byte " + std::to_string(offset - placed.at) + ")";
    }
    return "a marker";
}

// The first border the viewer would find elsewhere than planned, as the user's reason; empty when
// every border is where it was put.
std::string FindMovedBorder(const TSonpixDraft& draft, const SonpixMarkers& found) {
    const struct {
        const char* what;
        std::int64_t planned, actual;
    } borders[] = {{"separator", draft.plan.separator, found.separator},
                   {"maker's picture marker", draft.plan.makerPicture, found.makerPicture},
                   {"maker's text marker", draft.plan.makerText, found.makerText}};
    for (const auto& border : borders) {
        if (border.planned == border.actual) continue;
        if (border.actual == SonpixMarkers::kNotFound) return std::string("the ") + border.what + " would not be found";
        return std::string("marker bytes in ") + Locate(draft, border.actual) + " would be read as the " + border.what +
               " and move a border";
    }
    return std::string();
}

}  // namespace

TSonpixDraft LayOutSonpix(const TSonpixParts& parts) {
    TSonpixDraft draft;
    Append(draft, kSonpixSeparatorBytes, kSonpixHeaderSize);
    Place(draft, parts.picture);
    draft.plan.separator = End(draft);
    Append(draft, kSonpixSeparatorBytes, kSonpixHeaderSize);
    Place(draft, parts.sound);
    if (parts.makerPicture) {
        draft.plan.makerPicture = End(draft);
        Append(draft, kSonpixMakerPictureBytes, kSonpixMarkerSize);
        Place(draft, *parts.makerPicture);
    }
    if (parts.makerText && !parts.makerText->bytes.empty()) {
        draft.plan.makerText = End(draft);
        Append(draft, kSonpixMakerTextBytes, kSonpixMarkerSize);
        Place(draft, *parts.makerText);
    }
    return draft;
}

TAuthoringFaults FindDraftFaults(const TSonpixDraft& draft, const std::string& who) {
    TAuthoringFaults faults;
    const TSonpixInspection found = InspectSonpix(TSonpixPieces(draft.pieces), TInspectDepth::problems);
    const std::string moved = FindMovedBorder(draft, found.markers);
    if (!moved.empty()) faults.push_back({who, "refused: " + moved});
    for (const TProblem& problem : found.problems)
        faults.push_back({who, "refused: at offset " + std::to_string(problem.offset) + " of the new file, in " +
                                   Locate(draft, problem.offset) + ": " + problem.text});
    return faults;
}
