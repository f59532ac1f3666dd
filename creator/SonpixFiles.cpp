// Reading parts and Sonpix files, and writing new ones through AuthorSonpixFile.
#include "creator/SonpixFiles.h"

#include <stdexcept>

#include "authoring/FileAccess.h"
#include "authoring/SonpixAudit.h"
#include "authoring/SonpixFileWriter.h"
#include "creator/AnsiText.h"
#include "creator/CreatorNames.h"
#include "sys/PathText.h"

namespace {
std::vector<std::uint8_t> ReadAnsiPath(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(AnsiToUtf8(path), bytes, error))
        throw std::runtime_error("Не удалось прочитать \"" + path + "\": " + Utf8ToAnsi(error));
    return bytes;
}

std::string FileName(const std::string& path) { return path.substr(ExtractFilePath(path).size()); }

// The parts for the authoring library, each named by its Russian label in UTF-8; an absent
// maker's picture or an empty text is left out.
TSonpixPart Labelled(const char* label, const std::vector<std::uint8_t>& bytes) {
    return TSonpixPart{AnsiToUtf8(label), bytes};
}

TSonpixParts AuthoringParts(const TDraftContents& contents) {
    TSonpixParts parts;
    parts.picture = Labelled(kPictureLabel, contents.picture.bytes);
    parts.sound = Labelled(kSoundLabel, contents.sound.bytes);
    if (!contents.makerPicture.Empty()) parts.makerPicture = Labelled(kMakerPictureLabel, contents.makerPicture.bytes);
    if (!contents.makerText.empty())
        parts.makerText = Labelled(kMakerTextLabel, std::vector<std::uint8_t>(contents.makerText.begin(), contents.makerText.end()));
    return parts;
}

std::vector<std::uint8_t> Section(const std::vector<std::uint8_t>& bytes, const ByteRange& range) {
    if (range.Size() == 0) return {};
    return std::vector<std::uint8_t>(bytes.begin() + range.first, bytes.begin() + range.last + 1);
}
}  // namespace

TDraftPart ReadPartFile(const std::string& path) { return TDraftPart{FileName(path), ReadAnsiPath(path)}; }

TDraftContents SplitSonpixFile(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadAnsiPath(path);
    const TSonpixInspection found = InspectSonpix(bytes.data(), bytes.size(), TInspectDepth::facts);
    if (!found.sonpix) throw std::runtime_error("\"" + path + "\" - не Сонпик: в начале нет его заголовка");
    const std::string name = FileName(path);
    TDraftContents contents;
    contents.picture = TDraftPart{name, Section(bytes, found.sections.picture)};
    contents.sound = TDraftPart{name, Section(bytes, found.sections.sound)};
    if (found.sections.hasMakerPicture)
        contents.makerPicture = TDraftPart{name, Section(bytes, found.sections.makerPicture)};
    if (found.sections.hasMakerText) contents.makerText = found.makerText;
    return contents;
}

std::vector<TSaveFault> WriteSonpix(const TSonpixDocument& document, const std::string& path, bool replace) {
    // A missing picture or sound is named here, in the user's words, before the library's checks.
    std::vector<TSaveFault> faults;
    if (document.Contents().picture.Empty()) faults.push_back({kPictureLabel, "не выбрана"});
    if (document.Contents().sound.Empty()) faults.push_back({kSoundLabel, "не выбран"});
    if (!faults.empty()) return faults;
    for (const TAuthoringFault& fault : AuthorSonpixFile(AuthoringParts(document.Contents()), AnsiToUtf8(path), replace))
        faults.push_back({Utf8ToAnsi(fault.who), Utf8ToAnsi(fault.reason)});
    return faults;
}
