// The complete-or-nothing write of a new Sonpix file, with its check before and after writing.
#include "authoring/SonpixFileWriter.h"

#include "authoring/FileAccess.h"
#include "authoring/PartChecks.h"

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
    std::vector<std::uint8_t> written;
    if (!ReadWholeFile(pending.TemporaryPath(), written, error))
        return {{output, "cannot read back the written file: " + error}};
    if (written != draft.bytes) return {{output, "the written file differs from what was written"}};
    faults = FindDraftFaults(draft, written, output);
    if (!faults.empty()) return faults;
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
