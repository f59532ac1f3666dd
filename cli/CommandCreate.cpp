// sonpix create: lays a picture, a sound and the optional maker's picture and text out as a
// Sonpix file, refuses anything the viewer would misread, and puts the file in place only after
// its own check of the written bytes has passed.
#include <algorithm>

#include "cli/Commands.h"
#include "cli/Cp1251.h"
#include "cli/FileAccess.h"
#include "cli/SonpixAudit.h"
#include "sound/WavCheck.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

struct TInput {
    std::string path;  // as given on the command line, and so named in messages
    TBytes bytes;
    std::int64_t placedAt = -1;  // offset of its first byte in the Sonpix file
};

void Append(TBytes& out, const std::uint8_t* bytes, std::size_t count) { out.insert(out.end(), bytes, bytes + count); }

// Says which input holds the byte at offset, in that input's own offsets.
std::string Locate(const std::vector<const TInput*>& inputs, std::int64_t offset) {
    for (const TInput* input : inputs) {
        const std::int64_t size = static_cast<std::int64_t>(input->bytes.size());
        if (input->placedAt >= 0 && offset >= input->placedAt && offset < input->placedAt + size)
            return input->path + " (its byte " + std::to_string(offset - input->placedAt) + ")";
    }
    return "a marker";
}

// What the viewer must find in the new file, and the error that tells the user otherwise.
std::string CompareWithPlan(const TSonpixInspection& found, const SonpixMarkers& plan,
                            const std::vector<const TInput*>& inputs) {
    const struct {
        const char* what;
        std::int64_t planned, actual;
    } borders[] = {{"separator", plan.separator, found.markers.separator},
                   {"maker's picture marker", plan.makerPicture, found.markers.makerPicture},
                   {"maker's text marker", plan.makerText, found.markers.makerText}};
    for (const auto& border : borders) {
        if (border.planned == border.actual) continue;
        if (border.actual == SonpixMarkers::kNotFound)
            return std::string("the ") + border.what + " would not be found";
        return std::string("marker bytes in ") + Locate(inputs, border.actual) + " would be read as the " +
               border.what + " and move a border";
    }
    return std::string();
}

}  // namespace

int RunCreate(const TCliArgs& args, TCliStreams& io) {
    int code = kExitOk;
    const auto fail = [&io, &code](const std::string& who, const std::string& reason) {
        io.err << "sonpix: " << who << ": " << reason << "\n";
        code = kExitFailed;
    };

    TInput picture{args.picture, {}};
    TInput sound{args.sound, {}};
    TInput makerPicture{args.makerPicture, {}};
    TInput text{args.makerText, {}};
    std::vector<TInput*> given = {&picture, &sound};
    if (!args.makerPicture.empty()) given.push_back(&makerPicture);
    if (!args.makerText.empty()) given.push_back(&text);
    for (TInput* input : given) {
        std::string error;
        if (!ReadWholeFile(input->path, input->bytes, error)) fail(input->path, "cannot read: " + error);
        else if (SameFile(input->path, args.output)) fail(args.output, "refused: it is also an input file");
    }
    if (code != kExitOk) return code;
    if (!IsFolder(FolderPart(args.output))) return fail(args.output, "its folder does not exist"), code;
    if (!args.force && PathExists(args.output)) return fail(args.output, "exists (give --force to replace it)"), code;

    // Each input on its own, so that every fault is named at once.
    std::string fault = FindJpegFault(picture.bytes.data(), picture.bytes.size());
    if (!fault.empty()) fail(picture.path, "the viewer cannot show this picture: " + fault);
    TWavFacts wav;
    if (!ReadWavFacts(sound.bytes.data(), sound.bytes.size(), wav, fault)) fail(sound.path, fault);
    else if (!(fault = FindWavHeaderFault(TWavBytesSource(sound.bytes))).empty())
        fail(sound.path, "the viewer refuses to play this sound: " + fault);
    const bool withMakerPicture = !args.makerPicture.empty();
    if (withMakerPicture && !(fault = FindJpegFault(makerPicture.bytes.data(), makerPicture.bytes.size())).empty())
        fail(makerPicture.path, "the viewer cannot show this picture: " + fault);
    std::string storedText;
    if (!args.makerText.empty()) {
        const TUtf8Conversion converted =
            Utf8ToCp1251(std::string(text.bytes.begin(), text.bytes.end()));
        if (!converted.ok) fail(text.path, "at byte " + std::to_string(converted.badOffset) + ": " + converted.reason);
        storedText = converted.cp1251;
        if (converted.ok && storedText.empty())
            io.err << "sonpix: " << text.path << ": the text is empty, so the file gets no maker's text\n";
    }
    if (code != kExitOk) return code;

    // The layout: header, picture, separator, sound, then the maker's sections that are there.
    TBytes bytes;
    SonpixMarkers plan;
    Append(bytes, kSonpixSeparatorBytes, kSonpixHeaderSize);
    picture.placedAt = static_cast<std::int64_t>(bytes.size());
    Append(bytes, picture.bytes.data(), picture.bytes.size());
    plan.separator = static_cast<std::int64_t>(bytes.size());
    Append(bytes, kSonpixSeparatorBytes, kSonpixHeaderSize);
    sound.placedAt = static_cast<std::int64_t>(bytes.size());
    Append(bytes, sound.bytes.data(), sound.bytes.size());
    if (withMakerPicture) {
        plan.makerPicture = static_cast<std::int64_t>(bytes.size());
        Append(bytes, kSonpixMakerPictureBytes, kSonpixMarkerSize);
        makerPicture.placedAt = static_cast<std::int64_t>(bytes.size());
        Append(bytes, makerPicture.bytes.data(), makerPicture.bytes.size());
    }
    if (!storedText.empty()) {
        plan.makerText = static_cast<std::int64_t>(bytes.size());
        Append(bytes, kSonpixMakerTextBytes, kSonpixMarkerSize);
        text.placedAt = static_cast<std::int64_t>(bytes.size());
        // The text's own offsets in messages are those of the stored Windows-1251 bytes.
        text.bytes.assign(storedText.begin(), storedText.end());
        Append(bytes, text.bytes.data(), text.bytes.size());
    }
    const std::vector<const TInput*> inputs = {&picture, &sound, &makerPicture, &text};

    // The check of the result, once in memory (for messages that name the input) and once on
    // the written file before it takes its name.
    const auto checkBytes = [&](const TBytes& candidate, const std::string& who) {
        const TSonpixInspection found = InspectSonpix(candidate.data(), candidate.size(), TInspectDepth::problems);
        const std::string misread = CompareWithPlan(found, plan, inputs);
        if (!misread.empty()) fail(who, "refused: " + misread);
        for (const TProblem& problem : found.problems)
            fail(who, "refused: at offset " + std::to_string(problem.offset) + " of the new file, in " +
                          Locate(inputs, problem.offset) + ": " + problem.text);
        return code == kExitOk;
    };
    if (!checkBytes(bytes, args.output)) return code;

    TPendingFile pending(args.output);
    std::string error;
    if (!pending.Write(bytes, error)) return fail(args.output, "cannot write: " + error), code;
    TBytes written;
    if (!ReadWholeFile(pending.TemporaryPath(), written, error))
        return fail(args.output, "cannot read back the written file: " + error), code;
    if (written != bytes) return fail(args.output, "the written file differs from what was written"), code;
    if (!checkBytes(written, args.output)) return code;
    if (!pending.Commit(args.force, error)) return fail(args.output, "cannot put the file in place: " + error), code;
    io.out << args.output << "\n";
    return kExitOk;
}
