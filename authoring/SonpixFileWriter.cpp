// The complete-or-nothing write of a new Sonpix file, checked as the viewer will read it before it takes its name.
#include "authoring/SonpixFileWriter.h"

#include "authoring/FileAccess.h"
#include "authoring/PartChecks.h"

TAuthoringFaults FindOutputFaults(const std::string& output, bool replace) {
    if (!IsFolder(FolderPart(output))) return {{output, "its folder does not exist"}};
    if (!replace && PathExists(output)) return {{output, "exists (give --force to replace it)"}};
    return {};
}

TAuthoringFaults WriteSonpixFile(const TSonpixDraft& draft, const std::string& output, bool replace, TFlush flush) {
    TPendingFile pending(output, flush);
    std::string error;
    if (!pending.Write(draft.pieces, error)) return {{output, "cannot write: " + error}};
    {
        // The check reads the written file itself, where the system has it cached, so that what
        // takes the name is what was found sound, and no second copy of it is made in memory.
        TMappedFile written;
        if (!written.Open(pending.TemporaryPath(), error))
            return {{output, "cannot read back the written file: " + error}};
        if (written.Size() != draft.size) return {{output, "the written file differs from what was written"}};
        const TAuthoringFaults faults = FindDraftFaults(draft, written.Data(), written.Size(), output);
        if (!faults.empty()) return faults;
    }
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
