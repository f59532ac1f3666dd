// sonpix extract: writes the sections of one file into a folder, never over an existing file
// unless asked, and never outside that folder.
#include "authoring/Cp1251.h"
#include "authoring/FileAccess.h"
#include "authoring/SonpixAudit.h"
#include "cli/Commands.h"
#include "cli/OutputNames.h"

int RunExtract(const TCliArgs& args, TCliStreams& io) {
    const std::string& file = args.files[0];
    const auto fail = [&io](const std::string& who, const std::string& reason) {
        io.err << "sonpix: " << who << ": " << reason << "\n";
        return kExitFailed;
    };
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(file, bytes, error)) return fail(file, "cannot read: " + error);
    const TSonpixInspection found = InspectSonpix(bytes.data(), bytes.size(), TInspectDepth::facts);
    if (!found.sonpix) return fail(file, "not a Sonpix file (it does not start with \"Tolvy\" 01)");

    const std::string folder = args.output.empty() ? "." : args.output;
    if (!IsFolder(folder)) return fail(folder, "no such folder");
    const std::string stem = SonpixStem(FileNamePart(file));
    const std::string unsafe = UnsafeNameReason(stem);
    if (!unsafe.empty()) return fail(file, "refused: " + unsafe);

    // What goes where; every name is checked before anything is written.
    struct TOutput {
        std::string path;
        std::vector<std::uint8_t> content;
    };
    std::vector<TOutput> outputs;
    const SonpixSections& s = found.sections;
    const auto slice = [&bytes](const ByteRange& r) {
        return r.Size() ? std::vector<std::uint8_t>(bytes.begin() + r.first, bytes.begin() + r.last + 1)
                        : std::vector<std::uint8_t>();
    };
    for (const TExtractName& output : ExtractNames(stem)) {
        std::vector<std::uint8_t> content;
        switch (output.kind) {
            case TExtractName::picture: content = slice(s.picture); break;
            case TExtractName::sound: content = slice(s.sound); break;
            case TExtractName::makerPicture:
                if (!s.hasMakerPicture) continue;
                content = slice(s.makerPicture);
                break;
            case TExtractName::makerText: {
                if (!s.hasMakerText) continue;
                const std::string text = Cp1251ToUtf8(found.makerText);
                content.assign(text.begin(), text.end());
                break;
            }
        }
        const std::string path = JoinPath(folder, output.name);
        if (SameFile(path, file)) return fail(path, "refused: it is the file being extracted");
        if (!args.force && PathExists(path)) return fail(path, "exists (give --force to replace it)");
        outputs.push_back({path, std::move(content)});
    }
    for (const TOutput& output : outputs) {
        TPendingFile pending(output.path);
        if (!pending.Write(output.content, error) || !pending.Commit(args.force, error))
            return fail(output.path, "cannot write: " + error);
        io.out << output.path << "\n";
    }
    return kExitOk;
}
