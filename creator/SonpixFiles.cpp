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
// Reads the file into bytes, whose memory it uses again when it is large enough.
void ReadAnsiPath(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::string error;
    if (!ReadWholeFile(AnsiToUtf8(path), bytes, error))
        throw std::runtime_error("Не удалось прочитать \"" + path + "\": " + Utf8ToAnsi(error));
}

[[noreturn]] void ThrowNotSonpix(const std::string& path) {
    throw std::runtime_error("\"" + path + "\" - не Сонпик: в начале нет его заголовка");
}

std::string FileName(const std::string& path) { return path.substr(ExtractFilePath(path).size()); }

// The document's parts lent to the authoring library for one save, each named by its Russian
// label in UTF-8 (an absent maker's picture or an empty text is left out): the bytes move into the
// library's parts and back when the save ends, however it ends, so that a 100 MB sound is written
// from where it is instead of from a copy.
class TLentParts {
public:
    explicit TLentParts(TDraftContents& contents)
        : m_contents(contents),
          m_hasMakerPicture(!contents.makerPicture.Empty()) {
        // The labels first: nothing that can throw once the bytes have moved.
        m_parts.picture.name = AnsiToUtf8(kPictureLabel);
        m_parts.sound.name = AnsiToUtf8(kSoundLabel);
        if (m_hasMakerPicture) m_parts.makerPicture = TSonpixPart{AnsiToUtf8(kMakerPictureLabel), {}};
        if (!contents.makerText.empty())
            m_parts.makerText = TSonpixPart{AnsiToUtf8(kMakerTextLabel),
                                            std::vector<std::uint8_t>(contents.makerText.begin(), contents.makerText.end())};
        m_parts.picture.bytes = std::move(contents.picture.bytes);
        m_parts.sound.bytes = std::move(contents.sound.bytes);
        if (m_hasMakerPicture) m_parts.makerPicture->bytes = std::move(contents.makerPicture.bytes);
    }
    ~TLentParts() {
        m_contents.picture.bytes = std::move(m_parts.picture.bytes);
        m_contents.sound.bytes = std::move(m_parts.sound.bytes);
        if (m_hasMakerPicture) m_contents.makerPicture.bytes = std::move(m_parts.makerPicture->bytes);
    }
    TLentParts(const TLentParts&) = delete;
    TLentParts& operator=(const TLentParts&) = delete;
    const TSonpixParts& Parts() const { return m_parts; }

private:
    TDraftContents& m_contents;
    bool m_hasMakerPicture;
    TSonpixParts m_parts;
};

// Memory used again that is more than twice what it now holds (a small file opened after a large
// one) is given back.
std::vector<std::uint8_t> Fitted(std::vector<std::uint8_t> bytes) {
    if (bytes.capacity() / 2 > bytes.size()) bytes.shrink_to_fit();
    return bytes;
}

// The section copied into the memory of into.
std::vector<std::uint8_t> Section(const std::vector<std::uint8_t>& bytes, const ByteRange& range,
                                  std::vector<std::uint8_t> into) {
    into.clear();
    if (range.Size() > 0) into.assign(bytes.begin() + range.first, bytes.begin() + range.last + 1);
    return Fitted(std::move(into));
}

// The section cut out of the file's own buffer, which it takes over: no second buffer the size of
// the file (the sound of a Sonpix file is nearly all of it).
std::vector<std::uint8_t> CutOut(std::vector<std::uint8_t> bytes, const ByteRange& range) {
    if (range.Size() == 0) return {};
    bytes.resize(static_cast<std::size_t>(range.last + 1));
    bytes.erase(bytes.begin(), bytes.begin() + range.first);
    return Fitted(std::move(bytes));
}
}  // namespace

TDraftPart ReadPartFile(const std::string& path) {
    TDraftPart part{FileName(path), {}};
    ReadAnsiPath(path, part.bytes);
    return part;
}

void CheckSonpixHeader(const std::string& path) {
    std::vector<std::uint8_t> head;
    std::string error;
    const auto take = [&head](const std::uint8_t* piece, std::size_t size) {
        head.assign(piece, piece + size);
        return false;
    };
    if (!ReadFilePieces(AnsiToUtf8(path), kSonpixHeaderSize, take, error))
        throw std::runtime_error("Не удалось прочитать \"" + path + "\": " + Utf8ToAnsi(error));
    if (!HasSonpixHeader(head.data(), head.size())) ThrowNotSonpix(path);
}

TDraftContents SplitSonpixFile(const std::string& path, TDraftContents spare) {
    // The file goes into the largest of the spare buffers, the sound's.
    std::vector<std::uint8_t> bytes = std::move(spare.sound.bytes);
    ReadAnsiPath(path, bytes);
    const TSonpixInspection found = InspectSonpix(bytes.data(), bytes.size(), TInspectDepth::facts);
    if (!found.sonpix) ThrowNotSonpix(path);
    const std::string name = FileName(path);
    TDraftContents contents;
    contents.picture = TDraftPart{name, Section(bytes, found.sections.picture, std::move(spare.picture.bytes))};
    if (found.sections.hasMakerPicture)
        contents.makerPicture =
            TDraftPart{name, Section(bytes, found.sections.makerPicture, std::move(spare.makerPicture.bytes))};
    if (found.sections.hasMakerText) contents.makerText = found.makerText;
    // The sound last: it takes the file's buffer.
    contents.sound = TDraftPart{name, CutOut(std::move(bytes), found.sections.sound)};
    return contents;
}

std::vector<TSaveFault> WriteSonpix(TSonpixDocument& document, const std::string& path, bool replace, TFlush flush) {
    // A missing picture or sound is named here, in the user's words, before the library's checks.
    std::vector<TSaveFault> faults;
    if (document.Contents().picture.Empty()) faults.push_back({kPictureLabel, "не выбрана"});
    if (document.Contents().sound.Empty()) faults.push_back({kSoundLabel, "не выбран"});
    if (!faults.empty()) return faults;
    TAuthoringFaults refused;
    {
        const TLentParts lent(document.ContentsInPlace());
        refused = AuthorSonpixFile(lent.Parts(), AnsiToUtf8(path), replace, flush);
    }
    for (const TAuthoringFault& fault : refused) faults.push_back({Utf8ToAnsi(fault.who), Utf8ToAnsi(fault.reason)});
    return faults;
}
