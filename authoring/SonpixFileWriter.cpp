// The complete-or-nothing write of a new Sonpix file, checked as the viewer will read it before it is written.
#include "authoring/SonpixFileWriter.h"

#include "authoring/FileAccess.h"
#include "authoring/PartChecks.h"

TAuthoringFaults FindOutputFaults(const std::string& output, bool replace) {
    if (!IsFolder(FolderPart(output))) return {{output, "its folder does not exist"}};
    if (!replace && PathExists(output)) return {{output, "exists (give --force to replace it)"}};
    return {};
}

TAuthoringFaults WriteSonpixFile(const TSonpixDraft& draft, const std::string& output, bool replace, TFlush flush) {
    // The draft is read as the viewer will read the file, from the parts where they lie: a
    // refused draft writes nothing, and a 100 MB sound is neither copied nor read back.
    TAuthoringFaults faults = FindDraftFaults(draft, output);
    if (!faults.empty()) return faults;
    TPendingFile pending(output, flush);
    std::string error;
    if (!pending.Write(draft.pieces, error)) return {{output, "cannot write: " + error}};
    if (!pending.Commit(replace, error)) return {{output, "cannot put the file in place: " + error}};
    return {};
}

TAuthoringFaults AuthorSonpixFile(const TSonpixParts& parts, const std::string& output, bool replace, TFlush flush) {
    TAuthoringFaults faults = FindOutputFaults(output, replace);
    if (!faults.empty()) return faults;
    faults = FindPartFaults(parts);
    if (!faults.empty()) return faults;
    return WriteSonpixFile(LayOutSonpix(parts), output, replace, flush);
}
