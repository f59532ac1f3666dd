// sonpix create: reads the parts named on the command line and hands them to the authoring
// library, which refuses anything the viewer would misread and puts the file in place only after
// its own check of the written bytes has passed.
#include "authoring/Cp1251.h"
#include "authoring/FileAccess.h"
#include "authoring/PartChecks.h"
#include "authoring/SonpixFileWriter.h"
#include "cli/Commands.h"

namespace {

// Prints each fault as "sonpix: WHO: REASON"; the exit code for them.
int Report(const TAuthoringFaults& faults, TCliStreams& io) {
    for (const TAuthoringFault& fault : faults) io.err << "sonpix: " << fault.who << ": " << fault.reason << "\n";
    return faults.empty() ? kExitOk : kExitFailed;
}

// Reads the parts named by the arguments; the maker's text stays UTF-8 here. A part that cannot
// be read, or that is the output file itself, is a fault.
TAuthoringFaults ReadParts(const TCliArgs& args, TSonpixParts& parts) {
    parts.picture.name = args.picture;
    parts.sound.name = args.sound;
    if (!args.makerPicture.empty()) parts.makerPicture = TSonpixPart{args.makerPicture, {}};
    if (!args.makerText.empty()) parts.makerText = TSonpixPart{args.makerText, {}};
    TAuthoringFaults faults;
    for (TSonpixPart* part : {&parts.picture, &parts.sound, parts.makerPicture ? &*parts.makerPicture : nullptr,
                              parts.makerText ? &*parts.makerText : nullptr}) {
        if (!part) continue;
        std::string error;
        if (!ReadWholeFile(part->name, part->bytes, error)) faults.push_back({part->name, "cannot read: " + error});
        else if (SameFile(part->name, args.output)) faults.push_back({args.output, "refused: it is also an input file"});
    }
    return faults;
}

// The maker's text file is UTF-8; the file stores Windows-1251, and messages give offsets in it.
void StoreTextAsCp1251(TSonpixPart& text, TAuthoringFaults& faults, TCliStreams& io) {
    const TUtf8Conversion converted = Utf8ToCp1251(std::string(text.bytes.begin(), text.bytes.end()));
    if (!converted.ok) {
        faults.push_back({text.name, "at byte " + std::to_string(converted.badOffset) + ": " + converted.reason});
        return;
    }
    text.bytes.assign(converted.cp1251.begin(), converted.cp1251.end());
    if (text.bytes.empty()) io.err << "sonpix: " << text.name << ": the text is empty, so the file gets no maker's text\n";
}

}  // namespace

int RunCreate(const TCliArgs& args, TCliStreams& io) {
    TSonpixParts parts;
    if (Report(ReadParts(args, parts), io) != kExitOk) return kExitFailed;
    if (Report(FindOutputFaults(args.output, args.force), io) != kExitOk) return kExitFailed;
    // Each part on its own, so that every fault is named at once.
    TAuthoringFaults faults = FindPartFaults(parts);
    if (parts.makerText) StoreTextAsCp1251(*parts.makerText, faults, io);
    if (Report(faults, io) != kExitOk) return kExitFailed;
    if (Report(WriteSonpixFile(LayOutSonpix(parts), args.output, args.force), io) != kExitOk) return kExitFailed;
    io.out << args.output << "\n";
    return kExitOk;
}
