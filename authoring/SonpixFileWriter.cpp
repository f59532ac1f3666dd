// The complete-or-nothing write of a new Sonpix file, with its check before and after writing.
#include "authoring/SonpixFileWriter.h"

#include <cstring>

#include "authoring/FileAccess.h"
#include "authoring/PartChecks.h"

namespace {
// The read-back's piece: large enough for few calls, small enough to cost no memory to speak of.
constexpr std::size_t kReadBackPiece = 1u << 20;
}  // namespace

TAuthoringFaults FindOutputFaults(const std::string& output, bool replace) {
    if (!IsFolder(FolderPart(output))) return {{output, "its folder does not exist"}};
    if (!replace && PathExists(output)) return {{output, "exists (give --force to replace it)"}};
    return {};
}

TAuthoringFaults WriteSonpixFile(const TSonpixDraft& draft, const std::string& output, bool replace) {
    TAuthoringFaults faults = FindDraftFaults(draft, draft.bytes, output);
    if (!faults.empty()) return faults;
    TPendingFile pending(output);
    std::string error;
    if (!pending.Write(draft.bytes, error)) return {{output, "cannot write: " + error}};
    // The written file is read back in pieces and compared with the draft byte for byte, without
    // a second buffer the size of the file. The draft has passed the viewer's reading above, so a
    // file equal to it passes that reading too.
    std::size_t compared = 0;
    bool same = true;
    const auto compare = [&](const std::uint8_t* piece, std::size_t size) {
        same = size <= draft.bytes.size() - compared && std::memcmp(piece, draft.bytes.data() + compared, size) == 0;
        compared += size;
        return same;
    };
    if (!ReadFilePieces(pending.TemporaryPath(), kReadBackPiece, compare, error))
        return {{output, "cannot read back the written file: " + error}};
    if (!same || compared != draft.bytes.size()) return {{output, "the written file differs from what was written"}};
    if (!pending.Commit(replace, error)) return {{output, "cannot put the file in place: " + error}};
    return {};
}

TAuthoringFaults AuthorSonpixFile(const TSonpixParts& parts, const std::string& output, bool replace) {
    TAuthoringFaults faults = FindOutputFaults(output, replace);
    if (!faults.empty()) return faults;
    faults = FindPartFaults(parts);
    if (!faults.empty()) return faults;
    return WriteSonpixFile(LayOutSonpix(parts), output, replace);
}
